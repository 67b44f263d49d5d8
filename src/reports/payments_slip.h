// The payments slip ("Borderou incasari"): every payment row of a period, optionally of one document type,
// with the payer's identity, filled into the data folder's Incas.xls.
#pragma once

#include "reports/report_dataset.h"

#include <QDate>
#include <QString>
#include <optional>

namespace velmar {

class Database;
class TemplateExporter;

struct SlipPeriod {
    QDate from;
    QDate to;        // included
    QString docJus;  // empty: every document type
};

// "Perioada incorecta!" when the period ends before it starts.
std::optional<QString> CheckSlipPeriod(const SlipPeriod& period);

// One record per installment a payment touched, ordered by DATACHIT then NRCHIT, with the band's columns
// in the template's order: NUME, CNP, ROL, DOCJUS, NRCHIT, DATACHIT (day number), SUMA, PENAL.
ReportDataset LoadPaymentsSlip(Database& db, const SlipPeriod& period);

// Opens dataFolder/Incas.xls (refusing a missing one), writes the period into "#PERIOADA" and fills the band
// with `rows`; the caller saves the report.
void FillPaymentsSlip(TemplateExporter& exporter, const QString& dataFolder, const SlipPeriod& period,
                      const ReportDataset& rows);

// The slip of a checked period, saved as the next TEMP/RapN.xls and shown.
void PaymentsSlip(Database& db, TemplateExporter& exporter, const QString& dataFolder, const SlipPeriod& period);

}  // namespace velmar
