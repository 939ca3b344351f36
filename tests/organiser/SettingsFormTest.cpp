#include "SettingsForm.h"
#include "Guard.h"
#include "MainFormFixture.h"
#include "SpinField.h"
#include "WrapTabBar.h"
#include "WrapTabWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

const QString Ini = QStringLiteral("Zimpa.ini");
const QString TimeTemplate = QStringLiteral("time/template");
const QString TaskTemplate = QStringLiteral("task/template");
const QString NoteTemplate = QStringLiteral("memo/template");

// The settings dialog over a started main window, made as its menu item makes it; shown where a
// test needs it to close.
class SettingsFormTest : public MainFormFixture {
protected:
    void TearDown() override {
        dialog.reset();
        MainFormFixture::TearDown();
    }

    TfrmSettings& open(bool shown = false) {
        create();
        boxes.clear();
        dialog = std::make_unique<TfrmSettings>(*window);
        finished = std::make_unique<QSignalSpy>(dialog.get(), &QDialog::finished);
        if (shown) {
            dialog->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        }
        return *dialog;
    }

    void choose(int kind) {
        dialog->cbTemplateType->setCurrentIndex(kind);
        dialog->cbTemplateTypeChange();
    }

    QString templateMessage(const QString& name) const {
        return QStringLiteral("Hiba: nem olvasható a(z) ") + folder.file(name) +
               QStringLiteral(" sablon!");
    }

    std::unique_ptr<TfrmSettings> dialog;
    std::unique_ptr<QSignalSpy> finished;
};

} // namespace

