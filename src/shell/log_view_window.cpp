// The history viewer.
#include "shell/log_view_window.h"

#include "widgets/grid_band_row.h"
#include "shell/log_table_model.h"
#include "ui_log_view_window.h"

#include <QHeaderView>

namespace velmar {

LogViewWindow::LogViewWindow(std::vector<LogEntry> entries, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<::Ui::LogViewWindow>())
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    auto* model = new LogTableModel(std::move(entries), this);
    ui_->Grid->setModel(model);
    QHeaderView* header = ui_->Grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->resizeSection(0, 90);
    header->resizeSection(1, 80);
    header->resizeSection(3, 150);
    header->setSectionResizeMode(2, QHeaderView::Stretch);  // "Actiunea", the widest
    ui_->Grid->verticalHeader()->hide();
    new GridBandRow(ui_->Band, ui_->Grid, {{QStringLiteral("Data si ora"), 0, 1}});
    connect(ui_->InchideBut, &QPushButton::clicked, this, &QDialog::accept);
    ui_->Grid->scrollToBottom();
}

LogViewWindow::~LogViewWindow() = default;

}  // namespace velmar
