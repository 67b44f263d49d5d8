// The calculation-sheet tests' folder.
#include "sheet_fixture.h"

#include "debt/sheet_csv.h"
#include "store/dates.h"
#include "store/sql/database.h"

namespace velmar::test {

namespace {
QVariant dayOrBlank(const char* text) { return text ? QVariant(dayOf(QString::fromLatin1(text))) : QVariant(); }
}  // namespace

qint64 dayOf(const QString& text) { return dayNumber(*parseDate(text)); }

SheetFixture::SheetFixture() { clearRates(); }

void SheetFixture::clearRates()
{
    db().execute("DELETE FROM PenalIst");
    db().execute("DELETE FROM Inflatie");
}

void SheetFixture::penaltyRate(const char* date, double perDay, double perMonth)
{
    db().execute("INSERT INTO PenalIst (IDP, DATASTAB, PEZI, PELUNA) VALUES (?, ?, ?, ?)",
                 {nextRateId_++, dayOrBlank(date), perDay, perMonth});
}

void SheetFixture::inflationRate(const char* date, double value)
{
    db().execute("INSERT INTO Inflatie (IDINF, DATASTAB, VALOARE) VALUES (?, ?, ?)",
                 {nextRateId_++, dayOrBlank(date), value});
}

qint64 SheetFixture::contract(const char* datapen1, qint64 nrrate, const char* stopPen)
{
    const qint64 idcon = nextIdcon_++;
    db().execute(
        "INSERT INTO Contract (IDCON, NRCON, DATACON, NRRATE, ACTIV, NUME, RATA, MONEDA, DATAPEN1, StopPen) "
        "VALUES (?, 12, ?, ?, 'DA', 'Popescu Ion', 1500, 'LEI', ?, ?)",
        {idcon, dayOf("15.03.2013"), nrrate, dayOrBlank(datapen1), stopPen ? dayOrBlank(stopPen) : QVariant(99999)});
    return idcon;
}

qint64 SheetFixture::installment(qint64 idcon, qint64 nrrata, const char* datarata, const char* datapen,
                                 qint64 ratacalc)
{
    const qint64 idrata = nextIdrata_++;
    db().execute(
        "INSERT INTO Rate (IDCON, IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, RATACALC, ACHITAT, PENALREST) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, 0)",
        {idcon, idrata, nrrata, dayOrBlank(datarata), dayOrBlank(datapen), dayOrBlank(datapen), ratacalc, ratacalc});
    return idrata;
}

void SheetFixture::payment(qint64 idcon, qint64 idchit, qint64 idrata, qint64 nrchit, const char* date, qint64 suma,
                           qint64 penal, const QString& docjus)
{
    db().execute("INSERT INTO Chitante (IDCHIT, IDCON, IDRATA, DOCJUS, DATACHIT, NRCHIT, SUMA, PENAL) "
                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                 {idchit, idcon, idrata, docjus, dayOrBlank(date), nrchit, suma, penal});
}

CalculationSheet SheetFixture::sheet(qint64 idcon, const char* today)
{
    ProgressScope progress(counter, QStringLiteral("Calculez Contractul..."));
    return BuildCalculationSheet(db(), app().rates(), idcon, dayOf(QString::fromLatin1(today)), progress);
}

QString SheetFixture::sheetCsv(qint64 idcon, const char* today)
{
    const QString text = SheetCsv(sheet(idcon, today).ledger);
    return text.mid(text.indexOf(u'\n') + 1);
}

}  // namespace velmar::test
