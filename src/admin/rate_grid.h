// One of the administration window's rate grids with its three edit steps: "Adauga", "Modifica" (also a
// double click) and "Sterge", each followed by reopening the grid on the row concerned.
#pragma once

#include "app/interaction.h"
#include "debt/debt_texts.h"
#include "widgets/grid_view.h"
#include "widgets/problem_balloon.h"
#include "widgets/rows_model.h"
#include "widgets/run_command.h"

#include <QHeaderView>
#include <QTableView>
#include <functional>
#include <optional>

namespace velmar {

template <class Row>
class RateGrid {
public:
    struct Editing {
        std::function<std::vector<Row>()> load;
        // Runs the dialog, adding when `changed` is null, and stores what it accepted: the row's identifier,
        // nothing when cancelled.
        std::function<std::optional<qint64>(const Row* changed)> edit;
        std::function<void(qint64 id)> remove;
        qint64 Row::*id;
        QString deleteCaption;
        QString deleteQuestion;
    };

    RateGrid(QTableView* grid, RowsModel<Row>* model, Interaction& ui, QString caption, Editing editing)
        : grid_(grid), model_(model), ui_(ui), caption_(std::move(caption)), editing_(std::move(editing))
    {
        setUpGrid(grid_, model_);
        std::vector<int> widthChars;
        for (const GridColumn<Row>& column : model_->columns())
            widthChars.push_back(column.widthChars);
        sizeColumns(grid_, widthChars);
        // A few narrow columns: they share the grid's width rather than leave an empty band beside them.
        grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    }

    void open() { reload(std::nullopt); }  // on its last row
    void close() { model_->setRows({}); }

    void add()
    {
        std::optional<qint64> id;
        if (command([&] { id = editing_.edit(nullptr); }) && id)
            reload(id);
    }

    void change()
    {
        const std::optional<Row> row = current();
        if (!row) {
            ShowProblem(debt_texts::kNothingToChange, grid_);
            return;
        }
        std::optional<qint64> id;
        command([&] { id = editing_.edit(&*row); });
        if (id)
            reload(id);
    }

    void remove()
    {
        const std::optional<Row> row = current();
        if (!row) {
            ShowProblem(debt_texts::kNothingToDelete, grid_);
            return;
        }
        if (ui_.Mesaj(editing_.deleteCaption, editing_.deleteQuestion, MessageButton::Yes | MessageButton::No,
                      MessageKind::Confirmation) != MessageResult::Yes)
            return;
        command([&] { editing_.remove((*row).*editing_.id); });
        reload(std::nullopt);
    }

private:
    bool command(const std::function<void()>& run) { return runCommand(ui_, caption_, run); }

    std::optional<Row> current() const
    {
        const int row = grid_->currentIndex().row();
        return row >= 0 && row < model_->rowCount() ? std::optional<Row>(model_->row(row)) : std::nullopt;
    }

    // The grid's rows again, on the row with that identifier, else on the last.
    void reload(std::optional<qint64> id)
    {
        command([&] { model_->setRows(editing_.load()); });
        const int found = id ? model_->rowWhere([&](const Row& row) { return row.*editing_.id == *id; }) : -1;
        makeRowCurrent(grid_, found >= 0 ? found : model_->rowCount() - 1);
    }

    QTableView* grid_;
    RowsModel<Row>* model_;
    Interaction& ui_;
    QString caption_;
    Editing editing_;
};

}  // namespace velmar