TEST_F(SettingsFormTest, OkWithoutAChangeWritesAllThirteenDefaultsAndTheShownTemplate) {
    TfrmSettings& d = open();
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_NE(d.cbFontName1->findText(QStringLiteral("Default")), -1);
    // Every line of the template is an editable row, the first one too.
    EXPECT_EQ(d.sgTime_Template->rowCount(), 2);
    EXPECT_TRUE(d.sgTime_Template->item(0, 0)->flags().testFlag(Qt::ItemIsEditable));

    d.btnOk->click();
    EXPECT_EQ(folder.read(Ini),
              QByteArray("[MainForm]\r\ntbFile=1\r\ntbNevnap=1\r\nAlign=1\r\nStayOnTop=1\r\n"
                         "Editor=1\r\nEnablePast=1\r\nFontName=Arial\r\nFontSize=10\r\n"
                         "[ViewForm]\r\nTransparent=0\r\nFontName=Arial\r\nFontSize=10\r\n"
                         "[General]\r\nBackupTime=300\r\nUpdateServer=http://www.zimpa.hu\r\n"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("A változtatások alkalmazásához újra kell indítani a programot."));
    EXPECT_EQ(folder.read(TimeTemplate), timeTemplate);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(window->SaveSettingsOnClose());
}

TEST_F(SettingsFormTest, ValuesOutsideTheirRangeAreShownAndWrittenInsideIt) {
    folder.write(Ini, "[ViewForm]\r\nTransparent=150\r\n[General]\r\nBackupTime=5\r\n"
                      "[MainForm]\r\nFontSize=abc\r\nAlign=0\r\nEnablePast=0\r\n");
    TfrmSettings& d = open();
    EXPECT_EQ(d.lbPercent->text(), QStringLiteral("100%"));
    EXPECT_EQ(d.seBackupTime->text(), QStringLiteral("60"));
    EXPECT_EQ(d.seFontSize1->text(), QStringLiteral("10")); // no number: the default
    EXPECT_TRUE(d.rbHorizontalLayout->isChecked());
    EXPECT_TRUE(d.cbEnablePast->isChecked());

    // A spin field holding no number gives its lower bound.
    d.seFontSize2->setText(QStringLiteral("nagy"));
    d.btnOk->click();
    const QByteArray written = folder.read(Ini);
    for (const char* key : {"Transparent=100\r\n", "BackupTime=60\r\n", "Align=0\r\n",
                            "EnablePast=0\r\n", "FontName=Arial\r\nFontSize=0\r\n[General]"})
        EXPECT_TRUE(written.contains(key)) << key << "\n" << written.data();
}

TEST_F(SettingsFormTest, ARefusedSettingsWriteLeavesTheDialogOpenWithNothingElseDone) {
    TfrmSettings& d = open(true);
    d.sgTime_Template->item(0, 0)->setText(QStringLiteral("Más"));
    failWritesOf(Ini);
    d.btnOk->click();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Unable to write to ") + folder.file(Ini) + '.');
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(folder.read(TimeTemplate), timeTemplate);
    EXPECT_TRUE(window->SaveSettingsOnClose());
}

TEST_F(SettingsFormTest, SwitchingTemplatesWritesTheShownOneAtOnceAndCancelKeepsIt) {
    TfrmSettings& d = open();
    d.sgTime_Template->item(1, 1)->setText(QStringLiteral("Reggeli"));
    choose(1);
    const QByteArray time = "Id\xF5pont|Eml\xE9keztet\xF5\r\n|Reggeli\r\n";
    EXPECT_EQ(folder.read(TimeTemplate), time);
    EXPECT_TRUE(d.sgTime_Template->isHidden());
    EXPECT_FALSE(d.sgTask_Template->isHidden());

    // The note template: its lines with CR LF; emptied, the file goes.
    choose(2);
    d.mMemo_Template->setPlainText(QStringLiteral("Bevásárlás:\nkenyér"));
    choose(0);
    EXPECT_EQ(folder.read(NoteTemplate), QByteArray("Bev\xE1s\xE1rl\xE1s:\r\nkeny\xE9r\r\n"));
    choose(2);
    d.mMemo_Template->clear();
    choose(1);
    EXPECT_FALSE(folder.exists(NoteTemplate));

    d.sgTask_Template->item(0, 0)->setText(QStringLiteral("Elvész"));
    d.btnCancel->click();
    EXPECT_FALSE(folder.exists(Ini));
    EXPECT_EQ(folder.read(TimeTemplate), time);
    EXPECT_EQ(folder.read(TaskTemplate), taskTemplate);
    EXPECT_TRUE(window->SaveSettingsOnClose());
}

TEST_F(SettingsFormTest, ATemplateOfThirtyLinesLoadsThirtyRowsAndThreeRowsSaveThreeLines) {
    QByteArray thirty;
    for (int i = 0; i < 30; ++i)
        thirty += QByteArray::number(i) + "|a|b\r\n";
    folder.write(TimeTemplate, thirty);
    TfrmSettings& d = open();
    EXPECT_EQ(d.sgTime_Template->rowCount(), 30);
    EXPECT_EQ(d.seRowNum->text(), QStringLiteral("30"));
    EXPECT_EQ(d.sgTime_Template->item(29, 0)->text(), QStringLiteral("29|a"));

    // On the way to 25 the grid holds 2 rows for a moment; the rows typed come back with 25.
    d.seRowNum->setText(QStringLiteral("2"));
    d.seRowNum->setText(QStringLiteral("25"));
    const QTableWidgetItem* back = d.sgTime_Template->item(24, 0);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text(), QStringLiteral("24|a"));
    d.seRowNum->setValue(3);
    d.btnOk->click();
    EXPECT_EQ(folder.read(TimeTemplate), QByteArray("0|a|b\r\n1|a|b\r\n2|a|b\r\n"));
}

