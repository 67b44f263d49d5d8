// The "Export Grila" dialog driven as a clerk drives it: the formats with Excel chosen, a file saved where the
// save dialog says, a file shown from TEMP, the clipboard with its message, and a refusal that keeps it open.
#include "sample_table.h"

#include "app/interaction.h"
#include "export/grid_export_dialog.h"
#include "export/table_export.h"
#include "store/folders.h"
#include "support/program_folder.h"
#include "support/recording_opener.h"
#include "support/screenshots.h"
#include "support/temp_folder.h"
#include "xls/workbook.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace velmar {

class GridExportDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ProgramFolder> folder_;
    std::unique_ptr<ScriptedInteraction> ui_;
    test::RecordingOpener opener_;
    std::unique_ptr<GridExportDialog> dialog_;
    QStringList suggested_;
    QString answer_;  // what the save dialog answers

    template <class W>
    W* child(const char* name)
    {
        W* found = dialog_->findChild<W*>(QLatin1String(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    void choose(ExportFormat format)
    {
        const auto& formats = exportFormats();
        const auto at = std::find_if(formats.begin(), formats.end(),
                                     [format](const ExportFormatInfo& info) { return info.format == format; });
        child<QListWidget>("Format")->setCurrentRow(int(at - formats.begin()));
    }
    // Runs `clerk` once the dialog is up; whatever happens there, the dialog ends. Returns what Execute did.
    bool execute(const std::function<void()>& clerk)
    {
        QTimer::singleShot(0, dialog_.get(), [this, clerk] {
            clerk();
            if (dialog_->isVisible())
                dialog_->reject();
        });
        const ShownTable table = test::sampleTable();
        return dialog_->Execute(table);
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<test::ProgramFolder>("11.12.2026");
        ui_ = std::make_unique<ScriptedInteraction>();
        opener_.opened.clear();
        suggested_.clear();
        dialog_ = std::make_unique<GridExportDialog>(*ui_, opener_, tempFolder());
        dialog_->setSavePathAsker([this](QWidget*, const QString& suggested, const QString&) {
            suggested_ << suggested;
            return answer_;
        });
    }
    void cleanup()
    {
        dialog_.reset();
        folder_.reset();
    }

    void offersEveryFormatWithExcelChosen()
    {
        QStringList labels;
        bool toFile = false;
        const bool exported = execute([&] {
            for (int i = 0; i < child<QListWidget>("Format")->count(); ++i)
                labels << child<QListWidget>("Format")->item(i)->text();
            toFile = child<QRadioButton>("InFisier")->isChecked();
            QCOMPARE(dialog_->chosenFormat(), ExportFormat::Excel);
            test::saveScreenshot(dialog_.get(), "grid_export_dialog");
            QTest::keyClick(dialog_.get(), Qt::Key_Escape);
        });
        QVERIFY(!exported);
        QCOMPARE(labels,
                 QStringList({"HTML", "Excel", "Word", "Text", "Text separat prin virgula (CSV)",
                              "Text separat prin Tab", "RTF", "DIF", "SYLK", "Clipboard"}));
        QVERIFY(toFile);
        QCOMPARE(dialog_->windowTitle(), QString("Export Grila"));
        QCOMPARE(child<QLabel>("FormatL")->text(), QString("Formatul e&xportat:"));
        QCOMPARE(child<QRadioButton>("InFisier")->text(), QString("Export &in fisier"));
        QCOMPARE(child<QRadioButton>("Vizualizare")->text(), QString("&Numai vizualizare"));
        QCOMPARE(child<QPushButton>("ExportBut")->text(), QString("&Export"));
        QCOMPARE(child<QPushButton>("RenuntBut")->text(), QString("&Renunt"));
        QCOMPARE(opener_.opened, QStringList());
    }

    void savesWhereTheSaveDialogSaysUnderTheProposedName()
    {
        answer_ = QDir(folder_->home()).filePath("lista");  // typed without its extension
        QVERIFY(execute([&] { child<QPushButton>("ExportBut")->click(); }));
        QCOMPARE(suggested_, QStringList{QDir(QDir::homePath()).filePath("Lista Contractelor 11.12.2026.xls")});
        xls::Workbook book = xls::Workbook::open(answer_ + ".xls");
        QCOMPARE(book.cellText(6, 3), QString::fromUtf8("Ştefănescu, \"Ţuţu\""));
        const auto& counter = static_cast<const SilentProgressCounter&>(ui_->counter());
        QCOMPARE(counter.caption(), QString("Prelucrez..."));
        QVERIFY(!counter.isShown());
        QCOMPARE(ui_->shown().size(), size_t(0));

        // The next save proposes the folder saved into.
        answer_.clear();
        QVERIFY(!execute([&] {
            choose(ExportFormat::Csv);
            child<QPushButton>("ExportBut")->click();
            QVERIFY2(dialog_->isVisible(), "a save dialog given up leaves the export open");
        }));
        QCOMPARE(suggested_.last(), QDir(folder_->home()).filePath("Lista Contractelor 11.12.2026.csv"));
    }

    void aFileThatCannotBeWrittenIsSaidAndTheDialogStaysOpen()
    {
        answer_ = QDir(folder_->home()).filePath("no/such/folder/lista.html");
        bool openAfter = false;
        QVERIFY(!execute([&] {
            choose(ExportFormat::Html);
            child<QPushButton>("ExportBut")->click();
            openAfter = dialog_->isVisible();
        }));
        QVERIFY(openAfter);
        QCOMPARE(ui_->shown().size(), size_t(1));
        QCOMPARE(ui_->shown()[0].kind, MessageKind::Error);
        QVERIFY(!QFileInfo::exists(answer_));
    }

    void viewingWritesIntoTempAndShowsIt()
    {
        QVERIFY(execute([&] {
            choose(ExportFormat::Rtf);
            child<QRadioButton>("Vizualizare")->click();
            child<QPushButton>("ExportBut")->click();
        }));
        const QString shown = QDir(tempFolder()).filePath("Grila0.rtf");
        QCOMPARE(opener_.opened, QStringList{shown});
        QVERIFY(test::readBytes(shown).startsWith("{\\rtf1"));
        QCOMPARE(suggested_, QStringList());
    }

    void theClipboardGetsTextAndPageAndTheClerkIsTold()
    {
        bool destinationsOff = false;
        QVERIFY(execute([&] {
            choose(ExportFormat::Clipboard);
            destinationsOff =
                !child<QRadioButton>("InFisier")->isEnabled() && !child<QRadioButton>("Vizualizare")->isEnabled();
            child<QPushButton>("ExportBut")->click();
        }));
        QVERIFY(destinationsOff);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        const ClipboardContent expected = clipboardContent(test::sampleTable());
        QCOMPARE(data->text(), expected.text);
        QVERIFY(data->hasHtml());
        QVERIFY(data->html().contains("<th colspan=\"2\">Contract de Concesiune</th>"));
        QCOMPARE(ui_->shown().size(), size_t(1));
        QCOMPARE(ui_->shown()[0].text, QString("Tabelul a fost copiat in Clipboard!"));
        QCOMPARE(ui_->shown()[0].kind, MessageKind::Information);
        QCOMPARE(opener_.opened, QStringList());
    }
};

}  // namespace velmar

QTEST_MAIN(velmar::GridExportDialogTest)
#include "test_grid_export_dialog.moc"
