// Report fixtures.
#include "report_samples.h"

#include "support/temp_folder.h"

namespace velmar::test {

QString writeTemplate(const TempFolder& folder, xls::CarriedTemplate which, const QString& fileName)
{
    const QString path = folder.file(fileName);
    writeBytes(path, xls::BuildCarriedTemplate(which));
    return path;
}

ReportDataset debtRecords()
{
    ReportDataset data;
    data.columns = {{"NUME", true},    {"CNP", true},       {"ROL", true},      {"DATAPEN", false},
                    {"CURENT", false}, {"RESTANTA", false}, {"PENTOTAL", false}};
    data.rows = {
        {"Popescu Ion", "1800101221144", "R12", 45352, 1500, 200, 35},
        {"Ionescu, Maria", "2750315120016", "R7", 45383, 0, 820, 0},
        {QStringLiteral("Ţăran Ştefan"), "1650720400123", "", 45000, 300, 0, 12},
    };
    return data;
}

ReportDataset paymentRecords()
{
    ReportDataset data;
    data.columns = {{"NUME", true},    {"CNP", true},       {"ROL", true},   {"DOCJUS", true},
                    {"NRCHIT", false}, {"DATACHIT", false}, {"SUMA", false}, {"PENAL", false}};
    data.rows = {
        {"Popescu Ion", "1800101221144", "R12", "Chitanta", 101, 45352, 1000, 35},
        {"Ionescu Maria", "2750315120016", "R7", "Ordin de plata", 102, 45360, 820, 0},
    };
    return data;
}

}  // namespace velmar::test
