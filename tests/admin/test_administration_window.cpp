// The administration window and the two rate dialogs, driven from timers as a clerk drives them, on a screen
// of 1366x768.
#include "admin/administration_window.h"
#include "admin/password_code.h"
#include "app/app_context.h"
#include "app/interaction.h"
#include "app/rate_tables.h"
#include "contracts/contract_input.h"
#include "debt_fixture.h"
#include "payment_fixture.h"
#include "payments/receipt.h"
#include "payments/rtf_replace.h"
#include "session/template_restore.h"
#include "store/dates.h"
#include "store/settings.h"
#include "store/sql/csv_format.h"
#include "support/recording_opener.h"
#include "support/screenshots.h"
#include "support/temp_folder.h"
#include "widgets/grid_view.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace velmar {

namespace {

QDate day(const char* text) { return *parseDate(QString::fromLatin1(text)); }

QString balloonText(QWidget* window)
{
    for (QWidget* balloon : window->findChildren<QWidget*>(QStringLiteral("ProblemBalloon")))
        if (balloon->isVisible())
            return balloon->findChild<QLabel*>(QStringLiteral("ProblemText"))->text();
    return {};
}

QStringList rowsOf(QTableView* view)
{
    QStringList rows;
    for (int r = 0; r < view->model()->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < view->model()->columnCount(); ++c)
            cells << view->model()->index(r, c).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

QString currentRowOf(QTableView* view)
{
    const int row = view->currentIndex().row();
    return row < 0 ? QString() : rowsOf(view).value(row);
}

QStringList titlesOf(QTableView* view)
{
    QStringList titles;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        titles << view->model()->headerData(c, Qt::Horizontal).toString();
    return titles;
}

QStringList items(QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QStringList texts(const ScriptedInteraction& ui)
{
    QStringList shown;
    for (const auto& message : ui.shown())
        shown << message.caption + u'|' + message.text;
    return shown;
}

// Runs `act` on the dialog that the next click opens.
void inNextDialog(const std::function<void(QDialog*)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

template <class T>
T* child(QWidget* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Every label and button of the window shows its whole text.
QStringList clipped(QWidget* window)
{
    QStringList cut;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty() && label->objectName() != "CaleServer" &&
            label->objectName() != "CaleSalvari" && label->width() < label->sizeHint().width())
            cut << label->objectName();
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible() && button->width() < button->sizeHint().width())
            cut << button->objectName();
    for (QGroupBox* group : window->findChildren<QGroupBox*>())
        if (group->isVisible() && group->width() < group->minimumSizeHint().width())
            cut << group->objectName();
    return cut;
}

}  // namespace

class AdministrationWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::DebtFixture> fixture_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<test::RecordingOpener> opener_;
    std::unique_ptr<AdministrationWindow> window_;
    std::deque<std::optional<QString>> picked_;  // what the folder picker returns, in turn
    QStringList pickerTitles_;

    AppContext& app() { return fixture_->app(); }
    QTableView* grid(const char* name) { return child<QTableView>(window_.get(), name); }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(window_.get(), name); }
    QLabel* label(const char* name) { return child<QLabel>(window_.get(), name); }
    QComboBox* combo(const char* name) { return child<QComboBox>(window_.get(), name); }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(window_.get(), name), Qt::LeftButton); }

    void makeWindow(AppContext& app)
    {
        window_ = std::make_unique<AdministrationWindow>(app, *ui_, *opener_);
        window_->setFolderPicker([this](const QString& title) {
            pickerTitles_ << title;
            std::optional<QString> next;
            if (!picked_.empty()) {
                next = picked_.front();
                picked_.pop_front();
            }
            return next;
        });
        window_->setModelRestorer([this, &app](PrintTemplate model) { RestoreInitialModel(app, *ui_, model); });
        window_->LoadAdministrationSettings(LoadAdministrationSettings(app));
    }

    AdministrationWindow::Outcome whileOpen(const std::function<void()>& act)
    {
        QTimer::singleShot(0, window_.get(), [this, act] {
            QVERIFY(QApplication::activeModalWidget() == window_.get());
            act();
            if (window_->isVisible())
                window_->reject();
        });
        return window_->ShowAdministration();
    }

    QString table(const char* sql) { return toCsv(app().db().select(QString::fromLatin1(sql))); }

