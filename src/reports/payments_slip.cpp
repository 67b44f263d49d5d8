// The payments slip's query and its template.
#include "reports/payments_slip.h"

#include "reports/report_texts.h"
#include "reports/template_exporter.h"
#include "store/dates.h"
#include "store/sql/database.h"

#include <QDir>

namespace velmar {

std::optional<QString> CheckSlipPeriod(const SlipPeriod& period)
{
    if (period.to < period.from)
        return report_texts::kWrongPeriod;
    return std::nullopt;
}

ReportDataset LoadPaymentsSlip(Database& db, const SlipPeriod& period)
{
    const bool oneType = !period.docJus.isEmpty();
    QVariantList params{dayNumber(period.from), dayNumber(period.to)};
    if (oneType)
        params << period.docJus;
    // The lines of one payment share DATACHIT and NRCHIT; IDCHIT and IDRATA keep them in the order recorded.
    QueryResult rows =
        db.select(QStringLiteral("SELECT C.NUME, C.CNP, C.ROL, H.DOCJUS, H.NRCHIT, H.DATACHIT, H.SUMA, H.PENAL "
                                 "FROM Chitante H JOIN Contract C ON C.IDCON = H.IDCON "
                                 "WHERE H.DATACHIT >= ? AND H.DATACHIT <= ? %1 "
                                 "ORDER BY H.DATACHIT, H.NRCHIT, H.IDCHIT, H.IDRATA")
                      .arg(oneType ? QStringLiteral("AND H.DOCJUS = ?") : QString()),
                  params);
    return datasetOf(std::move(rows),
                     {QStringLiteral("NUME"), QStringLiteral("CNP"), QStringLiteral("ROL"), QStringLiteral("DOCJUS")});
}

void FillPaymentsSlip(TemplateExporter& exporter, const QString& dataFolder, const SlipPeriod& period,
                      const ReportDataset& rows)
{
    OpenReportTemplate(exporter, QDir(dataFolder).filePath(QStringLiteral("Incas.xls")));
    exporter.ReplaceTag(QStringLiteral("#PERIOADA"),
                        report_texts::slipPeriod(formatDate(period.from), formatDate(period.to)));
    exporter.FillBand(rows);
}

void PaymentsSlip(Database& db, TemplateExporter& exporter, const QString& dataFolder, const SlipPeriod& period)
{
    FillPaymentsSlip(exporter, dataFolder, period, LoadPaymentsSlip(db, period));
    exporter.SaveAndShow();
}

}  // namespace velmar
