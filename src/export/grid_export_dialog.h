// The "Export Grila" dialog: the format (Excel preselected) and where the table goes, a file of the clerk's
// choosing or a file in TEMP shown at once; or the clipboard. Made once with the program.
#pragma once

#include "export/export_format.h"
#include "export/shown_table.h"
#include "widgets/fields_dialog.h"

#include <functional>
#include <memory>

namespace Ui {
class GridExportDialog;
}

namespace velmar {

class DocumentOpener;
class Interaction;

class GridExportDialog : public FieldsDialog {
    Q_OBJECT
public:
    // Asks where to save, proposing `suggested` (a full path); empty when the clerk gave up.
    using SavePathAsker = std::function<QString(QWidget* parent, const QString& suggested, const QString& filter)>;

    // "Numai vizualizare" writes into `viewFolder` and shows the file through `opener`.
    GridExportDialog(Interaction& ui, DocumentOpener& opener, QString viewFolder, QWidget* parent = nullptr);
    ~GridExportDialog() override;

    // Shows the dialog for `table` until the table is exported or the clerk gives up; true when exported.
    bool Execute(const ShownTable& table);

    // The standard save dialog unless replaced (the tests answer it themselves).
    void setSavePathAsker(SavePathAsker ask) { askSavePath_ = std::move(ask); }

    ExportFormat chosenFormat() const;

private:
    void exportTable();
    bool exportToChosenFile(ExportFormat format);
    void copyToClipboard();
    void formatChosen();

    std::unique_ptr<::Ui::GridExportDialog> ui_;
    Interaction& interaction_;
    DocumentOpener& opener_;
    QString viewFolder_;
    SavePathAsker askSavePath_;
    QString saveFolder_;  // where the last file was saved, proposed again
    const ShownTable* table_ = nullptr;
};

}  // namespace velmar
