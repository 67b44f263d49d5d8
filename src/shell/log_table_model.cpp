// The action log's grid model.
#include "shell/log_table_model.h"

#include "store/dates.h"

namespace velmar {

namespace {
enum Column { DateColumn, TimeColumn, ActionColumn, UserColumn, ColumnCount };
}

LogTableModel::LogTableModel(std::vector<LogEntry> entries, QObject* parent)
    : QAbstractTableModel(parent), entries_(std::move(entries))
{
}

int LogTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(entries_.size()); }

int LogTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant LogTableModel::data(const QModelIndex& index, int role) const
{
    const LogEntry& e = entries_[size_t(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() <= TimeColumn ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case DateColumn: return formatDate(e.date);
    case TimeColumn: return e.time;
    case ActionColumn: return e.action;
    default: return e.user;
    }
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList titles{QStringLiteral("Data"), QStringLiteral("Ora"), QStringLiteral("Actiunea"),
                                    QStringLiteral("Operator")};
    return titles.value(section);
}

}  // namespace velmar
