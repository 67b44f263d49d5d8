// The administration window (TForm4, "Administrare program"): the unit's identity, the server and
// automatic-backup folders, the print templates, the administrator password and the two rate tables.
#pragma once

#include "admin/administration_settings.h"
#include "admin/print_templates.h"
#include "admin/rate_grid.h"
#include "debt/rate_list.h"
#include "widgets/fields_dialog.h"

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class AdministrationWindow;
}

namespace velmar {

class AppContext;
class DocumentOpener;
class InflationRateDialog;
class Interaction;
class PenaltyRateDialog;

class AdministrationWindow : public FieldsDialog {
    Q_OBJECT
public:
    // The system's folder picker, titled; nothing when cancelled.
    using FolderPicker = std::function<std::optional<QString>(const QString& title)>;
    // "Refa Modelul initial" once the template is chosen: the start-up's writing of the carried files.
    using ModelRestorer = std::function<void(PrintTemplate)>;

    AdministrationWindow(AppContext& app, Interaction& ui, DocumentOpener& opener, QWidget* parent = nullptr);
    ~AdministrationWindow() override;

    void setFolderPicker(FolderPicker pick) { pickFolder_ = std::move(pick); }
    void setModelRestorer(ModelRestorer restore) { restoreModel_ = std::move(restore); }

    // Fills the fields from what start-up read; the identity shown is the program's from now on.
    void LoadAdministrationSettings(const AdministrationSettings& settings);

    enum class Outcome { Closed, EndProgram };
    // Opens the window modally: password fields cleared, focus on the locality type, both grids on their
    // last row. EndProgram after a connection change, which takes effect at the next start.
    Outcome ShowAdministration();

private:
    void buildModelsMenu();
    void identityEdited();
    UnitIdentity shownIdentity() const;
    void MemoButClick();
    void MemoPass();
    void ModiCaleBClick();
    void DelCaleBClick();
    void ModiSaveBClick();
    void DelSaveBClick();
    void endProgram();

    RateGrid<PenaltyRateRow>::Editing penaltyEditing();
    RateGrid<InflationRateRow>::Editing inflationEditing();
    bool command(const std::function<void()>& run);

    std::unique_ptr<::Ui::AdministrationWindow> ui_;
    AppContext& app_;
    Interaction& interaction_;
    DocumentOpener& opener_;
    std::unique_ptr<PenaltyRateDialog> penaltyDialog_;
    std::unique_ptr<InflationRateDialog> inflationDialog_;
    std::optional<RateGrid<PenaltyRateRow>> penalties_;
    std::optional<RateGrid<InflationRateRow>> inflation_;
    FolderPicker pickFolder_;
    ModelRestorer restoreModel_;
    Outcome outcome_ = Outcome::Closed;
};

}  // namespace velmar
