// The contract list: every contract that has installments, with what remains to be paid of its whole
// indexed schedule (RESTANTA), and the narrowing and distinct-value lists of its search panel.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace velmar {

class Database;

// ACTIV of every contract the program stores; nothing changes it later.
inline const QString kActive = QStringLiteral("DA");

struct ContractRow {
    qint64 idcon = 0;
    qint64 nrcon = 0;
    qint64 datacon = 0;  // day numbers here and below
    qint64 nrrate = 0;
    QString activ;
    QString nume;
    QString rol;
    QString cnp;
    QString adresa;
    QString loc;
    QString jud;
    double supraft = 0;
    qint64 rata = 0;
    QString moneda;
    QString tiprata;
    qint64 datarata1 = 0;
    qint64 datapen1 = 0;
    qint64 tippenal = 0;
    qint64 stopPen = 0;
    QString obs;
    qint64 restanta = 0;  // sum of RATACALC - ACHITAT over every installment, due or not
};

// The list in DATACON, NRCON order, or ascending by `sortColumn` (a Contract column; RESTANTA is not
// sortable). Contracts without installment rows are left out. Blank numbers read as 0.
std::vector<ContractRow> LoadContractList(Database& db, const QString& sortColumn = {});

// One contract with its RESTANTA (0 without installments), whether or not the list would show it.
std::optional<ContractRow> FindContract(Database& db, qint64 idcon);

// The search panel's narrowing, applied to the loaded rows without running the query again.
// An empty name or ROL stands for "* indiferent *".
struct ContractFilter {
    QString nume;
    QString rol;
    bool onlyActive = false;

    bool accepts(const ContractRow& row) const;
};

// The search panel's lists: the distinct values of NUME or ROL over every contract, ascending, leaving out
// those that are blank; each value as stored.
enum class SearchColumn { Nume, Rol };
QStringList DistinctContractValues(Database& db, SearchColumn column);

// StopPen as the list shows it: "-" for a contract whose penalties are never stopped.
QString stopPenText(qint64 stopPen);

}  // namespace velmar
