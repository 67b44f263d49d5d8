// Contract add, modify and delete.
#include "contracts/contract_operations.h"

#include "app/app_context.h"
#include "app/interaction.h"
#include "contracts/contract_input.h"
#include "contracts/contract_list.h"
#include "contracts/contract_texts.h"
#include "contracts/contract_validation.h"
#include "contracts/schedule.h"
#include "debt/indexation.h"
#include "store/action_log.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "store/sql/database.h"
#include "store/sql/transaction.h"
#include "store/store_error.h"
#include "store/table_schema.h"
#include "store/text_helpers.h"

#include <vector>

namespace velmar {

namespace {

namespace texts = contract_texts;

struct StoredColumn {
    QString name;
    QVariant value;
    bool installmentTerm;  // left as it is once the contract has payments
};

// The Contract columns the dialog decides, with the values that go into them.
std::vector<StoredColumn> storedColumns(const ContractInput& in)
{
    const auto day = [](QDate date) { return qint64(dayNumber(date)); };
    return {
        {QStringLiteral("NRCON"), qint64(NumericValue(in.nrCon)), false},
        {QStringLiteral("DATACON"), day(in.dataCon), false},
        {QStringLiteral("NRRATE"), NumericValue(in.nrRate), true},
        {QStringLiteral("DATARATA1"), day(in.dataRata1), true},
        {QStringLiteral("DATAPEN1"), day(in.dataPen1), true},
        {QStringLiteral("NUME"), in.nume, false},
        {QStringLiteral("ROL"), in.rol, false},
        {QStringLiteral("CNP"), in.cnp, false},
        {QStringLiteral("ADRESA"), in.adresa, false},
        {QStringLiteral("LOC"), in.loc, false},
        {QStringLiteral("JUD"), in.jud, false},
        {QStringLiteral("SUPRAFT"), NumericValue(in.suprafT), false},
        {QStringLiteral("RATA"), NumericValue(in.rata), true},
        {QStringLiteral("MONEDA"), in.moneda, true},
        {QStringLiteral("TIPRATA"), in.tipRata, true},
        {QStringLiteral("TIPPENAL"), in.tipPenal, true},
        {QStringLiteral("StopPen"), in.stopPenChecked ? day(in.stopPen) : qint64(kNoStopDay), false},
        {QStringLiteral("OBS"), CleanText(in.obs), false},
    };
}

bool hasPayments(Database& db, qint64 idcon)
{
    const QueryResult found = db.select(QStringLiteral("SELECT COUNT(*) FROM Chitante WHERE IDCON = ?"), {idcon});
    return found.rows.front().front().toLongLong() > 0;
}

void insertContract(Database& db, qint64 idcon, const ContractInput& input)
{
    const TableDef& contract = permanentTable(u"Contract");
    RowValues row(contract);
    row.set(u"IDCON", idcon).set(u"ACTIV", kActive);
    for (const StoredColumn& column : storedColumns(input))
        row.set(column.name, column.value);
    db.execute(contract.insertStatement(), row.values());
}

void updateContract(Database& db, qint64 idcon, const ContractInput& input, bool keepInstallmentTerms)
{
    QStringList assignments;
    QVariantList values;
    for (const StoredColumn& column : storedColumns(input)) {
        if (keepInstallmentTerms && column.installmentTerm)
            continue;
        assignments << column.name + QStringLiteral(" = ?");
        values << column.value;
    }
    values << idcon;
    const QString sql =
        QStringLiteral("UPDATE Contract SET %1 WHERE IDCON = ?").arg(assignments.join(QStringLiteral(", ")));
    if (db.execute(sql, values) == 0)
        throw StoreError(texts::noContract(idcon));
}

// The dialog checked the number before; checked again under the lock, because another workstation may
// have stored the same number and date meanwhile.
void refuseDuplicate(Database& db, const ContractInput& input, EditedContract edited)
{
    if (IsDuplicateNumber(db, input, edited))
        throw StoreError(texts::kDuplicateNumber);
}

void reindex(AppContext& app, qint64 idcon, ProgressCounter& counter)
{
    ReindexInstallments(app.db(), app.rates(), idcon, counter);
}

}  // namespace

qint64 AddContract(AppContext& app, const ContractInput& input, ProgressCounter& counter)
{
    Database& db = app.db();
    Transaction transaction(db);
    refuseDuplicate(db, input, kNewContract);
    const qint64 idcon = app.ids().NextId(QStringLiteral("IDCON"));
    WriteLog(db, app.ids(), app.userText(),
             texts::logText(texts::kAddedLog, input.nrCon, formatDate(input.dataCon), input.nume));
    insertContract(db, idcon, input);
    GenerateSchedule(db, app.ids(), idcon, input);
    reindex(app, idcon, counter);
    transaction.commit();
    return idcon;
}

bool ModifyContract(AppContext& app, qint64 idcon, const ContractInput& input, Interaction& ui,
                    ProgressCounter& counter)
{
    Database& db = app.db();
    if (!FindContract(db, idcon))
        throw StoreError(texts::noContract(idcon));
    if (hasPayments(db, idcon) &&
        ui.Mesaj(texts::kModifyCaption, texts::kPaymentsWarning, MessageButton::Yes | MessageButton::No,
                 MessageKind::Warning) != MessageResult::Yes)
        return false;
    {
        Transaction transaction(db);
        // Asked again under the lock: a payment another workstation recorded while the question was open
        // must keep the installments it was credited to.
        const bool paid = hasPayments(db, idcon);
        refuseDuplicate(db, input, idcon);
        updateContract(db, idcon, input, paid);
        if (!paid) {
            db.execute(QStringLiteral("DELETE FROM Rate WHERE IDCON = ?"), {idcon});
            GenerateSchedule(db, app.ids(), idcon, input);
        }
        reindex(app, idcon, counter);
        transaction.commit();
    }
    ui.Mesaj(texts::kModifyCaption, texts::kModified, MessageButton::Ok, MessageKind::Information);
    return true;
}

void DeleteContract(AppContext& app, qint64 idcon)
{
    Database& db = app.db();
    Transaction transaction(db);
    const std::optional<ContractRow> contract = FindContract(db, idcon);
    if (!contract)
        throw StoreError(texts::noContract(idcon));
    WriteLog(db, app.ids(), app.userText(),
             texts::logText(texts::kDeletedLog, QString::number(contract->nrcon),
                            formatDate(dateFromDayNumber(contract->datacon)), contract->nume));
    // The payments' snapshots go with them: nothing could reach them afterwards.
    for (const char* table : {"Contract", "Rate", "Chitante", "UndoRate"})
        db.execute(QStringLiteral("DELETE FROM %1 WHERE IDCON = ?").arg(QLatin1String(table)), {idcon});
    transaction.commit();
}

}  // namespace velmar
