// The contract dialog and the contract list window, driven from timers as a clerk drives them.
#include "app/app_context.h"
#include "app/interaction.h"
#include "contracts/contract_dialog.h"
#include "contracts/contract_list_window.h"
#include "contracts/contract_operations.h"
#include "contracts/contract_validation.h"
#include "platform/document_opener.h"
#include "reports/template_exporter.h"
#include "store/dates.h"
#include "store/folders.h"
#include "store/sql/database.h"
#include "support/program_folder.h"
#include "support/screenshots.h"
#include "support/temp_folder.h"
#include "xls/workbook.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace velmar {

namespace {

QDate day(const QString& text) { return *parseDate(text); }

struct Holder {
    const char* nrcon;
    const char* date;
    const char* nume;
    const char* rol;
    const char* cnp;
    const char* adresa;
    const char* loc;
    const char* jud;
    const char* suprafT;
    const char* rata;
    int paidYears;  // installments paid in full, from the first
};

// Three contracts entered out of date order; by the text of their dates they would sort differently
// (01.02.2019 < 02.01.2020 < 20.05.2014).
const Holder kRegister[] = {
    {"7", "20.05.2014", "ŢIBULEAC ION", "1024", "1750308221145", "STR. ŞTEFAN CEL MARE NR. 12", "IAŞI", "IASI", "250",
     "1200", 3},
    {"9", "01.02.2019", "CÂMPEANU ŞTEFANIA", "2031", "2861115240030", "STR. MIHAI EMINESCU NR. 4", "ÎNTORSURA BUZĂULUI",
     "COVASNA", "1500.5", "860", 1},
    {"3", "02.01.2020", "SC AGROTEH SRL", "3307", "RO14598762", "STR. GĂRII NR. 1", "PAŞCANI", "IASI", "4000", "2500",
     0},
};

// The balloon shown over the window; one it replaced may still wait for its deletion.
QWidget* balloonOver(QWidget* window)
{
    for (QWidget* balloon : window->findChildren<QWidget*>(QStringLiteral("ProblemBalloon")))
        if (balloon->isVisible())
            return balloon;
    return nullptr;
}

// The balloon's tail touches the middle of the control's lower edge, or of its upper edge when there is no
// room below it.
bool pointsAt(const QWidget* balloon, const QWidget* control)
{
    const QRect b = balloon->geometry();
    const QPoint top = control->mapToGlobal(QPoint(control->width() / 2, 0));
    const QPoint bottom = control->mapToGlobal(QPoint(control->width() / 2, control->height()));
    const bool below = b.top() == bottom.y();
    const bool above = b.top() + b.height() == top.y();
    return (below || above) && b.left() < top.x() && top.x() < b.right();
}

// Runs `answer` once the dialog is up; whatever happens in it, the dialog ends.
void whileShown(QDialog& dialog, const std::function<void()>& answer)
{
    QTimer::singleShot(0, &dialog, [&dialog, answer] {
        answer();
        if (dialog.isVisible())
            dialog.reject();
    });
}

// Types into a box as the clerk would, or picks a date.
void setField(QWidget* dialog, const QString& name, const QString& value)
{
    QWidget* field = dialog->findChild<QWidget*>(name);
    QVERIFY2(field, qPrintable(name));
    if (auto* date = qobject_cast<QDateEdit*>(field)) {
        date->setDate(day(value));
    } else if (auto* box = qobject_cast<QLineEdit*>(field)) {
        box->clear();
        for (const QChar c : value)  // QTest::keyClicks knows no letters beyond ASCII
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString text(QWidget* window, const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name))->text(); }

// What the reports would have shown.
struct RecordingOpener final : DocumentOpener {
    bool open(const QString& path) override
    {
        opened << path;
        return true;
    }
    QStringList opened;
};

}  // namespace

class ContractWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ProgramFolder> folder_;
    AppContext* app_ = nullptr;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::vector<qint64> ids_;  // of kRegister's contracts, in its order

    qint64 store(const ContractInput& typed)
    {
        const ContractCheck check = ValidateContract(app_->db(), typed, kNewContract);
        if (!check.accepted())
            qFatal("%s", qPrintable(check.message));
        return AddContract(*app_, check.input, ui_->counter());
    }

    void enterRegister()
    {
        for (const Holder& h : kRegister) {
            ContractInput in;
            in.nrCon = h.nrcon;
            in.dataCon = in.dataRata1 = day(h.date);
            in.dataPen1 = AddMonths(day(h.date), 1);
            in.nrRate = QStringLiteral("5");
            in.nume = h.nume;
            in.rol = h.rol;
            in.cnp = h.cnp;
            in.adresa = h.adresa;
            in.loc = h.loc;
            in.jud = h.jud;
            in.suprafT = h.suprafT;
            in.rata = h.rata;
            ids_.push_back(store(in));
            app_->db().execute(QStringLiteral("UPDATE Rate SET ACHITAT = RATACALC WHERE IDCON = ? AND NRRATA <= ?"),
                               {ids_.back(), h.paidYears});
        }
    }

    // Runs `body` once the list is on screen (loading it lets events run before), then closes it; returns
    // when open() has.
    static void whileOpen(ContractListWindow& list, const std::function<void()>& body)
    {
        whenShown(list, [&] {
            body();
            list.close();
        });
        list.open();
    }
    static void whenShown(QWidget& window, const std::function<void()>& run)
    {
        QTimer::singleShot(0, &window, [&window, run] {
            if (window.isVisible())
                run();
            else
                whenShown(window, run);
        });
    }

    // Answers the next contract dialog from a timer.
    static void answerDialog(const std::function<void(ContractDialog*)>& answer)
    {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<ContractDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            answer(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    static QTableView* grid(QWidget* list) { return list->findChild<QTableView*>(QStringLiteral("Grid")); }
    static QComboBox* combo(QWidget* list, const char* name)
    {
        return list->findChild<QComboBox*>(QLatin1String(name));
    }
    static QString totalC(QWidget* list) { return list->findChild<QLabel*>(QStringLiteral("TotalC"))->text(); }
    static QPushButton* button(QWidget* window, const char* name)
    {
        return window->findChild<QPushButton*>(QLatin1String(name));
    }

    // The names of the displayed contracts, top to bottom.
    static QStringList names(QWidget* list)
    {
        const QAbstractItemModel* model = grid(list)->model();
        QStringList shown;
        for (int r = 0; r < model->rowCount(); ++r)
            shown << model->index(r, 5).data().toString();
        return shown;
    }
    static QString currentName(QWidget* list)
    {
        const QModelIndex current = grid(list)->currentIndex();
        return current.isValid() ? current.siblingAtColumn(5).data().toString() : QString();
    }
    static void clickTitle(QWidget* list, int column)
    {
        QHeaderView* header = grid(list)->horizontalHeader();
        const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
    }
    static void choose(QWidget* list, const char* name, const QString& item)
    {
        QComboBox* box = combo(list, name);
        box->setCurrentIndex(box->findText(item));
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<test::ProgramFolder>("15.03.2024");
        app_ = &folder_->app();
        ui_ = std::make_unique<ScriptedInteraction>();
        ids_.clear();
    }

    void cleanup()
    {
        app_ = nullptr;
        folder_.reset();
    }

    void theDialogRefusesWithABalloonAtTheFieldAndStaysOpen_data()
    {
        QTest::addColumn<QStringList>("typed");  // field=value, over a contract that passes every check
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("control");
        QTest::newRow("no number") << QStringList{"NrCon="} << "Numar de contract incorect!"
                                   << "NrCon";
        QTest::newRow("short name") << QStringList{"Nume=  AB "} << "Nume incorect!"
                                    << "Nume";
        QTest::newRow("bad code") << QStringList{"CNP=1750308221146"} << "CNP/Cod Fiscal incorect!"
                                  << "CNP";
        QTest::newRow("penalties from the first installment's day")
            << QStringList{"DataCon=01.03.2024", "DataRata1=15.04.2024", "DataPen1=15.04.2024"}
            << "Mai ganditi-va putin la datele astea...!"
            << "DataPen1";
        QTest::newRow("penalties from the contract's day")
            << QStringList{"DataPen1=15.03.2024"} << "Data contractu;ui este incorect!"
            << "DataCon";
        QTest::newRow("an installment that rounds past its column")
            << QStringList{"Rata=9999999999.6"} << "Valoare prea mare!"
            << "Rata";
    }

    void theDialogRefusesWithABalloonAtTheFieldAndStaysOpen()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QString, control);
        ContractDialog dialog(*app_, *ui_);
        bool stillOpen = false;
        whileShown(dialog, [&] {
            const QStringList valid{"NrCon=12", "NrRate=5", "Nume=POPESCU ION", "Rata=1000"};
            for (const QString& assignment : valid + typed)
                setField(&dialog, assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
            dialog.findChild<QPushButton*>("MemoreazaBut")->click();
            stillOpen = dialog.isVisible();
            QWidget* balloon = balloonOver(&dialog);
            QVERIFY(balloon);
            QCOMPARE(balloon->findChild<QLabel*>("ProblemText")->text(), message);
            QVERIFY(pointsAt(balloon, dialog.findChild<QWidget*>(control)));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QVERIFY(!dialog.Execute(kNewContract));
        QVERIFY(stillOpen);
    }

    void theDialogTakesWhatItsBoxesAllowAndShowsTheValuesAsTheyWillBeStored()
    {
        ContractDialog dialog(*app_, *ui_);
        whileShown(dialog, [&] {
            QCOMPARE(dialog.windowTitle(), QString("Adaugare Contract"));
            QCOMPARE(dialog.findChild<QLabel*>("HeaderL")->text(), QString("Adaugare Contract"));
            QCOMPARE(dialog.focusWidget(), dialog.findChild<QWidget*>("NrCon"));
            for (auto [field, value] : {std::pair{"NrCon", "12a3"},
                                        {"NrRate", "5"},
                                        {"Nume", "  popescu   ion\" "},
                                        {"CNP", "ro 123"},
                                        {"Rata", "1500.50"},
                                        {"SuprafT", "12.00005"},
                                        {"Obs", "teren arabil"}})
                setField(&dialog, field, value);
            QCOMPARE(text(&dialog, "NrCon"), QString("123"));  // digits only
            setField(&dialog, "NrCon", "1234567890123");
            QCOMPARE(text(&dialog, "NrCon"), QString("123456789012"));       // twelve digits at most
            QCOMPARE(text(&dialog, "Nume"), QString("  POPESCU   ION\" "));  // capitals as typed
            QCOMPARE(text(&dialog, "Obs"), QString("teren arabil"));
            QCOMPARE(text(&dialog, "SuprafT"), QString("12.0000"));  // four decimals at most
            dialog.findChild<QPushButton*>("MemoreazaBut")->click();
            QWidget* balloon = balloonOver(&dialog);
            QVERIFY(balloon);
            QCOMPARE(balloon->findChild<QLabel*>("ProblemText")->text(), QString("CNP/Cod Fiscal incorect!"));
            QCOMPARE(text(&dialog, "Nume"), QString("POPESCU ION"));
            QCOMPARE(text(&dialog, "CNP"), QString("RO 123"));
            QCOMPARE(text(&dialog, "Rata"), QString("1500.5"));
            QCOMPARE(text(&dialog, "SuprafT"), QString("12"));
            QCOMPARE(text(&dialog, "Obs"), QString("teren arabil"));
            QCOMPARE(dialog.findChild<QComboBox*>("Jud")->count(), 42);
            QCOMPARE(dialog.findChild<QComboBox*>("TipPenal")->currentText(),
                     QString("CONFORM LEGII (VEZI TABELUL DE LA BUTONUL ADMIN)"));
            test::saveScreenshot(&dialog, "contract_dialog_add");
            dialog.findChild<QPushButton*>("RenuntBut")->click();
        });
        QVERIFY(!dialog.Execute(kNewContract));
    }

    // Each number box takes no more than its Contract column holds; Rata takes decimals the store rounds.
    void eachNumberBoxStopsWhereItsColumnEnds_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("taken");
        QTest::newRow("NrCon N(12)") << "NrCon"
                                     << "1234567890123"
                                     << "123456789012";
        QTest::newRow("NrRate N(6)") << "NrRate"
                                     << "1234567"
                                     << "123456";
        QTest::newRow("SuprafT N(10,4)") << "SuprafT"
                                         << "123456.12345"
                                         << "12345.1234";
        QTest::newRow("SuprafT no sign") << "SuprafT"
                                         << "-5"
                                         << "5";
        QTest::newRow("Rata N(10) and 4 rounded decimals") << "Rata"
                                                           << "12345678901.12345"
                                                           << "1234567890.1234";
    }
    void eachNumberBoxStopsWhereItsColumnEnds()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, taken);
        ContractDialog dialog(*app_, *ui_);
        whileShown(dialog, [&] {
            setField(&dialog, box, typed);
            QCOMPARE(text(&dialog, qPrintable(box)), taken);
        });
        dialog.Execute(kNewContract);
    }

    void enterWalksTheFieldsAndTheStopDateFollowsItsBox()
    {
        ContractDialog dialog(*app_, *ui_);
        ContractInput stored;
        stored.nrCon = "4";
        stored.stopPenChecked = true;
        stored.stopPen = day("01.06.2023");
        dialog.fill(stored);
        whileShown(dialog, [&] {
            auto* check = dialog.findChild<QCheckBox*>("StopPenC");
            auto* stop = dialog.findChild<QDateEdit*>("StopPen");
            QCOMPARE(dialog.findChild<QLabel*>("HeaderL")->text(), QString("Modificare Contract"));
            QVERIFY2(stop->isEnabled(), "filled with a stop date");
            QCOMPARE(stop->date(), day("01.06.2023"));
            check->click();
            QVERIFY(!stop->isEnabled());
            check->click();
            QVERIFY(stop->isEnabled());

            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
            QCOMPARE(dialog.focusWidget()->objectName(), QString("DataCon"));
            check->setFocus();
            QTest::keyClick(check, Qt::Key_Return);
            QVERIFY2(dialog.isVisible() && dialog.focusWidget() == check,
                     "Enter on the check box neither moves nor stores");
            QTest::keyClick(check, Qt::Key_Escape);
        });
        QVERIFY(!dialog.Execute(17));

        // A new contract starts over: no stop date.
        whileShown(dialog, [&] {
            QVERIFY(!dialog.findChild<QCheckBox*>("StopPenC")->isChecked());
            QVERIFY(!dialog.findChild<QDateEdit*>("StopPen")->isEnabled());
            QCOMPARE(text(&dialog, "NrCon"), QString());
            QCOMPARE(dialog.findChild<QDateEdit*>("DataPen1")->date(), day("15.04.2024"));
            dialog.reject();
        });
        QVERIFY(!dialog.Execute(kNewContract));
    }

    void theListShowsTheRegisterUnderItsBandsAndTitles()
    {
        enterRegister();
        app_->db().execute("UPDATE Contract SET ACTIV = 'NU' WHERE IDCON = ?", {ids_[0]});
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        whileOpen(list, [&] {
            QCOMPARE(list.windowTitle(), QString("Velmar"));
            QCOMPARE(list.findChild<QLabel*>("HeaderL")->text(), QString("  Lista Contractelor"));
            const QAbstractItemModel* model = grid(&list)->model();
            QStringList titles;
            for (int c = 0; c < model->columnCount(); ++c)
                titles << model->headerData(c, Qt::Horizontal).toString();
            QCOMPARE(titles,
                     QStringList({"Numarul", "Din data", "Durata (ani)", "Suma restanta", "Activ", "Nume si prenume",
                                  "ROL", "CNP / CUI", "Adresa", "Localitatea", "Judetul", "Suprafata concesionata",
                                  "Rata", "Moneda", "Data primei rate", "Oprire Penalitati"}));
            QVERIFY2(list.findChild<QCheckBox*>("DoarActive")->isChecked(), "checked at the first opening");
            QCOMPARE(names(&list), QStringList({"CÂMPEANU ŞTEFANIA", "SC AGROTEH SRL"}));
            QCOMPARE(totalC(&list), QString("2"));
            QCOMPARE(currentName(&list), QString("SC AGROTEH SRL"));  // the last row
            QCOMPARE(model->index(0, 1).data().toString(), QString("01.02.2019"));
            QCOMPARE(model->index(0, 15).data().toString(), QString("-"));
            QCOMPARE(model->index(0, 11).data().toString(), QString("1500.5"));
            const QueryResult sum =
                app_->db().select("SELECT SUM(RATACALC - ACHITAT) FROM Rate WHERE IDCON = ?", {ids_[2]});
            const qint64 outstanding = sum.rows.front().front().toLongLong();
            QCOMPARE(model->index(1, 3).data().toString(), QString::number(outstanding));
            QVERIFY(model->index(0, 3).data(Qt::FontRole).value<QFont>().bold());
            QCOMPARE(model->index(0, 3).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
            QVERIFY(!model->index(0, 2).data(Qt::ForegroundRole).isValid());

            QStringList searchNames;
            for (int i = 0; i < combo(&list, "Nume1F")->count(); ++i)
                searchNames << combo(&list, "Nume1F")->itemText(i);
            QCOMPARE(searchNames,
                     QStringList({"* indiferent *", "CÂMPEANU ŞTEFANIA", "SC AGROTEH SRL", "ŢIBULEAC ION"}));
            QCOMPARE(combo(&list, "ROLF")->itemText(0), QString("* indiferent *"));

            list.findChild<QCheckBox*>("DoarActive")->click();
            QCOMPARE(names(&list), QStringList({"ŢIBULEAC ION", "CÂMPEANU ŞTEFANIA", "SC AGROTEH SRL"}));
            QCOMPARE(currentName(&list), QString("SC AGROTEH SRL"));  // kept through the filter
            QCOMPARE(totalC(&list), QString("3"));

            // Each band title sits over its columns, also once a column is widened.
            list.resize(1900, 700);
            QCoreApplication::processEvents();
            QHeaderView* header = grid(&list)->horizontalHeader();
            header->resizeSection(1, header->sectionSize(1) + 40);
            const auto spanOf = [&](int first, int last) {
                const int left = grid(&list)->frameWidth() + header->sectionViewportPosition(first);
                return QRect(left, 0,
                             header->sectionViewportPosition(last) + header->sectionSize(last) -
                                 header->sectionViewportPosition(first),
                             0);
            };
            QStringList bands;
            for (auto* label : list.findChild<QWidget*>("Band")->findChildren<QLabel*>()) {
                const QRect expected = label->text() == "Titular" ? spanOf(5, 10) : spanOf(0, 4);
                QCOMPARE(label->x(), expected.left());
                QCOMPARE(label->width(), expected.width());
                bands << label->text();
            }
            QCOMPARE(bands, QStringList({"Contract de Concesiune", "Titular"}));
            header->resizeSection(1, header->sectionSize(1) - 40);
            list.resize(1600, 640);
            QCoreApplication::processEvents();
            test::saveScreenshot(&list, "contract_list");
        });
        QCOMPARE(totalC(&list), QString("0"));  // the list is let go once the window closes

        whileOpen(list, [&] {
            QVERIFY2(!list.findChild<QCheckBox*>("DoarActive")->isChecked(), "kept from the last opening");
            QCOMPARE(totalC(&list), QString("3"));
            QTest::keyClick(grid(&list), Qt::Key_Escape);
            QVERIFY2(!list.isVisible(), "Esc closes the list");
        });
    }

    void addingThroughTheDialogMakesTheNewContractCurrentWithTheSearchReset()
    {
        enterRegister();
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        whileOpen(list, [&] {
            choose(&list, "Nume1F", "ŢIBULEAC ION");
            QCOMPARE(totalC(&list), QString("1"));
            answerDialog([](ContractDialog* d) {
                for (auto [field, value] : {std::pair{"NrCon", "15"},
                                            {"NrRate", "3"},
                                            {"Nume", "moldovan vasile"},
                                            {"ROL", "4410"},
                                            {"Rata", "640"}})
                    setField(d, field, value);
                d->findChild<QPushButton*>("MemoreazaBut")->click();
            });
            button(&list, "AdaugaBut")->click();
            QCOMPARE(currentName(&list), QString("MOLDOVAN VASILE"));
            QCOMPARE(combo(&list, "Nume1F")->currentIndex(), 0);
            QVERIFY(combo(&list, "Nume1F")->findText("MOLDOVAN VASILE") > 0);
            QCOMPARE(combo(&list, "ROLF")->currentIndex(), 0);
            QCOMPARE(totalC(&list), QString("4"));
            QCOMPARE(names(&list).last(), QString("MOLDOVAN VASILE"));  // dated today, the latest

            // Cancelled: nothing changes.
            answerDialog([](ContractDialog* d) { setField(d, "NrCon", "16"); });
            button(&list, "AdaugaBut")->click();
            QCOMPARE(totalC(&list), QString("4"));
        });
    }

    // Another workstation stores the same number between the dialog's checks and the list's storing: the
    // clerk reads why, and the dialog comes back with everything typed.
    void aContractRefusedAfterTheDialogClosedComesBackAsTyped()
    {
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        QStringList reopenedWith;
        whileOpen(list, [&] {
            answerDialog([&](ContractDialog* d) {
                for (auto [field, value] : {std::pair{"NrCon", "15"},
                                            {"NrRate", "3"},
                                            {"Nume", "moldovan vasile"},
                                            {"ROL", "4410"},
                                            {"SuprafT", "12.5"},
                                            {"Rata", "640"}})
                    setField(d, field, value);
                d->findChild<QPushButton*>("MemoreazaBut")->click();
                ContractInput meanwhile = NewContractInput(app_->unitIdentity(), day("15.03.2024"));
                meanwhile.nrCon = QStringLiteral("15");
                meanwhile.nrRate = QStringLiteral("2");
                meanwhile.nume = QStringLiteral("ALT TITULAR");
                meanwhile.rata = QStringLiteral("100");
                store(meanwhile);
                whenShown(*d, [&reopenedWith, d] {
                    for (const char* box : {"NrCon", "NrRate", "Nume", "ROL", "SuprafT", "Rata"})
                        reopenedWith << text(d, box);
                    d->reject();
                });
            });
            button(&list, "AdaugaBut")->click();
        });
        QCOMPARE(app_->db().rowCount("Contract"), 1);
        QCOMPARE(reopenedWith, (QStringList{"15", "3", "MOLDOVAN VASILE", "4410", "12.5", "640"}));
        QVERIFY(!ui_->shown().empty());
        QCOMPARE(ui_->shown().back().text, QString("Mai exista un contract activ cu acelasi numar!"));
    }

    void modifyingFillsTheDialogFromTheCurrentRowAndKeepsItCurrent()
    {
        enterRegister();
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        whileOpen(list, [&] {
            grid(&list)->setCurrentIndex(grid(&list)->model()->index(1, 0));
            answerDialog([](ContractDialog* d) {
                QCOMPARE(d->findChild<QLabel*>("HeaderL")->text(), QString("Modificare Contract"));
                QCOMPARE(text(d, "NrCon"), QString("9"));
                QCOMPARE(text(d, "Nume"), QString("CÂMPEANU ŞTEFANIA"));
                QCOMPARE(text(d, "SuprafT"), QString("1500.5"));
                QCOMPARE(d->findChild<QComboBox*>("Jud")->currentText(), QString("COVASNA"));
                QCOMPARE(d->findChild<QDateEdit*>("DataCon")->date(), day("01.02.2019"));
                setField(d, "Nume", "CÂMPEANU ŞTEFANIA ELENA");
                test::saveScreenshot(d, "contract_dialog_modify");
                d->findChild<QPushButton*>("MemoreazaBut")->click();
            });
            button(&list, "ModificaBut")->click();
            QCOMPARE(ui_->shown().back().text, QString("Contractul a fost modificat cu succes!"));
            QCOMPARE(currentName(&list), QString("CÂMPEANU ŞTEFANIA ELENA"));
            QCOMPARE(combo(&list, "Nume1F")->currentIndex(), 0);
        });
    }

    void deletingMakesTheNeighbourCurrent()
    {
        enterRegister();
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        whileOpen(list, [&] {
            ui_->answer(MessageResult::No);
            button(&list, "StergeBut")->click();
            QCOMPARE(ui_->shown().back().caption, QString("Stergere Contract"));
            QCOMPARE(ui_->shown().back().text, QString("Doriti sa stergeti contractul selectat\rcu chitante cu tot?!"));
            QCOMPARE(ui_->shown().back().buttons, MessageButton::Yes | MessageButton::No);
            QCOMPARE(ui_->shown().back().kind, MessageKind::Confirmation);
            QCOMPARE(totalC(&list), QString("3"));

            struct Step {
                int current;
                QStringList left;
                QString nowCurrent;
            };
            const Step steps[] = {
                {2, {"ŢIBULEAC ION", "CÂMPEANU ŞTEFANIA"}, "CÂMPEANU ŞTEFANIA"},  // the last: the one before
                {0, {"CÂMPEANU ŞTEFANIA"}, "CÂMPEANU ŞTEFANIA"},                  // the first: the one after
                {0, {}, ""},                                                      // the only one
            };
            for (const Step& step : steps) {
                grid(&list)->setCurrentIndex(grid(&list)->model()->index(step.current, 0));
                ui_->answer(MessageResult::Yes);
                button(&list, "StergeBut")->click();
                QCOMPARE(names(&list), step.left);
                QCOMPARE(currentName(&list), step.nowCurrent);
                QCOMPARE(totalC(&list), QString::number(step.left.size()));
            }
            QCOMPARE(combo(&list, "Nume1F")->count(), 1);
        });
    }

    void anEmptyListAnswersWithBalloons()
    {
        enterRegister();
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        int commandsRun = 0;
        RecordingOpener opener;
        TemplateExporter exporter(opener);
        list.setReportExporter(exporter);
        list.setDetailsOpener([&](const ContractRow&) { ++commandsRun; });
        whileOpen(list, [&] {
            choose(&list, "Nume1F", "CÂMPEANU ŞTEFANIA");
            choose(&list, "ROLF", "1024");  // ŢIBULEAC ION's
            QCOMPARE(grid(&list)->model()->rowCount(), 0);
            QCOMPARE(totalC(&list), QString("0"));
            struct Case {
                const char* button;
                QString message;
                QWidget* at;
            };
            const Case cases[] = {
                {"ModificaBut", "Nu aveti ce modifica!", button(&list, "ModificaBut")},
                {"StergeBut", "Nu aveti ce sterge!", list.findChild<QLabel*>("TotalC")},
                {"FisaBut", "Alegeti mai intai un contract!", button(&list, "FisaBut")},
            };
            const size_t messages = ui_->shown().size();
            for (const Case& c : cases) {
                button(&list, c.button)->click();
                QWidget* balloon = balloonOver(&list);
                QVERIFY(balloon);
                QCOMPARE(balloon->findChild<QLabel*>("ProblemText")->text(), c.message);
                QVERIFY2(pointsAt(balloon, c.at), c.button);
            }
            QCOMPARE(ui_->shown().size(), messages);  // no question, no dialog

            button(&list, "DetaliiBut")->click();
            QCOMPARE(ui_->shown().back().caption, QString("Detalii Contract"));
            QCOMPARE(ui_->shown().back().text, QString("Nu exista nici un Contract ales!"));
            QCOMPARE(ui_->shown().back().kind, MessageKind::Error);
        });
        QCOMPARE(commandsRun, 0);
        QCOMPARE(opener.opened, QStringList());
    }

    void theCalculationSheetOfTheCurrentContractIsSavedAndShown()
    {
        enterRegister();
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        RecordingOpener opener;
        TemplateExporter exporter(opener);
        list.setReportExporter(exporter);
        whileOpen(list, [&] {
            grid(&list)->setCurrentIndex(grid(&list)->model()->index(1, 0));  // CÂMPEANU ŞTEFANIA
            button(&list, "FisaBut")->click();
        });
        QCOMPARE(ui_->shown().size(), size_t(0));
        const QString first = QDir(tempFolder()).filePath("Rap0.xls");
        QCOMPARE(opener.opened, QStringList{first});
        const auto& counter = static_cast<const SilentProgressCounter&>(ui_->counter());
        QCOMPARE(counter.caption(), QString("Calculez Contractul..."));
        QVERIFY(!counter.isShown());
        QVERIFY(counter.maximum() > 1);
        QCOMPARE(counter.position(), counter.maximum() - 1);  // one step per event walked: all but the heading
        xls::Workbook book = xls::Workbook::open(first);
        book.selectSheet(1);
        QCOMPARE(book.cellText(4, 2), QString("Titular : CÂMPEANU ŞTEFANIA"));
        QCOMPARE(book.cellText(3, 2), QString("La data de 15.03.2024"));
        QVERIFY(QDir(tempFolder()).entryList({"*.dbf"}, QDir::Files).isEmpty());
    }

    void aClickedTitleSortsUntilTheWindowCloses()
    {
        enterRegister();
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        const QStringList byDate{"ŢIBULEAC ION", "CÂMPEANU ŞTEFANIA", "SC AGROTEH SRL"};
        const QStringList byNumber{"SC AGROTEH SRL", "ŢIBULEAC ION", "CÂMPEANU ŞTEFANIA"};
        whileOpen(list, [&] {
            clickTitle(&list, 0);  // "Numarul"
            QCOMPARE(names(&list), byNumber);
            QCOMPARE(currentName(&list), QString("SC AGROTEH SRL"));  // the same contract, now first
            clickTitle(&list, 3);                                     // "Suma restanta" does not sort
            QCOMPARE(names(&list), byNumber);
            clickTitle(&list, 1);  // "Din data": by the day, not by its text
            QCOMPARE(names(&list), byDate);

            choose(&list, "Nume1F", "ŢIBULEAC ION");
            clickTitle(&list, 0);  // a single row is not sorted
            choose(&list, "Nume1F", "* indiferent *");
            QCOMPARE(names(&list), byDate);

            clickTitle(&list, 0);
            ui_->answer(MessageResult::No);
            button(&list, "StergeBut")->click();  // the order survives the filter and the commands
            QCOMPARE(names(&list), byNumber);
        });
        whileOpen(list, [&] { QCOMPARE(names(&list), byDate); });
    }

    void aSearchChangeDuringAFilterPassGetsOneMorePass()
    {
        enterRegister();
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        whileOpen(list, [&] {
            // Arrives while the name's pass lets the screen follow: it only counts, and the pass runs again.
            QTimer::singleShot(0, &list, [&] { choose(&list, "ROLF", "1024"); });
            choose(&list, "Nume1F", "CÂMPEANU ŞTEFANIA");
            QCOMPARE(combo(&list, "ROLF")->currentText(), QString("1024"));
            QCOMPARE(names(&list), QStringList());
            QCOMPARE(totalC(&list), QString("0"));

            choose(&list, "ROLF", "* indiferent *");
            QCOMPARE(names(&list), QStringList({"CÂMPEANU ŞTEFANIA"}));
        });
    }

    void theExportIsHandedTheGridAsTheClerkSeesIt()
    {
        enterRegister();
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        std::vector<ShownTable> handed;
        list.setGridExport([&](const ShownTable& table) { handed.push_back(table); });
        whileOpen(list, [&] {
            QHeaderView* header = grid(&list)->horizontalHeader();
            header->moveSection(5, 0);  // "Nume si prenume" first
            header->hideSection(13);    // "Moneda" out of sight
            header->resizeSection(7, 300);
            choose(&list, "Nume1F", "CÂMPEANU ŞTEFANIA");
            button(&list, "ExportBut")->click();
        });
        QCOMPARE(handed.size(), size_t(1));
        const ShownTable& table = handed[0];
        QCOMPARE(table.heading, QString("Lista Contractelor"));
        QCOMPARE(table.created, day("15.03.2024"));
        QCOMPARE(int(table.columns.size()), 15);
        QCOMPARE(table.columns[0].title, QString("Nume si prenume"));
        QCOMPARE(table.columns[0].band, QString("Titular"));
        QCOMPARE(table.columns[1].title, QString("Numarul"));
        QCOMPARE(table.columns[13].title, QString("Data primei rate"));
        const double character = QFontMetrics(grid(&list)->font()).horizontalAdvance(QLatin1Char('0'));
        QCOMPARE(table.columns[7].widthChars, 300 / character);  // "CNP / CUI", as wide as on the screen
        QCOMPARE(table.rows.size(), size_t(1));                  // the filter applied
        QCOMPARE(table.rows[0][0].text, QString("CÂMPEANU ŞTEFANIA"));
        QCOMPARE(table.rows[0][2].kind, ValueKind::Date);
        QCOMPARE(table.rows[0][2].text, QString("01.02.2019"));
        QCOMPARE(table.rows[0][7].text, QString("2861115240030"));
        QCOMPARE(table.rows[0][7].kind, ValueKind::Text);
        QCOMPARE(table.rows[0][4].kind, ValueKind::Number);  // "Suma restanta"
        QVERIFY(table.rows[0][4].value > 860 * 3);           // four indexed installments of five left
    }

    void theDetailsTakeTheScreenAndTheListComesBack()
    {
        enterRegister();
        ContractDialog dialog(*app_, *ui_);
        ContractListWindow list(*app_, *ui_, dialog);
        for (const char* waiting : {"DetaliiBut", "FisaBut", "ExportBut"})
            QVERIFY2(!button(&list, waiting)->isEnabled(), waiting);
        std::vector<std::pair<qint64, bool>> opened;  // IDCON, list visible meanwhile
        list.setDetailsOpener([&](const ContractRow& row) {
            opened.emplace_back(row.idcon, list.isVisible());
            app_->db().execute("UPDATE Rate SET ACHITAT = RATACALC WHERE IDCON = ?", {row.idcon});  // paid in full
        });
        whileOpen(list, [&] {
            grid(&list)->setCurrentIndex(grid(&list)->model()->index(1, 0));
            grid(&list)->setFocus();
            QTest::keyClick(grid(&list), Qt::Key_Return);
            QCOMPARE(opened.size(), size_t(1));
            QCOMPARE(opened[0], std::pair(ids_[1], false));
            QVERIFY2(list.isVisible(), "back after the details");
            QCOMPARE(currentName(&list), QString("CÂMPEANU ŞTEFANIA"));
            QCOMPARE(grid(&list)->model()->index(1, 3).data().toString(), QString("0"));  // reloaded
        });
        QVERIFY(!list.isVisible());
    }
};

}  // namespace velmar

QTEST_MAIN(velmar::ContractWindowsTest)
#include "test_contract_windows.moc"
