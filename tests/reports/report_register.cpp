// The reports' hand-made register.
#include "report_register.h"

#include "store/dates.h"
#include "store/sql/database.h"

namespace velmar::test {

namespace {

QString text(const char* value) { return QString::fromUtf8(value); }

}  // namespace

qint64 dayOf(const char* value) { return dayNumber(*parseDate(text(value))); }

ReportRegister::ReportRegister(const QString& today) : folder_(today)
{
    db().execute("DELETE FROM Inflatie");
    db().execute("DELETE FROM PenalIst");
    db().execute("INSERT INTO PenalIst (IDP, DATASTAB, PEZI, PELUNA) VALUES (1, ?, 0.1, 0)", {dayOf("01.01.2000")});
}

void ReportRegister::contract(const ContractRowSpec& c)
{
    db().execute("INSERT INTO Contract (IDCON, NRCON, NUME, CNP, ROL, StopPen, ACTIV) VALUES (?, ?, ?, ?, ?, ?, ?)",
                 {c.idcon, c.idcon, text(c.nume), text(c.cnp), text(c.rol),
                  c.stopPen ? dayOf(c.stopPen) : qint64(kNoStopDay), text(c.activ)});
}

qint64 ReportRegister::installment(const InstallmentRowSpec& i)
{
    const qint64 idrata = nextRate_++;
    db().execute("INSERT INTO Rate (IDCON, IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, RATACALC, ACHITAT, "
                 "PENALREST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                 {i.idcon, idrata, idrata, dayOf(i.datarata), dayOf(i.datapen), dayOf(i.ultima), i.ratacalc, i.ratacalc,
                  i.achitat, i.penalrest});
    return idrata;
}

void ReportRegister::payment(const PaymentRowSpec& p)
{
    const qint64 idchit = p.idchit ? p.idchit : 1000 + nextPayment_++;
    db().execute("INSERT INTO Chitante (IDCHIT, IDCON, IDRATA, DOCJUS, DATACHIT, NRCHIT, SUMA, PENAL) "
                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                 {idchit, p.idcon, p.idrata, text(p.docjus), dayOf(p.datachit), p.nrchit, p.suma, p.penal});
}

}  // namespace velmar::test
