// Contracts, their schedules and their payments.
#include "bench/register_generator.h"

#include "bench/holder.h"
#include "bench/name_lists.h"
#include "bench/random.h"
#include "bench/row_builder.h"
#include "store/dates.h"

#include <algorithm>

namespace velmar::bench {

namespace {

struct Installment {
    QDate due;
    QDate penaltyFrom;
    std::int64_t paid = 0;
};

struct Payment {
    size_t installment = 0;
    QDate day;
    std::int64_t amount = 0;
    std::int64_t penalty = 0;
};

struct Contract {
    std::int64_t id = 0;
    std::int64_t number = 0;  // restarts every year, so no two contracts of one day share it
    QDate signedOn;
    std::int64_t rata = 0;
    std::vector<Installment> schedule;
};

Cell whole(std::int64_t value) { return value; }
Cell day(QDate date) { return std::int64_t(dayNumber(date)); }

std::vector<QDate> signingDates(Random& random, int count)
{
    const QDate first(2000, 1, 1);
    const qint64 span = first.daysTo(QDate(2020, 12, 31));
    std::vector<QDate> dates;
    dates.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        dates.push_back(first.addDays(random.between(0, span)));
    std::sort(dates.begin(), dates.end());
    return dates;
}

// Both first dates keep to days 1..28: AddMonths then moves them by whole years exactly, and every
// installment's penalty date stays after its due date.
QDate firstDueDate(Random& random, QDate signedOn)
{
    const QDate due = signedOn.addDays(random.between(0, 90));
    return due.day() > 28 ? QDate(due.year(), due.month(), 28) : due;
}

QDate firstPenaltyDate(Random& random, QDate due)
{
    const QDate from = due.addDays(random.between(1, 45));
    return from.day() > 28 ? QDate(from.year(), from.month(), 1).addMonths(1) : from;
}

std::vector<Installment> schedule(Random& random, QDate signedOn, int count)
{
    const QDate due = firstDueDate(random, signedOn);
    const QDate penaltyFrom = firstPenaltyDate(random, due);
    std::vector<Installment> installments(static_cast<size_t>(count));
    for (int n = 0; n < count; ++n)
        installments[size_t(n)] = {AddMonths(due, 12 * n), AddMonths(penaltyFrom, 12 * n), 0};
    return installments;
}

// Paid amounts on the installments are the sums of their payment rows, as in a register the program wrote.
// Payments go to installments already due (the first one always is: it falls within 90 days of
// signing). One that lands on a settled installment pays the oldest one still owed, or only penalty.
std::vector<Payment> payments(Random& random, Contract& contract, int count)
{
    auto& installments = contract.schedule;
    const size_t due = size_t(std::count_if(installments.begin(), installments.end(),
                                            [](const Installment& i) { return i.due <= registerDate(); }));
    std::vector<Payment> made;
    for (int k = 0; k < count; ++k) {
        size_t n = size_t(random.between(0, std::int64_t(due) - 1));
        if (installments[n].paid == contract.rata) {
            const auto dueEnd = installments.begin() + std::ptrdiff_t(due);
            const auto owed = std::find_if(installments.begin(), dueEnd,
                                           [&](const Installment& i) { return i.paid < contract.rata; });
            n = owed == dueEnd ? n : size_t(owed - installments.begin());
        }
        Installment& target = installments[n];
        const std::int64_t owed = contract.rata - target.paid;
        const std::int64_t amount = owed == 0 ? 0 : random.percent(60) ? owed : random.between(1, owed);
        const std::int64_t penalty = amount == 0 || random.percent(30) ? random.between(1, contract.rata / 10 + 1) : 0;
        target.paid += amount;
        const QDate day = std::clamp(target.due.addDays(random.between(-30, 400)), contract.signedOn, registerDate());
        made.push_back({n, day, amount, penalty});
    }
    std::stable_sort(made.begin(), made.end(), [](const Payment& a, const Payment& b) { return a.day < b.day; });
    return made;
}

void fillContract(RowBuilder& row, Random& random, const Contract& contract)
{
    const Holder holder = makeHolder(random);
    const auto& first = contract.schedule.front();
    row.set("IDCON", whole(contract.id))
        .set("NRCON", whole(contract.number))
        .set("DATACON", day(contract.signedOn))
        .set("NRRATE", whole(std::int64_t(contract.schedule.size())))
        .set("ACTIV", std::string("DA"))
        .set("NUME", holder.name)
        .set("ROL", holder.taxRoll)
        .set("CNP", holder.code)
        .set("ADRESA", holder.address)
        .set("LOC", holder.locality)
        .set("JUD", holder.county)
        .set("SUPRAFT", double(random.between(100000, 50000000)) / 10000.0)
        .set("RATA", whole(contract.rata))
        .set("MONEDA", std::string("LEI"))
        .set("TIPRATA", std::string("AN"))
        .set("DATARATA1", day(first.due))
        .set("DATAPEN1", day(first.penaltyFrom))
        .set("TIPPENAL", whole(0))
        .set("StopPen", whole(kNoStopDay))
        .set("OBS", random.percent(12) ? std::string(random.pick(remarks())) : std::string());
}

void fillInstallment(RowBuilder& row, Random& random, const Contract& contract, size_t n, std::int64_t id)
{
    const Installment& installment = contract.schedule[n];
    const bool overdue = installment.penaltyFrom <= registerDate() && installment.paid < contract.rata;
    row.set("IDCON", whole(contract.id))
        .set("IDRATA", whole(id))
        .set("NRRATA", whole(std::int64_t(n) + 1))
        .set("DATARATA", day(installment.due))
        .set("DATAPEN", day(installment.penaltyFrom))
        .set("ULTIMA", day(installment.penaltyFrom))
        .set("RATAINI", whole(contract.rata))
        .set("RATACALC", whole(contract.rata))
        .set("ACHITAT", whole(installment.paid))
        .set("PENALREST", whole(overdue && random.percent(5) ? random.between(1, contract.rata / 10 + 1) : 0));
}

struct Document {
    const char* kind;
    std::int64_t number;
};

// Receipts take the office's running receipt number; bank orders and accounting notes carry the
// payer's or the accountant's own numbering.
Document document(Random& random, std::int64_t& lastReceipt)
{
    const int kind = int(random.between(0, 99));
    if (kind < 70)
        return {"Chitanta", ++lastReceipt};
    if (kind < 95)
        return {"Ordin de plata", random.between(1, 9999)};
    return {"Nota contabila", random.between(1, 999)};
}

}  // namespace

QDate registerDate() { return QDate(2021, 12, 31); }

void generateRegister(const RegisterSize& size, const RowSink& sink)
{
    Random random(size.seed);
    RowBuilder contractRow(permanentTable(u"Contract"));
    RowBuilder rateRow(permanentTable(u"Rate"));
    RowBuilder paymentRow(permanentTable(u"Chitante"));
    const auto send = [&sink](RowBuilder& row) { sink(row.table(), row.take()); };

    const std::vector<QDate> dates = signingDates(random, size.contracts);
    std::int64_t lastRata = 0;
    std::int64_t lastChit = 0;
    std::int64_t lastReceipt = 0;
    Contract contract;
    for (int c = 0; c < size.contracts; ++c) {
        const QDate signedOn = dates[size_t(c)];
        contract.number = contract.signedOn.year() == signedOn.year() ? contract.number + 1 : 1;
        contract.id = c + 1;
        contract.signedOn = signedOn;
        contract.rata = random.between(5, 2500) * 10;
        contract.schedule = schedule(random, signedOn, size.installmentsPerContract);
        // An even share of the payments per contract, so the total is exactly the one asked for.
        const std::int64_t share =
            std::int64_t(size.payments) * (c + 1) / size.contracts - std::int64_t(size.payments) * c / size.contracts;
        const std::vector<Payment> made = payments(random, contract, int(share));

        fillContract(contractRow, random, contract);
        send(contractRow);
        const std::int64_t firstRata = lastRata + 1;
        for (size_t n = 0; n < contract.schedule.size(); ++n) {
            fillInstallment(rateRow, random, contract, n, ++lastRata);
            send(rateRow);
        }
        for (const Payment& p : made) {
            const Document doc = document(random, lastReceipt);
            paymentRow.set("IDCHIT", whole(++lastChit))
                .set("IDCON", whole(contract.id))
                .set("IDRATA", whole(firstRata + std::int64_t(p.installment)))
                .set("DOCJUS", std::string(doc.kind))
                .set("DATACHIT", day(p.day))
                .set("NRCHIT", whole(doc.number))
                .set("SUMA", whole(p.amount))
                .set("PENAL", whole(p.penalty));
            send(paymentRow);
        }
    }
}

}  // namespace velmar::bench
