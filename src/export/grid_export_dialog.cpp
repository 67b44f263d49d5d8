// The "Export Grila" dialog.
#include "export/grid_export_dialog.h"

#include "app/interaction.h"
#include "export/export_texts.h"
#include "export/table_export.h"
#include "ui_grid_export_dialog.h"
#include "widgets/run_command.h"
#include "widgets/window_placement.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>

namespace velmar {

namespace texts = export_texts;

namespace {

QString standardSaveDialog(QWidget* parent, const QString& suggested, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, texts::kDialogTitle, suggested, filter);
}

}  // namespace

GridExportDialog::GridExportDialog(Interaction& ui, DocumentOpener& opener, QString viewFolder, QWidget* parent)
    : FieldsDialog(parent),
      ui_(std::make_unique<::Ui::GridExportDialog>()),
      interaction_(ui),
      opener_(opener),
      viewFolder_(std::move(viewFolder)),
      askSavePath_(standardSaveDialog),
      saveFolder_(QDir::homePath())
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    for (const ExportFormatInfo& info : exportFormats())
        ui_->Format->addItem(info.label);
    connect(ui_->Format, &QListWidget::currentRowChanged, this, &GridExportDialog::formatChosen);
    connect(ui_->Format, &QListWidget::itemDoubleClicked, this, &GridExportDialog::exportTable);
    connect(ui_->ExportBut, &QPushButton::clicked, this, &GridExportDialog::exportTable);
    connect(ui_->RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
}

GridExportDialog::~GridExportDialog() = default;

bool GridExportDialog::Execute(const ShownTable& table)
{
    table_ = &table;
    ui_->Format->setCurrentRow(int(
        std::distance(exportFormats().begin(),
                      std::find_if(exportFormats().begin(), exportFormats().end(),
                                   [](const ExportFormatInfo& info) { return info.format == ExportFormat::Excel; }))));
    ui_->Format->setFocus();
    centreOnFirstShow(this);
    const bool exported = exec() == QDialog::Accepted;
    table_ = nullptr;
    return exported;
}

ExportFormat GridExportDialog::chosenFormat() const
{
    return exportFormats()[size_t(std::max(ui_->Format->currentRow(), 0))].format;
}

// The clipboard is no file: neither destination applies to it.
void GridExportDialog::formatChosen()
{
    const bool toFile = chosenFormat() != ExportFormat::Clipboard;
    ui_->InFisier->setEnabled(toFile);
    ui_->Vizualizare->setEnabled(toFile);
}

void GridExportDialog::exportTable()
{
    const ExportFormat format = chosenFormat();
    if (format == ExportFormat::Clipboard) {
        copyToClipboard();
        return;
    }
    if (ui_->InFisier->isChecked()) {
        if (exportToChosenFile(format))
            accept();
        return;
    }
    const bool shown = runCommand(interaction_, texts::kDialogTitle, [&] {
        ProgressScope working(interaction_.counter(), texts::kWorking);
        exportForViewing(*table_, format, viewFolder_, opener_);
    });
    if (shown)
        accept();
}

// A save dialog given up leaves this dialog open, as does a file that could not be written.
bool GridExportDialog::exportToChosenFile(ExportFormat format)
{
    const ExportFormatInfo& info = exportFormatInfo(format);
    const QString suggested = QDir(saveFolder_).filePath(suggestedFileName(table_->heading, table_->created, format));
    const QString chosen = askSavePath_(this, suggested, QStringLiteral("%1 (*.%2)").arg(info.label, info.extension));
    if (chosen.isEmpty())
        return false;
    const QString path = QFileInfo(chosen).suffix().isEmpty() ? chosen + u'.' + info.extension : chosen;
    const bool written = runCommand(interaction_, texts::kDialogTitle, [&] {
        ProgressScope working(interaction_.counter(), texts::kWorking);
        exportToFile(*table_, format, path);
    });
    if (written)
        saveFolder_ = QFileInfo(path).absolutePath();
    return written;
}

void GridExportDialog::copyToClipboard()
{
    const bool copied = runCommand(interaction_, texts::kDialogTitle, [&] {
        ProgressScope working(interaction_.counter(), texts::kWorking);
        const ClipboardContent content = clipboardContent(*table_);
        auto* data = new QMimeData;
        data->setText(content.text);
        data->setHtml(content.html);
        QApplication::clipboard()->setMimeData(data);
    });
    if (!copied)
        return;
    interaction_.Mesaj(texts::kDialogTitle, texts::kCopied, MessageButton::Ok, MessageKind::Information);
    accept();
}

}  // namespace velmar