private slots:
    void init()
    {
        qputenv("VELMAR_TODAY", "10.12.2026");
        fixture_ = std::make_unique<test::DebtFixture>();
        app().settings().WriteMachineSetting("CALESALVARI", "/media/stick/Salvari_Velmar");
        app().settings().WriteSetting("CONST", "TIPLOC", "0");
        app().settings().WriteSetting("CONST", "JUDET", "12");
        app().settings().WriteSetting("CONST", "COMUNA", "CIUREA");
        ui_ = std::make_unique<ScriptedInteraction>();
        opener_ = std::make_unique<test::RecordingOpener>();
        picked_.clear();
        pickerTitles_.clear();
        makeWindow(app());
    }

    void cleanup()
    {
        window_.reset();
        fixture_.reset();
    }

    void showsEveryGroupTidilyWithBothGridsOnTheirLastRow()
    {
        edit("Edit1")->setText("left over");
        whileOpen([this] {
            QCOMPARE(window_->windowTitle(), QString("Administrare program"));
            QCOMPARE(items(combo("TipLocC")), (QStringList{"COMUNA", "ORASUL", "MUNICIPIUL"}));
            QCOMPARE(combo("JudetC")->count(), 42);
            QCOMPARE(combo("JudetC")->itemText(5), QString("BISTRITA-NASAUD"));
            QCOMPARE(combo("JudetC")->itemText(41), QString("BUCURESTI"));
            QCOMPARE(combo("JudetC")->currentText(), QString("CLUJ"));
            QCOMPARE(edit("ComunaE")->text(), QString("CIUREA"));
            QCOMPARE(label("CaleServer")->text(), QString("-"));
            QCOMPARE(label("CaleSalvari")->text(), QString("/media/stick/Salvari_Velmar"));
            QCOMPARE(child<QToolButton>(window_.get(), "ModiCaleB")->toolTip(), QString("Modificare cale server."));
            QCOMPARE(child<QToolButton>(window_.get(), "DelCaleB")->toolTip(),
                     QString("Stergere cale server. Lucru local."));
            QCOMPARE(child<QToolButton>(window_.get(), "ModiSaveB")->toolTip(),
                     QString("Modificare cale salvari automate."));
            QCOMPARE(child<QToolButton>(window_.get(), "DelSaveB")->toolTip(),
                     QString("Stergere cale salvari automate."));
            for (const char* name : {"Edit1", "Edit2"}) {
                QCOMPARE(edit(name)->text(), QString());
                QCOMPARE(edit(name)->echoMode(), QLineEdit::Password);
                QCOMPARE(edit(name)->maxLength(), 32);
            }
            QCOMPARE(window_->focusWidget(), combo("TipLocC"));

            QCOMPARE(titlesOf(grid("PenalGrid")), (QStringList{"Data stabilirii", "% pe zi", "% pe luna"}));
            QCOMPARE(titlesOf(grid("InflGrid")), (QStringList{"Data stabilirii", "Valoare Rata"}));
            QCOMPARE(rowsOf(grid("PenalGrid")).size(), 9);
            QCOMPARE(rowsOf(grid("PenalGrid"))[1], QString("01.08.2000|0.15|0"));
            QCOMPARE(currentRowOf(grid("PenalGrid")), QString("01.01.2015|0|1"));
            QCOMPARE(rowsOf(grid("InflGrid")).size(), 33);
            QCOMPARE(rowsOf(grid("InflGrid"))[27], QString("01.01.2016|-0.6"));
            QCOMPARE(currentRowOf(grid("InflGrid")), QString("01.01.2021|2.6"));

            const QMenu* models = child<QPushButton>(window_.get(), "ModeleBut")->menu();
            QStringList entries;
            for (const QAction* model : models->actions())
                for (const QAction* action : model->menu()->actions())
                    entries << model->text() + " > " + action->text();
            QCOMPARE(
                entries,
                (QStringList{"Model Chitanta > Editare Model", "Model Chitanta > Refa Modelul initial",
                             "Model Fisa de calcul > Editare Model", "Model Fisa de calcul > Refa Modelul initial"}));

            const QRect screen = window_->screen()->availableGeometry();
            QVERIFY2(screen.contains(window_->frameGeometry()),
                     qPrintable(QString("%1x%2").arg(window_->width()).arg(window_->height())));
            test::saveScreenshot(window_.get(), "administration_window");
            QVERIFY2(clipped(window_.get()).isEmpty(), qPrintable(clipped(window_.get()).join(u' ')));
        });
    }

    void enterWalksTheFieldsAndPressesChangePasswordFromTheSecondEntry()
    {
        whileOpen([this] {
            QTest::keyClick(combo("TipLocC"), Qt::Key_Return);
            QCOMPARE(window_->focusWidget(), combo("JudetC"));
            edit("Edit1")->setFocus();
            QTest::keyClicks(edit("Edit1"), "parola");
            QTest::keyClick(edit("Edit1"), Qt::Key_Return);
            QCOMPARE(window_->focusWidget(), edit("Edit2"));
            QTest::keyClicks(edit("Edit2"), "Parola");
            QTest::keyClick(edit("Edit2"), Qt::Key_Return);
            QCOMPARE(texts(*ui_),
                     QStringList{"Eroare la completare|Nu ati scris parola noua la fel in cele doua casute !"});
            QCOMPARE(app().settings().ReadSetting("INIT", "WIN"), QString());
            QCOMPARE(edit("Edit2")->text(), QString("Parola"));  // kept to be corrected

            edit("Edit2")->setText("parola");
            QTest::keyClick(edit("Edit2"), Qt::Key_Return);
            QCOMPARE(texts(*ui_).last(), QString("Confirmare|Parola a fost schimbata cu succes!"));
            QCOMPARE(app().settings().ReadSetting("INIT", "WIN"), CodeazaStr("parola"));
            QCOMPARE(edit("Edit1")->text(), QString());
            QCOMPARE(edit("Edit2")->text(), QString());
            QVERIFY(window_->isVisible());

            // A button takes Enter itself.
            bool opened = false;
            inNextDialog([&opened](QDialog* d) { opened = d->windowTitle() == "Penalitati"; });
            auto* add = child<QPushButton>(window_.get(), "AddPenalB");
            add->setFocus();
            QTest::keyClick(add, Qt::Key_Return);
            QVERIFY(opened);
        });
    }

    void theIdentityShownIsWhatTheProgramUsesAndMemoreazaStoresIt()
    {
        whileOpen([this] {
            combo("JudetC")->setCurrentText("HARGHITA");
            edit("ComunaE")->clear();
            QTest::keyClicks(edit("ComunaE"), "sancraieni");
            QCOMPARE(edit("ComunaE")->text(), QString("SANCRAIENI"));
            click("RenuntBut");
        });
        // Not stored, yet new contracts and receipts go by what the window shows until the next start.
        QCOMPARE(app().settings().ReadSetting("CONST", "JUDET"), QString("12"));
        QCOMPARE(app().unitIdentity(), (UnitIdentity{0, 20, "SANCRAIENI"}));
        QCOMPARE(NewContractInput(app().unitIdentity(), day("10.12.2026")).jud, QString("HARGHITA"));
        AppContext restarted(app().programFolder(), app().systemFolder(), app().dataFolder(), WorkingMode::Local);
        QCOMPARE(LoadAdministrationSettings(restarted).identity.county(), QString("CLUJ"));

        const auto outcome = whileOpen([this] {
            QCOMPARE(combo("JudetC")->currentText(), QString("HARGHITA"));
            combo("TipLocC")->setCurrentIndex(2);
            edit("ComunaE")->setText("Sat\nNou");
            click("MemoBut");
            QVERIFY(!window_->isVisible());
        });
        QCOMPARE(outcome, AdministrationWindow::Outcome::Closed);
        QCOMPARE(StoredUnitIdentity(app().settings()), (UnitIdentity{2, 20, "SAT NOU"}));
    }

    void anUnsavedCountyChangeIsWhatReceiptsPrint()
    {
        test::PaymentFixture payments;
        payments.app().settings().WriteSetting("CONST", "JUDET", "12");
        makeWindow(payments.app());
        const qint64 idchit = payments.pay(500, "20.03.2013").idchit;
        whileOpen([this] { combo("JudetC")->setCurrentText("HARGHITA"); });
        test::RecordingOpener opener;
        TRTFReplace rtf(opener);
        ScriptedInteraction answers({MessageResult::Yes});
        const QString out = payments.home() + "/receipt.rtf";
        QCOMPARE(WriteReceipt(payments.app(), answers, rtf, idchit, out), ReceiptOutcome::Written);
        const QByteArray receipt = test::readBytes(out);
        QVERIFY2(receipt.contains("JUDETUL  {\\b HARGHITA}"), receipt.constData());
        window_.reset();
    }

    void thePenaltyDialogAddsAndChangesARow()
    {
        whileOpen([this] {
            inNextDialog([](QDialog* d) {
                QCOMPARE(d->windowTitle(), QString("Penalitati"));
                QCOMPARE(child<QLabel>(d, "HeaderL")->text(), QString("Definire Penalitate noua"));
                QCOMPARE(child<QLabel>(d, "DataStabL")->text(), QString("Incepand cu data"));
                QCOMPARE(child<QLabel>(d, "PeLunaL")->text(), QString("se calculeaza majorari de"));
                QCOMPARE(child<QLabel>(d, "PeLunaU")->text(), QString("% pe luna"));
                QCOMPARE(child<QLabel>(d, "PeZiL")->text(), QString("si penalitati de intarziere de"));
                QCOMPARE(child<QLabel>(d, "PeZiU")->text(), QString("% pe zi"));
                QCOMPARE(child<QDateEdit>(d, "DataStab")->date(), day("10.12.2026"));
                QCOMPARE(child<QDateEdit>(d, "DataStab")->text(), QString("10.12.2026"));
                QCOMPARE(child<QLineEdit>(d, "PeLuna")->text(), QString("0"));
                QCOMPARE(child<QLineEdit>(d, "PeZi")->text(), QString("0"));
                QCOMPARE(d->focusWidget(), child<QDateEdit>(d, "DataStab"));
                test::saveScreenshot(d, "penalty_rate_dialog");
                QVERIFY2(clipped(d).isEmpty(), qPrintable(clipped(d).join(u' ')));

                child<QDateEdit>(d, "DataStab")->setDate(day("01.01.2026"));
                QLineEdit* peZi = child<QLineEdit>(d, "PeZi");
                peZi->clear();
                QTest::keyClicks(peZi, "-1234.567");  // no sign, 3 digits before the point, 2 after
                QCOMPARE(peZi->text(), QString("123.56"));
                peZi->setText("0.15");
                child<QLineEdit>(d, "PeLuna")->clear();
                QTest::mouseClick(child<QPushButton>(d, "MemoreazaBut"), Qt::LeftButton);
                QVERIFY(!d->isVisible());
                QCOMPARE(child<QLineEdit>(d, "PeLuna")->text(), QString("0"));  // an empty field is 0
            });
            click("AddPenalB");
            QCOMPARE(currentRowOf(grid("PenalGrid")), QString("01.01.2026|0.15|0"));
            QCOMPARE(table("SELECT IDP, PEZI, PELUNA FROM PenalIst WHERE IDP = 10"),
                     QString("IDP,PEZI,PELUNA\n10,0.15,0\n"));

            inNextDialog([](QDialog* d) {
                QCOMPARE(child<QLabel>(d, "HeaderL")->text(), QString("Modificare Penalitate"));
                QCOMPARE(child<QDateEdit>(d, "DataStab")->date(), day("01.01.2026"));
                QCOMPARE(child<QLineEdit>(d, "PeZi")->text(), QString("0.15"));
                QCOMPARE(child<QLineEdit>(d, "PeLuna")->text(), QString("0"));
                child<QLineEdit>(d, "PeLuna")->setText("1.5");
                QTest::mouseClick(child<QPushButton>(d, "MemoreazaBut"), Qt::LeftButton);
            });
            QTableView* penalties = grid("PenalGrid");
            const QRect cell = penalties->visualRect(penalties->currentIndex());
            QTest::mouseClick(penalties->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(penalties->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(currentRowOf(penalties), QString("01.01.2026|0.15|1.5"));

            // A cancelled change stores nothing.
            inNextDialog([](QDialog* d) {
                child<QLineEdit>(d, "PeZi")->setText("9");
                QTest::keyClick(child<QLineEdit>(d, "PeZi"), Qt::Key_Escape);
            });
            click("ModiPenalB");
            QCOMPARE(currentRowOf(penalties), QString("01.01.2026|0.15|1.5"));
        });
    }

    void twoPenaltyRowsOnOneDateAreBothShownTheLastOneInForce()
    {
        whileOpen([this] {
            for (const char* perDay : {"0.2", "0.3"}) {
                inNextDialog([perDay](QDialog* d) {
                    child<QDateEdit>(d, "DataStab")->setDate(day("01.06.2026"));
                    child<QLineEdit>(d, "PeZi")->setText(perDay);
                    QTest::mouseClick(child<QPushButton>(d, "MemoreazaBut"), Qt::LeftButton);
                });
                click("AddPenalB");
            }
            const QStringList rows = rowsOf(grid("PenalGrid"));
            QCOMPARE(rows.size(), 11);
            QVERIFY(rows[9].startsWith("01.06.2026|") && rows[10].startsWith("01.06.2026|"));
            app().rates().LoadPenaltyRates(app().db());
            const PenaltyRate& last = app().rates().penaltyRates().back();
            // The row shown last on that date is the one the computations load last: the one in force.
            QCOMPARE(rows[10], QString("01.06.2026|%1|0").arg(last.perDay));
        });
    }

    void anEmptyPenaltyTableAnswersWithBalloonsAndDeletingAsksFirst()
    {
        app().db().execute("DELETE FROM PenalIst");
        whileOpen([this] {
            QCOMPARE(rowsOf(grid("PenalGrid")), QStringList());
            click("ModiPenalB");
            QCOMPARE(balloonText(window_.get()), QString("Nu aveti ce modifica!"));
            click("DelPenalB");
            QCOMPARE(balloonText(window_.get()), QString("Nu aveti ce sterge!"));
            QVERIFY(ui_->shown().empty());

            // Deleting an inflation row: "Nu" keeps it, "Da" removes it and the grid goes to its last row.
            makeRowCurrent(grid("InflGrid"), 0);
            ui_->answer(MessageResult::No);
            click("DelInflB");
            QCOMPARE(rowsOf(grid("InflGrid")).size(), 33);
            ui_->answer(MessageResult::Yes);
            click("DelInflB");
            QCOMPARE(rowsOf(grid("InflGrid")).size(), 32);
            QCOMPARE(rowsOf(grid("InflGrid")).first(), QString("01.01.1990|1.1"));
            QCOMPARE(currentRowOf(grid("InflGrid")), QString("01.01.2021|2.6"));
            QCOMPARE(texts(*ui_),
                     QStringList(2, "Stergere Rata inflatie|Doriti sa stergeti Rata inflatiei selectata?"));
        });
    }

    void aNegativeInflationRateLowersTheIndexedInstallments()
    {
        fixture_->addInstallments(1, {{"15.03.2025", 1000}, {"15.03.2026", 1000}});
        whileOpen([this] {
            inNextDialog([](QDialog* d) {
                QCOMPARE(d->windowTitle(), QString("Rata Inflatiei"));
                QCOMPARE(child<QLabel>(d, "HeaderL")->text(), QString("Adaugare Rata Inflatie"));
                QCOMPARE(child<QLabel>(d, "DataStabL")->text(), QString("La data de"));
                QCOMPARE(child<QLabel>(d, "ValoareL")->text(), QString("Rata inflatiei este"));
                QCOMPARE(child<QDateEdit>(d, "DataStab")->date(), day("10.12.2026"));
                QCOMPARE(child<QLineEdit>(d, "Valoare")->text(), QString("0"));
                QCOMPARE(d->focusWidget(), child<QDateEdit>(d, "DataStab"));
                test::saveScreenshot(d, "inflation_rate_dialog");
                QVERIFY2(clipped(d).isEmpty(), qPrintable(clipped(d).join(u' ')));

                child<QDateEdit>(d, "DataStab")->setDate(day("01.01.2026"));
                QLineEdit* valoare = child<QLineEdit>(d, "Valoare");
                valoare->setText("-123");  // the box takes it, the column holds -99.99 at most
                QTest::mouseClick(child<QPushButton>(d, "MemoreazaBut"), Qt::LeftButton);
                QVERIFY(d->isVisible());
                QVERIFY(balloonText(d).startsWith("Valoare incorecta"));
                QCOMPARE(valoare->text(), QString("-123"));
                valoare->setText("-1.5");
                QTest::mouseClick(child<QPushButton>(d, "MemoreazaBut"), Qt::LeftButton);
                QVERIFY(!d->isVisible());
            });
            click("AddInflB");
            QCOMPARE(currentRowOf(grid("InflGrid")), QString("01.01.2026|-1.5"));
        });
        QCOMPARE(fixture_->indexedAmounts(1), (std::vector<qint64>{1000, 985}));
        QCOMPARE(ui_->counter().caption(), QString("Actualizez ratele..."));
    }

    void theServerFolderIsRefusedOrConnectedAndThenTheProgramEnds()
    {
        test::TempFolder dir;
        for (const char* table : {"Contract.dbf", "Rate.dbf", "Chitante.dbf"})
            test::writeBytes(dir.file(table), "x");
        picked_ = {std::nullopt, app().dataFolder(), dir.path(), dir.path()};
        auto outcome = whileOpen([this, &dir] {
            click("ModiCaleB");  // cancelled
            QVERIFY(ui_->shown().empty());
            click("ModiCaleB");
            QCOMPARE(texts(*ui_), QStringList{"Selectare Cale salvari|Nu puteti salva aici!"});
            click("ModiCaleB");
            QCOMPARE(texts(*ui_).last(),
                     "Conectare server|Baza de date " + dir.path() + "\rNU este corecta!\rVerificati ce-ati ales!");
            click("DelCaleB");
            QCOMPARE(balloonText(window_.get()), QString("Nu aveti ce sterge."));
            test::writeBytes(dir.file("UndoRate.dbf"), "x");
            click("ModiCaleB");
            QVERIFY(!window_->isVisible());
        });
        QCOMPARE(outcome, AdministrationWindow::Outcome::EndProgram);
        QCOMPARE(pickerTitles_, QStringList(4, "Indicati baza de date din retea"));
        QCOMPARE(app().settings().ReadMachineSetting("SERVER"), dir.path());
        QCOMPARE(label("CaleServer")->text(), dir.path());

        ui_->answer(MessageResult::Yes);
        outcome = whileOpen([this] { click("DelCaleB"); });
        QCOMPARE(outcome, AdministrationWindow::Outcome::EndProgram);
        QCOMPARE(app().settings().ReadMachineSetting("SERVER"), QString());
        QCOMPARE(label("CaleServer")->text(), QString("  -"));
    }

    void theBackupFolderIsTestedAndCanBeSwitchedOff()
    {
        test::TempFolder dir;
        test::writeBytes(dir.file("file"), "x");
        picked_ = {dir.file("file"), dir.path()};
        ui_->answer(MessageResult::Ok);
        ui_->answer(MessageResult::Ok);
        ui_->answer(MessageResult::Yes);
        whileOpen([this, &dir] {
            click("ModiSaveB");
            QCOMPARE(label("CaleSalvari")->text(), QString("/media/stick/Salvari_Velmar"));
            click("ModiSaveB");
            QCOMPARE(label("CaleSalvari")->text(), dir.path());
            click("DelSaveB");
            QCOMPARE(label("CaleSalvari")->text(), QString("-"));
            click("DelSaveB");
            QCOMPARE(balloonText(window_.get()), QString("Salvarea automata este deja dezactivata."));
        });
        QCOMPARE(pickerTitles_, QStringList(2, "Indicati calea salvarilor automate"));
        QCOMPARE(app().settings().ReadMachineSetting("CALESALVARI"), QString("-"));
        AppContext restarted(app().programFolder(), app().systemFolder(), app().dataFolder(), WorkingMode::Local);
        QCOMPARE(LoadAdministrationSettings(restarted).backupFolder, QString("-"));
    }

    void theTemplateMenuEditsAndRestoresTheForms()
    {
        const QString receipt = app().dataFolder() + "/ModelChitanta.rtf";
        test::writeBytes(receipt, "{\\rtf1 edited}");
        whileOpen([this] {
            const QMenu* models = child<QPushButton>(window_.get(), "ModeleBut")->menu();
            const QList<QAction*> receiptEntries = models->actions().at(0)->menu()->actions();
            const QList<QAction*> sheetEntries = models->actions().at(1)->menu()->actions();
            receiptEntries.at(0)->trigger();
            sheetEntries.at(0)->trigger();
            receiptEntries.at(1)->trigger();
        });
        QCOMPARE(opener_->opened, (QStringList{receipt, app().dataFolder() + "/FisaCalcul.xls"}));
        QCOMPARE(app().settings().ReadSetting("CONST", "EDITAT_CHITANTA"), QString("NU"));
        QVERIFY(test::readBytes(receipt) != "{\\rtf1 edited}");
        QCOMPARE(texts(*ui_), QStringList{"Initializare model|\rModelul de listare a fost refacut."});
    }
};

}  // namespace velmar

// The office's usual screen: 1366x768.
int main(int argc, char* argv[])
{
    velmar::test::TempFolder config;
    velmar::test::writeBytes(config.file("screen.json"),
                             R"({"screens": [{"name": "office", "x": 0, "y": 0, "width": 1366, "height": 768,
                                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.file("screen.json")).toUtf8());
    QApplication app(argc, argv);
    velmar::AdministrationWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_administration_window.moc"
