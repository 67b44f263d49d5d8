// The payments slip's period dialog, driven from timers as a clerk drives it: what it starts with, the
// refused period that keeps what was typed, the chosen slip, and the values kept for the next opening.
#include "report_cells.h"
#include "report_register.h"

#include "app/interaction.h"
#include "platform/document_opener.h"
#include "reports/period_dialog.h"
#include "reports/template_exporter.h"
#include "store/dates.h"
#include "support/screenshots.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace velmar {

namespace {

QDate day(const char* text) { return *parseDate(QString::fromLatin1(text)); }

struct RecordingOpener final : DocumentOpener {
    bool open(const QString& path) override
    {
        opened << path;
        return true;
    }
    QStringList opened;
};

QString balloonText(QWidget* window)
{
    for (QWidget* balloon : window->findChildren<QWidget*>(QStringLiteral("ProblemBalloon")))
        if (balloon->isVisible())
            return balloon->findChild<QLabel*>(QStringLiteral("ProblemText"))->text();
    return {};
}

QStringList items(QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

}  // namespace

class PeriodDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ReportRegister> register_;
    std::unique_ptr<ScriptedInteraction> ui_;
    std::unique_ptr<RecordingOpener> opener_;
    std::unique_ptr<TemplateExporter> exporter_;
    std::unique_ptr<PeriodDialog> dialog_;

    QDateEdit* date(const char* name) { return dialog_->findChild<QDateEdit*>(QLatin1String(name)); }
    QComboBox* docJus() { return dialog_->findChild<QComboBox*>(QStringLiteral("DocJus")); }
    QPushButton* button(const char* name) { return dialog_->findChild<QPushButton*>(QLatin1String(name)); }

    // Runs `act` once the dialog is up, then shows the slip if it was chosen; true when it was.
    bool whileOpen(const std::function<void()>& act)
    {
        QTimer::singleShot(0, dialog_.get(), [this, act] {
            QVERIFY(QApplication::activeModalWidget() == dialog_.get());
            act();
            if (dialog_->isVisible())
                dialog_->reject();
        });
        return dialog_->PaymentsSlip();
    }

private slots:
    void init()
    {
        register_ = std::make_unique<test::ReportRegister>("10.12.2026");
        register_->contract({1, "POPESCU ION", "1800101221144", "R12"});
        register_->payment({1, "Chitanta", 1, "05.03.2024", 100, 0});
        register_->payment({1, "Ordin de plata", 2, "20.03.2024", 200, 3});
        register_->payment({1, "Ordin de plata", 3, "10.04.2024", 300, 0});
        ui_ = std::make_unique<ScriptedInteraction>();
        opener_ = std::make_unique<RecordingOpener>();
        exporter_ = std::make_unique<TemplateExporter>(*opener_);
        dialog_ = std::make_unique<PeriodDialog>(register_->app(), *ui_, *exporter_);
    }

    void cleanup()
    {
        dialog_.reset();
        exporter_.reset();
        opener_.reset();
        ui_.reset();
        register_.reset();
    }

    void startsWithTheMonthUpToTodayAndEveryDocumentType()
    {
        const bool chosen = whileOpen([this] {
            QCOMPARE(dialog_->windowTitle(), QString("Borderou incasari"));
            QCOMPARE(dialog_->findChild<QLabel*>("HeaderL")->text(),
                     QString("Alegeti perioada pentru care doriti raportul"));
            QCOMPARE(date("Data0")->date(), day("10.11.2026"));
            QCOMPARE(date("Data1")->date(), day("10.12.2026"));
            QCOMPARE(date("Data0")->text(), QString("10.11.2026"));
            QCOMPARE(items(docJus()), (QStringList{"* indiferent *", "Chitanta", "Ordin de plata", "Nota contabila"}));
            QCOMPARE(docJus()->currentIndex(), 0);
            QCOMPARE(button("AmAlesBut")->text(), QString("&Am ales"));
            QCOMPARE(button("RenuntBut")->text(), QString("&Renunt"));
            QCOMPARE(dialog_->focusWidget(), date("Data0"));
            // Enter walks to the next field instead of choosing.
            QTest::keyClick(date("Data0"), Qt::Key_Return);
            QCOMPARE(dialog_->focusWidget(), date("Data1"));
            QTest::keyClick(date("Data1"), Qt::Key_Return);
            QCOMPARE(dialog_->focusWidget(), docJus());
            QVERIFY(dialog_->isVisible());
            test::saveScreenshot(dialog_.get(), "period_dialog");
            QTest::keyClick(docJus(), Qt::Key_Escape);
            QVERIFY(!dialog_->isVisible());
        });
        QVERIFY(!chosen);
        QVERIFY(opener_->opened.isEmpty());
    }

    void aReversedPeriodIsRefusedAtTheEndDateAndKeepsWhatWasTyped()
    {
        const bool chosen = whileOpen([this] {
            date("Data0")->setDate(day("15.03.2024"));
            date("Data1")->setDate(day("01.03.2024"));
            docJus()->setCurrentText("Ordin de plata");
            QTest::mouseClick(button("AmAlesBut"), Qt::LeftButton);
            QCOMPARE(balloonText(dialog_.get()), QString("Perioada incorecta!"));
            QVERIFY(dialog_->isVisible());
            QCOMPARE(date("Data0")->date(), day("15.03.2024"));
            QCOMPARE(date("Data1")->date(), day("01.03.2024"));
            QCOMPARE(docJus()->currentText(), QString("Ordin de plata"));

            date("Data1")->setDate(day("31.03.2024"));
            QTest::mouseClick(button("AmAlesBut"), Qt::LeftButton);
            QVERIFY(!dialog_->isVisible());
        });
        QVERIFY(chosen);
        QCOMPARE(opener_->opened.size(), 1);
        const QString cells = test::reportCells(opener_->opened.front());
        QVERIFY2(cells.contains("1:in perioada 15.03.2024 - 31.03.2024"), qPrintable(cells));
        QVERIFY2(cells.contains("1:Ordin de plata,2:2,"), qPrintable(cells));
        QVERIFY2(!cells.contains("1:Chitanta") && !cells.contains("2:300,"), qPrintable(cells));
        QVERIFY(ui_->shown().empty());
    }

    void theChosenValuesStayForTheNextSlip()
    {
        QVERIFY(whileOpen([this] {
            date("Data0")->setDate(day("01.03.2024"));
            date("Data1")->setDate(day("10.04.2024"));
            docJus()->setCurrentText("Nota contabila");
            QTest::mouseClick(button("AmAlesBut"), Qt::LeftButton);
        }));
        QVERIFY(!whileOpen([this] {
            QCOMPARE(date("Data0")->date(), day("01.03.2024"));
            QCOMPARE(date("Data1")->date(), day("10.04.2024"));
            QCOMPARE(docJus()->currentText(), QString("Nota contabila"));
            QTest::mouseClick(button("RenuntBut"), Qt::LeftButton);
        }));
        QCOMPARE(opener_->opened.size(), 1);
    }

    void aMissingTemplateIsShownAsAnErrorAndNoSlipIsMade()
    {
        QFile::remove(register_->app().dataFolder() + "/Incas.xls");
        QVERIFY(whileOpen([this] { QTest::mouseClick(button("AmAlesBut"), Qt::LeftButton); }));
        QCOMPARE(int(ui_->shown().size()), 1);
        QVERIFY(ui_->shown().front().text.startsWith("Sablonul "));
        QVERIFY(opener_->opened.isEmpty());
    }
};

}  // namespace velmar

QTEST_MAIN(velmar::PeriodDialogTest)
#include "test_period_dialog.moc"
