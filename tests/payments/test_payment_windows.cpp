// The details window and the payment dialog, driven from timers as a clerk drives them.
#include "app/app_context.h"
#include "app/interaction.h"
#include "contracts/contract_list.h"
#include "contracts/contract_operations.h"
#include "contracts/contract_validation.h"
#include "payments/details_window.h"
#include "payments/payment_dialog.h"
#include "payments/payment_recording.h"
#include "payments/receipt.h"
#include "payments/rtf_replace.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "store/sql/database.h"
#include "support/program_folder.h"
#include "support/recording_opener.h"
#include "support/screenshots.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace velmar {

namespace {

QDate day(const char* text) { return *parseDate(QString::fromLatin1(text)); }

// The balloon shown over the window; one it replaced may still wait for its deletion.
QWidget* balloonOver(QWidget* window)
{
    for (QWidget* balloon : window->findChildren<QWidget*>(QStringLiteral("ProblemBalloon")))
        if (balloon->isVisible())
            return balloon;
    return nullptr;
}

// The balloon's text, once it is shown next to `control` (below or above it, across its middle).
QString balloonAt(QWidget* window, const QWidget* control)
{
    QWidget* balloon = balloonOver(window);
    if (!balloon)
        return {};
    const QRect b = balloon->geometry();
    const QPoint top = control->mapToGlobal(QPoint(control->width() / 2, 0));
    const QPoint bottom = control->mapToGlobal(QPoint(control->width() / 2, control->height()));
    const bool touches = b.top() == bottom.y() || b.bottom() + 1 == top.y();
    if (!touches || b.left() >= top.x() || top.x() >= b.right())
        return QStringLiteral("balloon away from %1").arg(control->objectName());
    return balloon->findChild<QLabel*>(QStringLiteral("ProblemText"))->text();
}

QTableView* grid(QWidget* window, const char* name) { return window->findChild<QTableView*>(QLatin1String(name)); }
QString label(QWidget* window, const char* name) { return window->findChild<QLabel*>(QLatin1String(name))->text(); }
QPushButton* button(QWidget* window, const char* name) { return window->findChild<QPushButton*>(QLatin1String(name)); }

// A grid's rows as the clerk reads them: cells joined by "|", one string per row.
QStringList rowsOf(QTableView* view)
{
    const QAbstractItemModel* model = view->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

QStringList titlesOf(QTableView* view)
{
    QStringList titles;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        titles << view->model()->headerData(c, Qt::Horizontal).toString();
    return titles;
}

QStringList boldTitles(QTableView* view)
{
    QStringList bold;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        if (view->model()->index(0, c).data(Qt::FontRole).value<QFont>().bold())
            bold << view->model()->headerData(c, Qt::Horizontal).toString();
    return bold;
}

// Each band title as "title:first-last", by the columns it stands over.
QStringList bandsOver(QWidget* bandRow, QTableView* view)
{
    const QHeaderView* header = view->horizontalHeader();
    QStringList bands;
    for (const QLabel* band : bandRow->findChildren<QLabel*>()) {
        const int left = band->x() - view->frameWidth();
        const int right = left + band->width();
        const int first = header->logicalIndexAt(left);
        const int last = header->logicalIndexAt(right - 1);
        const bool exact = header->sectionViewportPosition(first) == left &&
            header->sectionViewportPosition(last) + header->sectionSize(last) == right;
        bands << QStringLiteral("%1:%2-%3%4")
                     .arg(band->text())
                     .arg(first)
                     .arg(last)
                     .arg(exact ? ""
                                : QStringLiteral(" (misplaced %1..%2 vs %3..%4, viewport %5)")
                                      .arg(left)
                                      .arg(right)
                                      .arg(header->sectionViewportPosition(first))
                                      .arg(header->sectionViewportPosition(last) + header->sectionSize(last))
                                      .arg(view->viewport()->width()));
    }
    return bands;
}

void type(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Runs `answer` on the next modal dialog once it is up; whatever happens in it, the dialog ends.
template <class Dialog>
void answerDialog(const std::function<void(Dialog*)>& answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

}  // namespace

class PaymentWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ProgramFolder> folder_;
    AppContext* app_ = nullptr;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<PaymentDialog> dialog_;
    std::unique_ptr<DetailsWindow> details_;
    qint64 idcon_ = 0;

    // Five installments of 1000 lei, each 15.03 from 2022, penalties from each 15.04; no inflation and
    // 0.1 % a day, so 1000 lei owed for d days cost d lei.
    void enterContract()
    {
        app_->db().execute("DELETE FROM Inflatie");
        app_->db().execute("DELETE FROM PenalIst");
        app_->db().execute("INSERT INTO PenalIst (IDP, DATASTAB, PEZI, PELUNA) VALUES (1, ?, 0.1, 0)",
                           {dayNumber(day("01.01.2000"))});
        ContractInput in;
        in.nrCon = "12";
        in.dataCon = in.dataRata1 = day("15.03.2022");
        in.dataPen1 = day("15.04.2022");
        in.nrRate = "5";
        in.nume = "ŢIBULEAC ION";
        in.rol = "1024";
        in.cnp = "1750308221145";
        in.adresa = "STR. ŞTEFAN CEL MARE NR. 12";
        in.loc = "IAŞI";
        in.jud = "IASI";
        in.suprafT = "250";
        in.rata = "1000";
        const ContractCheck check = ValidateContract(app_->db(), in, kNewContract);
        if (!check.accepted())
            qFatal("%s", qPrintable(check.message));
        idcon_ = AddContract(*app_, check.input, ui_->counter());
    }

    void pay(const char* date, qint64 nr, qint64 amount, const QString& kind = "Chitanta")
    {
        const PaymentOutcome outcome = RecordPayment(*app_, idcon_, {kind, QString::number(nr), amount, day(date)});
        if (outcome.problem)
            qFatal("%s", qPrintable(outcome.problem->text));
    }

    // Shows the contract's details, runs `body` once they are on screen, closes them; returns when they have.
    void whileOpen(const std::function<void(DetailsWindow&)>& body)
    {
        DetailsWindow& details = *details_;
        QTimer::singleShot(0, &details, [&details, body] {
            body(details);
            details.close();
        });
        details.ShowContractDetails(*FindContract(app_->db(), idcon_));
    }

    // The test screen is smaller than the clerks'; there the window shows every column.
    static void showWhole(QWidget& window)
    {
        window.resize(1200, 720);
        QCoreApplication::processEvents();
    }

    QStringList totals(QWidget* w)
    {
        return {label(w, "TotalRestantaL"), label(w, "TotalPenalitatiL"), label(w, "TotalDePlataL")};
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<test::ProgramFolder>("15.03.2024");
        app_ = &folder_->app();
        ui_ = std::make_unique<ScriptedInteraction>();
        dialog_ = std::make_unique<PaymentDialog>(*app_);
        details_ = std::make_unique<DetailsWindow>(*app_, *ui_, *dialog_);
        enterContract();
    }

    void cleanup()
    {
        details_.reset();
        dialog_.reset();
        app_ = nullptr;
        folder_.reset();
    }

    void theDetailsShowTheInstallmentsOwedAtTheCalculationDate()
    {
        whileOpen([&](DetailsWindow& w) {
            showWhole(w);
            QCOMPARE(w.windowTitle(), QString("Detalii / Incasari"));
            QCOMPARE(label(&w, "NRCON") + label(&w, "NrConSep") + label(&w, "DataCon"), QString("12 / 15.03.2022"));
            QCOMPARE(label(&w, "Nume"), QString("ŢIBULEAC ION"));
            QCOMPARE(label(&w, "ROL"), QString("1024"));
            QCOMPARE(label(&w, "Loc"), QString("IAŞI"));
            QCOMPARE(label(&w, "StopPenCap"), QString("Penalitati oprite de la data de"));
            QCOMPARE(label(&w, "StopPenL"), QString(" -"));
            QCOMPARE(w.findChild<QPlainTextEdit*>("Obs")->toPlainText(), QString());
            QCOMPARE(w.findChild<QDateEdit*>("DataCalc")->date(), day("15.03.2024"));

            QTableView* rates = grid(&w, "RateGrid");
            QCOMPARE(titlesOf(rates),
                     QStringList({"Nr. rata", "Data impunerii", "Data scadenta", "Rata initiala", "Rata actualizata",
                                  "Achitat", "Rest de plata", "Penalitati Sold", "Penalitati curente", "Total",
                                  "De achitat"}));
            QCOMPARE(boldTitles(rates), QStringList({"Rest de plata", "Total", "De achitat"}));
            QCOMPARE(bandsOver(w.findChild<QWidget*>("RateBand"), rates), QStringList({"Penalitati:7-9"}));
            // The first two are overdue since 15.04.2022 and 15.04.2023; the third has just been imposed.
            QCOMPARE(rowsOf(rates),
                     QStringList({"1|15.03.2022|15.04.2022|1000|1000|0|1000|0|701|701|1701",
                                  "2|15.03.2023|15.04.2023|1000|1000|0|1000|0|336|336|1336",
                                  "3|15.03.2024|15.04.2024|1000|1000|0|1000|0|0|0|1000"}));
            QCOMPARE(totals(&w), QStringList({"3000", "1037", "4037"}));
            QCOMPARE(label(&w, "TotalDePlataLei"), QString("LEI"));

            QTableView* payments = grid(&w, "ChitGrid");
            QCOMPARE(label(&w, "ChitanteL"), QString("  Lista chitantelor taiate"));
            QCOMPARE(titlesOf(payments),
                     QStringList({"Tip", "Numarul", "Din data", "Rata achitata", "Penalitati", "Total"}));
            QCOMPARE(bandsOver(w.findChild<QWidget*>("ChitBand"), payments),
                     QStringList({"Document justificativ:0-2"}));
            QCOMPARE(payments->model()->rowCount(), 0);

            // Before the first installment: nothing imposed, nothing owed.
            auto* date = w.findChild<QDateEdit*>("DataCalc");
            date->setDate(day("14.03.2022"));
            QCOMPARE(rowsOf(rates), QStringList());
            QCOMPARE(totals(&w), QStringList({"0", "0", "0"}));

            // A change that arrives while the grid is being loaded again gets one more pass, with its date.
            QTimer::singleShot(0, &w, [date] { date->setDate(day("16.03.2025")); });
            date->setDate(day("15.03.2023"));
            QCOMPARE(date->date(), day("16.03.2025"));
            QCOMPARE(rates->model()->rowCount(), 4);
            QCOMPARE(rates->currentIndex().row(), 3);                     // the last installment
            QCOMPARE(totals(&w), QStringList({"4000", "2105", "6105"}));  // 1067 + 702 + 336 days late
        });
        // The window keeps the date chosen last for the next opening.
        whileOpen([&](DetailsWindow& w) {
            QCOMPARE(w.findChild<QDateEdit*>("DataCalc")->date(), day("16.03.2025"));
            QCOMPARE(grid(&w, "RateGrid")->model()->rowCount(), 4);
            QTest::keyClick(grid(&w, "RateGrid"), Qt::Key_Escape);
            QVERIFY2(!w.isVisible(), "Esc closes the window");
        });
    }

    void aPaymentTypedInTheDialogIsSpreadAndListed()
    {
        app_->ids().SetId("NRCHIT", 57);
        std::vector<std::pair<qint64, QString>> receipts;  // IDCHIT, the payment line current meanwhile
        details_->setReceiptPrinter([&](qint64 idchit) {
            const QModelIndex current = grid(details_.get(), "ChitGrid")->currentIndex();
            receipts.emplace_back(idchit, rowsOf(grid(details_.get(), "ChitGrid")).value(current.row()));
        });
        whileOpen([&](DetailsWindow& w) {
            showWhole(w);
            answerDialog<PaymentDialog>([](PaymentDialog* d) {
                QCOMPARE(d->windowTitle(), QString("Adaugare Plata"));
                QCOMPARE(d->findChild<QLabel*>("HeaderL")->text(), QString("Adaugare Plata"));
                auto* kind = d->findChild<QComboBox*>("DocJus");
                QCOMPARE(kind->currentText(), QString("Chitanta"));
                QCOMPARE(kind->count(), 3);
                QCOMPARE(d->focusWidget(), kind);
                QCOMPARE(label(d, "DataChit"), QString("15.03.2024"));
                QCOMPARE(label(d, "SumaMax"), QString("6037"));  // the two installments not yet imposed too
                auto* number = d->findChild<QLineEdit*>("NrChit");
                auto* amount = d->findChild<QLineEdit*>("Total");
                QCOMPARE(number->text(), QString("57"));
                QCOMPARE(amount->text(), QString("0"));

                QTest::keyClick(kind, Qt::Key_Return);  // Enter walks the fields
                QCOMPARE(d->focusWidget(), number);
                type(number, "12345678901234");
                QCOMPARE(number->text(), QString("123456789012"));
                type(number, "57");
                type(amount, "1");
                d->findChild<QPushButton*>("MemoreazaBut")->click();
                QCOMPARE(balloonAt(d, amount), QString("Valoarea incasata e ciudata!"));
                QVERIFY(d->isVisible());
                type(amount, "6038");
                d->findChild<QPushButton*>("MemoreazaBut")->click();
                QCOMPARE(balloonAt(d, amount), QString("Suma incasata nu poate fi mai mare de 6037!"));
                QVERIFY(d->isVisible());
                kind->setCurrentIndex(1);
                type(amount, "1200");
                test::saveScreenshot(d, "payment_dialog");
                d->findChild<QPushButton*>("MemoreazaBut")->click();
                QVERIFY2(!d->isVisible(), "accepted");
            });
            button(&w, "AdaugaBut")->click();

            // The first installment's penalty first, the rest on its principal; it is settled to the payment
            // date, and a day is charged again from there on what it still owes (501 lei for one day).
            QCOMPARE(rowsOf(grid(&w, "RateGrid")),
                     QStringList({"1|15.03.2022|15.04.2022|1000|1000|499|501|0|1|1|502",
                                  "2|15.03.2023|15.04.2023|1000|1000|0|1000|0|336|336|1336",
                                  "3|15.03.2024|15.04.2024|1000|1000|0|1000|0|0|0|1000"}));
            QCOMPARE(grid(&w, "RateGrid")->currentIndex().row(), 2);
            QCOMPARE(totals(&w), QStringList({"2501", "337", "2838"}));
            const QString line = "Ordin de plata|57|15.03.2024|499|701|1200";
            QCOMPARE(rowsOf(grid(&w, "ChitGrid")), QStringList({line}));
            QCOMPARE(receipts.size(), size_t(1));
            QCOMPARE(receipts[0].second, line);

            // Cancelled: the next number is proposed and nothing is stored.
            answerDialog<PaymentDialog>([](PaymentDialog* d) {
                QCOMPARE(d->findChild<QLineEdit*>("NrChit")->text(), QString("58"));
                QCOMPARE(d->findChild<QComboBox*>("DocJus")->currentText(), QString("Chitanta"));
                QCOMPARE(d->findChild<QLineEdit*>("Total")->text(), QString("0"));
                QTest::keyClick(d, Qt::Key_Escape);
            });
            button(&w, "AdaugaBut")->click();
            QCOMPARE(rowsOf(grid(&w, "ChitGrid")), QStringList({line}));
            QCOMPARE(receipts.size(), size_t(1));
        });
        const QueryResult stored = app_->db().select("SELECT IDCHIT FROM Chitante WHERE IDCON = ?", {idcon_});
        QCOMPARE(stored.rows.size(), size_t(1));
        QCOMPARE(stored.rows[0][0].toLongLong(), receipts[0].first);
    }

    // "Listeaza Chitanta": a balloon over an empty payment list; else the current payment's receipt is written
    // from the data folder's form and handed to the desktop.
    void theReceiptOfTheCurrentPaymentIsWrittenAndOpened()
    {
        test::RecordingOpener desktop;
        TRTFReplace rtf(desktop);
        details_->setReceiptPrinter([&](qint64 idchit) { PrintReceipt(*app_, *ui_, rtf, idchit); });
        whileOpen([&](DetailsWindow& w) {
            w.move(w.screen()->availableGeometry().right() - w.width(), 0);  // its buttons on the test screen
            button(&w, "ChitantaBut")->click();
            QCOMPARE(balloonAt(&w, button(&w, "ChitantaBut")), QString("Nu aveti ce lista!"));
        });
        QVERIFY(desktop.opened.isEmpty());
        pay("20.04.2022", 57, 1200);
        whileOpen([&](DetailsWindow& w) { button(&w, "ChitantaBut")->click(); });
        QCOMPARE(desktop.opened.size(), 1);
        QVERIFY(desktop.opened[0].endsWith("Chitanta0.rtf"));
        QFile receipt(desktop.opened[0]);
        QVERIFY(receipt.open(QIODevice::ReadOnly));
        const QByteArray text = receipt.readAll();
        QVERIFY(text.contains("1024"));  // the holder's ROL
        QVERIFY(!text.contains("[Nume]"));
    }

    void aFinishedContractOpensNoDialog()
    {
        app_->db().execute("UPDATE Rate SET ACHITAT = RATACALC WHERE IDCON = ?", {idcon_});
        whileOpen([&](DetailsWindow& w) {
            QTimer::singleShot(0, [] {
                if (QWidget* modal = QApplication::activeModalWidget(); qobject_cast<PaymentDialog*>(modal))
                    modal->close();  // opened, which it must not be; the check below says so
            });
            button(&w, "AdaugaBut")->click();
            QVERIFY(!ui_->shown().empty());
            QCOMPARE(ui_->shown().back().caption, QString("Incasare"));
            QCOMPARE(ui_->shown().back().text, QString("Acest contract este finalizat!"));
            QCOMPARE(ui_->shown().back().kind, MessageKind::Error);
            QCOMPARE(totals(&w), QStringList({"0", "0", "0"}));
        });
    }

    void onlyTheLastPaymentIsUndoneAndOnlyOnceConfirmed()
    {
        pay("01.06.2023", 3, 500);
        pay("01.12.2023", 4, 800, "Ordin de plata");
        QStringList beforeThird;
        whileOpen([&](DetailsWindow& w) { beforeThird = rowsOf(grid(&w, "RateGrid")); });
        pay("15.02.2024", 5, 400);

        whileOpen([&](DetailsWindow& w) {
            showWhole(w);
            QTableView* payments = grid(&w, "ChitGrid");
            QCOMPARE(payments->model()->rowCount(), 3);
            QCOMPARE(payments->currentIndex().row(), 2);
            w.resize(1120, 640);
            QCoreApplication::processEvents();
            test::saveScreenshot(&w, "details_window");
            showWhole(w);

            payments->setCurrentIndex(payments->model()->index(0, 0));
            button(&w, "StergeBut")->click();
            QCOMPARE(ui_->shown().back().caption, QString("Stergere incasare"));
            QCOMPARE(ui_->shown().back().text, QString("NU puteti sterge decat ULTIMA incasare!"));
            QCOMPARE(ui_->shown().back().kind, MessageKind::Error);
            QCOMPARE(payments->model()->rowCount(), 3);

            payments->setCurrentIndex(payments->model()->index(2, 0));
            ui_->answer(MessageResult::No);
            button(&w, "StergeBut")->click();
            QCOMPARE(ui_->shown().back().text, QString("Stergem Chitanta nr.5 ?"));
            QCOMPARE(ui_->shown().back().buttons, MessageButton::Yes | MessageButton::No);
            QCOMPARE(ui_->shown().back().kind, MessageKind::Confirmation);
            QCOMPARE(payments->model()->rowCount(), 3);

            ui_->answer(MessageResult::Yes);
            button(&w, "StergeBut")->click();
            // 413 days on the first installment's 1000 lei, then 184 days on the 913 lei it still owed.
            QCOMPARE(rowsOf(payments),
                     QStringList({"Chitanta|3|01.06.2023|87|413|500", "Ordin de plata|4|01.12.2023|632|168|800"}));
            QCOMPARE(payments->currentIndex().row(), 1);
            QCOMPARE(rowsOf(grid(&w, "RateGrid")), beforeThird);

            for (int left = 2; left > 0; --left) {
                ui_->answer(MessageResult::Yes);
                button(&w, "StergeBut")->click();
            }
            QCOMPARE(payments->model()->rowCount(), 0);
            QCOMPARE(totals(&w), QStringList({"3000", "1037", "4037"}));  // as before any payment
            const size_t asked = ui_->shown().size();
            w.move(w.screen()->availableGeometry().right() - w.width(), 0);  // its buttons on the test screen
            button(&w, "StergeBut")->click();
            QCOMPARE(balloonAt(&w, button(&w, "StergeBut")), QString("Nu aveti ce sterge!"));
            QCOMPARE(ui_->shown().size(), asked);
        });
    }
};

}  // namespace velmar

QTEST_MAIN(velmar::PaymentWindowsTest)
#include "test_payment_windows.moc"
