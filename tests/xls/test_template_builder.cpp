// The carried templates as python3-xlrd and the raw records show them (cells, fonts, formats, borders,
// widths, repeated heading rows, footer, page), with the formulas as the engine reads them back.
#include "support/golden.h"
#include "support/temp_folder.h"
#include "template_reading.h"
#include "xls/template_builder.h"
#include "xls/workbook.h"

#include <gtest/gtest.h>

namespace velmar::xls {
namespace {

QString formulaLines(const QString& path)
{
    const Workbook book = Workbook::open(path);
    QString lines;
    for (int row = 1; row <= book.rowCount(); ++row)
        for (int column = 1; column <= book.columnCount(); ++column)
            if (book.isFormula(row, column))
                lines += QStringLiteral("formula %1%2 %3\n")
                             .arg(QChar(u'A' + column - 1))
                             .arg(row)
                             .arg(book.formulaText(row, column));
    return lines;
}

TEST(CarriedTemplates, ReadAsLaidOut)
{
    const std::pair<CarriedTemplate, const char*> templates[] = {
        {CarriedTemplate::FisaCalcul, "FisaCalcul"},
        {CarriedTemplate::Datorii, "Datorii"},
        {CarriedTemplate::Incas, "Incas"},
    };
    test::TempFolder folder;
    for (const auto& [which, name] : templates) {
        SCOPED_TRACE(name);
        const QString path = folder.file(QString::fromLatin1(name) + QStringLiteral(".xls"));
        test::writeBytes(path, BuildCarriedTemplate(which));
        test::expectGolden(test::templateReading(path) + formulaLines(path),
                           QStringLiteral(VELMAR_XLS_TEST_DATA "/%1.reading.txt").arg(QString::fromLatin1(name)));
    }
}

}  // namespace
}  // namespace velmar::xls
