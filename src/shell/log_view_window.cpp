// The history viewer.
#include "shell/log_view_window.h"

#include "store/dates.h"
#include "ui_log_view_window.h"
#include "widgets/grid_view.h"

#include <QHeaderView>

namespace velmar {

namespace {

enum LogColumn { DateColumn, TimeColumn, ActionColumn, UserColumn };

const RowsModel<LogEntry>::Columns& logColumns()
{
    using R = const LogEntry&;
    const QString dateAndTime = QStringLiteral("Data si ora");
    static const RowsModel<LogEntry>::Columns list{
        {dateAndTime, QStringLiteral("Data"), 10, kCentredAlignment, [](R e) { return formatDate(e.date); }},
        {dateAndTime, QStringLiteral("Ora"), 8, kCentredAlignment, [](R e) { return e.time; }},
        {{}, QStringLiteral("Actiunea"), 40, kTextAlignment, [](R e) { return e.action; }},
        {{}, QStringLiteral("Operator"), 16, kTextAlignment, [](R e) { return e.user; }},
    };
    return list;
}

}  // namespace

LogViewWindow::LogViewWindow(std::vector<LogEntry> entries, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<::Ui::LogViewWindow>())
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    auto* model = new RowsModel<LogEntry>(logColumns(), this);
    model->setRows(std::move(entries));
    showInGrid(ui_->Grid, ui_->Band, model);
    ui_->Grid->horizontalHeader()->setSectionResizeMode(ActionColumn, QHeaderView::Stretch);  // the widest
    connect(ui_->InchideBut, &QPushButton::clicked, this, &QDialog::accept);
    ui_->Grid->scrollToBottom();
}

LogViewWindow::~LogViewWindow() = default;

}  // namespace velmar
