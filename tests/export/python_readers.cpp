// Python's csv and html.parser on our files.
#include "python_readers.h"

#include "support/python_check.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace velmar::test {

namespace {

const QString kCsvScript = QStringLiteral(R"(
import csv, json, sys
with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:
    print(json.dumps(list(csv.reader(f, delimiter=sys.argv[2], strict=True))))
)");

const QString kHtmlScript = QStringLiteral(R"(
import json, sys
from html.parser import HTMLParser
class Cells(HTMLParser):
    def __init__(self):
        super().__init__()
        self.rows, self.cell, self.span = [], None, 1
    def handle_starttag(self, tag, attrs):
        if tag == 'tr':
            self.rows.append([])
        elif tag in ('td', 'th'):
            self.cell, self.span = '', int(dict(attrs).get('colspan', 1))
    def handle_endtag(self, tag):
        if tag in ('td', 'th'):
            self.rows[-1] += [self.cell] + [''] * (self.span - 1)
            self.cell = None
    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data
parser = Cells()
with open(sys.argv[1], encoding='utf-8') as f:
    parser.feed(f.read())
print(json.dumps(parser.rows))
)");

Cells rowsOfJson(const PythonRun& run)
{
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    Cells rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(run.out.toUtf8()).array()) {
        QStringList cells;
        for (const QJsonValue& cell : row.toArray())
            cells << cell.toString();
        rows.push_back(cells);
    }
    return rows;
}

}  // namespace

Cells pythonCsvRows(const QString& path, QChar separator)
{
    return rowsOfJson(runPython(kCsvScript, {path, QString(separator)}));
}

Cells pythonHtmlRows(const QString& path) { return rowsOfJson(runPython(kHtmlScript, {path})); }

}  // namespace velmar::test