TEST_F(SettingsFormTest, TemplateFailuresAreReportedAndCloseTheDialogOnceItIsShown) {
    QFile::remove(folder.file(TimeTemplate));
    TfrmSettings& d = open();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, templateMessage(TimeTemplate));
    EXPECT_EQ(d.sgTime_Template->rowCount(), 23);
    EXPECT_EQ(d.seRowNum->text(), QStringLiteral("23"));
    EXPECT_TRUE(finished->isEmpty());

    // A failed write keeps the old file; the switch runs to its end, then the dialog closes.
    d.show();
    folder.write(TimeTemplate, timeTemplate);
    failWritesOf(TimeTemplate);
    choose(1);
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[1].text, templateMessage(TimeTemplate));
    EXPECT_EQ(folder.read(TimeTemplate), timeTemplate);
    EXPECT_EQ(d.FTemplateType, 1);
    EXPECT_EQ(finished->size(), 1);

    // A note template that is there but cannot be read is said so; the empty box then deletes
    // nothing.
    QFile::remove(folder.file(NoteTemplate));
    ASSERT_TRUE(QDir(folder.path()).mkdir(NoteTemplate));
    runGuarded([this] { choose(2); });
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes[2].text, QStringLiteral("File access denied."));
    runGuarded([this] { choose(0); });
    EXPECT_EQ(boxes.size(), 3);
}

TEST_F(SettingsFormTest, TheUpdateButtonUsesTheServerTheOrganiserStartedWith) {
    folder.write(Ini, "[General]\r\nUpdateServer=http://frissites.example/zimpa/\r\n");
    TfrmSettings& d = open();
    d.edServer->setText(QStringLiteral("http://mas.example"));
    d.btnUpdate->click();
    EXPECT_EQ(opened, QStringList{QStringLiteral("http://frissites.example/zimpa//upgrade.php?"
                                                 "program=Zimpa&version=2.0.0.100")});
}

TEST_F(SettingsFormTest, EnterAndEscapePressNoButton) {
    TfrmSettings& d = open(true);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(d.edServer, key);
    EXPECT_TRUE(finished->isEmpty());
    EXPECT_FALSE(folder.exists(Ini));
}

TEST_F(SettingsFormTest, TheFontListsNameEachInstalledFamilyOnceByItsPlainName) {
    const QStringList installed{QStringLiteral("Nimbus Sans [URW ]"), QStringLiteral("C059 [urw]"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("C059 [UKWN]"),
                                QStringLiteral("Nimbus Sans [urw]")};
    EXPECT_EQ(TfrmSettings::fontListEntries(installed),
              QStringList({"C059", "Default", "DejaVu Sans", "Nimbus Sans"}));

    TfrmSettings& d = open();
    QStringList shown;
    for (int entry = 0; entry < d.cbFontName2->count(); ++entry)
        shown << d.cbFontName2->itemText(entry);
    EXPECT_EQ(shown, TfrmSettings::fontListEntries(QFontDatabase::families()));
    EXPECT_EQ(d.cbFontName2->currentText(), QStringLiteral("Arial")) << "the name read stays";
}

// At the main window's 14 points the dialog's page tabs need more than its designed width: they
// wrap into rows, and each shows its whole caption.
TEST_F(SettingsFormTest, EveryPageTabShowsWholeAtALargeFont) {
    folder.write(Ini, "[MainForm]\r\nFontSize=14\r\n");
    TfrmSettings& d = open(true);
    d.resize(459, d.height());
    const std::pair<int, const WrapTabWidget*> pageControls[] = {
        {0, d.pcSettings}, {0, d.pcManager}, {1, d.pcViewer}};
    for (const auto& [outerPage, pages] : pageControls) {
        d.pcSettings->setCurrentIndex(outerPage);
        const WrapTabBar* strip = pages->tabBar();
        ASSERT_TRUE(QTest::qWaitFor([strip] { return strip->isVisible(); }));
        for (int index = 0; index < strip->count(); ++index) {
            const QRect tab = strip->tabRects()[index];
            EXPECT_TRUE(strip->rect().contains(tab)) << strip->tabText(index).toStdString();
            EXPECT_GT(tab.width(), strip->fontMetrics().horizontalAdvance(strip->tabText(index)));
        }
    }
}
