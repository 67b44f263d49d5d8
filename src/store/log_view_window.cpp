// The history viewer.
#include "store/log_view_window.h"

#include "store/log_table_model.h"
#include "ui_log_view_window.h"

#include <QHeaderView>
#include <QScrollBar>

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
    connect(header, &QHeaderView::sectionResized, this, &LogViewWindow::placeBandHeading);
    connect(ui_->InchideBut, &QPushButton::clicked, this, &QDialog::accept);
    ui_->Grid->scrollToBottom();
}

LogViewWindow::~LogViewWindow() = default;

// "Data si ora" heads the first two columns together, in a band just above their titles.
void LogViewWindow::placeBandHeading()
{
    const QHeaderView* header = ui_->Grid->horizontalHeader();
    const int left = ui_->Grid->frameWidth();
    ui_->DataSiOraL->setGeometry(left, 0, header->sectionSize(0) + header->sectionSize(1), ui_->Band->height());
}

void LogViewWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeBandHeading();
}

void LogViewWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeBandHeading();
}

}  // namespace velmar
