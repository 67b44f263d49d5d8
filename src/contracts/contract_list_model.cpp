// The contract list's grid model.
#include "contracts/contract_list_model.h"

#include "contracts/contract_window_texts.h"
#include "store/dates.h"
#include "store/rounding.h"

#include <QColor>
#include <QFont>

namespace velmar {

namespace {

namespace texts = contract_window_texts;

using Row = const ContractRow&;
using RowText = QString (*)(Row);

struct Column {
    QString band;            // empty: under no band
    QString title;
    const char* sortColumn;  // the Contract column a click on the title orders by; none: it does not sort
    int widthChars;
    Qt::Alignment alignment;
    RowText text;
    bool highlighted = false;  // bold red, what the clerk looks for first
};

constexpr Qt::Alignment kNumber = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kText = Qt::AlignLeft | Qt::AlignVCenter;

QString day(qint64 dayNumber) { return DayToText(double(dayNumber)); }
QString number(qint64 value) { return QString::number(value); }

const std::vector<Column>& columns()
{
    const QString& contract = texts::kContractBand;
    const QString& holder = texts::kHolderBand;
    // Date columns show their text and sort by the day number behind it.
    static const std::vector<Column> list{
        {contract, texts::kNumberTitle, "NRCON", 6, kNumber, [](Row r) { return number(r.nrcon); }},
        {contract, texts::kDateTitle, "DATACON", 10, kCentred, [](Row r) { return day(r.datacon); }},
        {contract, texts::kDurationTitle, "NRRATE", 3, kNumber, [](Row r) { return number(r.nrrate); }},
        {contract, texts::kOutstandingTitle, nullptr, 8, kNumber, [](Row r) { return number(r.restanta); }, true},
        {contract, texts::kActiveTitle, "ACTIV", 2, kCentred, [](Row r) { return r.activ; }},
        {holder, texts::kNameTitle, "NUME", 24, kText, [](Row r) { return r.nume; }},
        {holder, texts::kRolTitle, "ROL", 9, kText, [](Row r) { return r.rol; }},
        {holder, texts::kCodeTitle, "CNP", 13, kText, [](Row r) { return r.cnp; }},
        {holder, texts::kAddressTitle, "ADRESA", 26, kText, [](Row r) { return r.adresa; }},
        {holder, texts::kLocalityTitle, "LOC", 16, kText, [](Row r) { return r.loc; }},
        {holder, texts::kCountyTitle, "JUD", 11, kText, [](Row r) { return r.jud; }},
        {{}, texts::kSurfaceTitle, "SUPRAFT", 8, kNumber, [](Row r) { return formatNumber(r.supraft); }},
        {{}, texts::kInstallmentTitle, "RATA", 7, kNumber, [](Row r) { return number(r.rata); }},
        {{}, texts::kCurrencyTitle, "MONEDA", 3, kCentred, [](Row r) { return r.moneda; }},
        {{}, texts::kFirstInstallmentTitle, "DATARATA1", 10, kCentred, [](Row r) { return day(r.datarata1); }},
        {{}, texts::kStopPenaltiesTitle, "StopPen", 10, kCentred, [](Row r) { return stopPenText(r.stopPen); }},
    };
    return list;
}

}  // namespace

ContractListModel::ContractListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ContractListModel::setRows(std::vector<ContractRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    applyFilter();
    endResetModel();
}

void ContractListModel::setFilter(const ContractFilter& filter)
{
    beginResetModel();
    filter_ = filter;
    applyFilter();
    endResetModel();
}

void ContractListModel::applyFilter()
{
    shown_.clear();
    shown_.reserve(rows_.size());
    for (size_t i = 0; i < rows_.size(); ++i)
        if (filter_.accepts(rows_[i]))
            shown_.push_back(int(i));
}

int ContractListModel::rowOf(qint64 idcon) const
{
    for (size_t i = 0; i < shown_.size(); ++i)
        if (rows_[size_t(shown_[i])].idcon == idcon)
            return int(i);
    return -1;
}

QString ContractListModel::sortColumn(int column) { return QString::fromLatin1(columns()[size_t(column)].sortColumn); }

int ContractListModel::widthChars(int column) { return columns()[size_t(column)].widthChars; }

const std::vector<ContractListModel::Band>& ContractListModel::bands()
{
    static const std::vector<Band> list = [] {
        std::vector<QString> bandOfColumn;
        for (const auto& column : columns())
            bandOfColumn.push_back(column.band);
        return bandRuns(bandOfColumn);
    }();
    return list;
}

int ContractListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(shown_.size()); }

int ContractListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns().size());
}

QVariant ContractListModel::data(const QModelIndex& index, int role) const
{
    const Column& column = columns()[size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole: return column.text(row(index.row()));
    case Qt::TextAlignmentRole: return int(column.alignment);
    case Qt::ForegroundRole: return column.highlighted ? QVariant(QColor(Qt::red)) : QVariant();
    case Qt::FontRole:
        if (column.highlighted) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default: return {};
    }
}

QVariant ContractListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return columns()[size_t(section)].title;
}

}  // namespace velmar
