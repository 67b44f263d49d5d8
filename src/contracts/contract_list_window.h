// The contract list (TEvidente), the register's working screen: search, sort and the commands on a contract.
#pragma once

#include "contracts/contract_list.h"
#include "contracts/contract_list_columns.h"
#include "contracts/contract_validation.h"
#include "export/shown_table.h"
#include "widgets/refresh_coalescer.h"
#include "widgets/rows_model.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class ContractListWindow;
}

namespace velmar {

class AppContext;
class ContractDialog;
class Interaction;
class TemplateExporter;

class ContractListWindow : public QDialog {
    Q_OBJECT
public:
    // Made once with the program; `dialog` is the contract dialog the add and modify commands open.
    ContractListWindow(AppContext& app, Interaction& ui, ContractDialog& dialog, QWidget* parent = nullptr);
    ~ContractListWindow() override;

    // Loads the list in its default order with the search lists refilled, makes the last row current and
    // returns once the window has closed. The list is held only while the window is shown.
    void open() override;

    // The exporter "Fisa de calcul" saves and shows the current contract's calculation sheet through; the
    // button stays disabled until then.
    void setReportExporter(TemplateExporter& exporter);
    // Commands other parts of the program provide; their buttons stay disabled until then. Each is handed
    // the current contract (the export, the grid as shown); the window answers an empty list itself.
    void setDetailsOpener(std::function<void(const ContractRow&)> show);
    void setGridExport(std::function<void(const ShownTable&)> exportGrid);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Filtru();
    void RefillFilterLists();
    ContractFilter filter() const;
    void reload(qint64 currentIdcon);
    void reloadRefilled(qint64 currentIdcon);
    void makeCurrent(qint64 idcon);
    int currentRow() const;  // -1 on an empty list
    void sortBy(int column);
    bool executeDialog(EditedContract edited);

    void addContract();
    void modifyContract();
    void deleteContract();
    void calculationSheet();
    void details();

    std::unique_ptr<::Ui::ContractListWindow> ui_;
    AppContext& app_;
    Interaction& interaction_;
    ContractDialog& dialog_;
    RowsModel<ContractRow>* model_;
    QString sortColumn_;  // empty: DATACON, NRCON
    RefreshCoalescer filtering_;
    TemplateExporter* exporter_ = nullptr;
    std::function<void(const ContractRow&)> showDetails_;
    std::function<void(const ShownTable&)> exportGrid_;
};

}  // namespace velmar
