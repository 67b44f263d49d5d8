// The action log's rows for a grid: "Data", "Ora", "Actiunea", "Operator".
#pragma once

#include "store/action_log.h"

#include <QAbstractTableModel>

namespace velmar {

class LogTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LogTableModel(std::vector<LogEntry> entries, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<LogEntry> entries_;
};

}  // namespace velmar
