#include "SettingsForm.h"
#include "MainFormFixture.h"
#include "Shell.h"
#include "SpinField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

const QString Ini = QStringLiteral("Zimpa.ini");
const QString RestartMessage =
    QStringLiteral("A változtatások alkalmazásához újra kell indítani a programot.");

// The settings dialog over a started main window, made as its menu item makes it; shown where a
// test needs it to close.
class SettingsFormTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        Shell::setOpenerForTesting([this](const QString& text) { opened.append(text); });
    }

    void TearDown() override {
        dialog.reset();
        Shell::setOpenerForTesting({});
        MainFormFixture::TearDown();
    }

    TfrmSettings& open() {
        create();
        boxes.clear();
        dialog = std::make_unique<TfrmSettings>(*window);
        finished = std::make_unique<QSignalSpy>(dialog.get(), &QDialog::finished);
        return *dialog;
    }

    void show() {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    // The user's pick in the list of templates.
    void choose(int kind) {
        dialog->cbTemplateType->setCurrentIndex(kind);
        dialog->cbTemplateTypeChange();
    }

    void ok() { dialog->btnOk->click(); }

    QStringList boxTexts() const {
        QStringList texts;
        for (const Dialogs::Box& box : boxes)
            texts << box.text;
        return texts;
    }

    static QString cell(const QTableWidget* grid, int row, int column) {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text() : QString();
    }

    std::unique_ptr<TfrmSettings> dialog;
    std::unique_ptr<QSignalSpy> finished;
    QStringList opened;
};

} // namespace

TEST_F(SettingsFormTest, WithoutASettingsFileTheDialogShowsItsOwnDefaults) {
    TfrmSettings& d = open();
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_TRUE(d.cbOperationToolBar->isChecked());
    EXPECT_TRUE(d.cbNevnapToolBar->isChecked());
    EXPECT_TRUE(d.rbVerticalLayout->isChecked());
    EXPECT_TRUE(d.cbStayOnTop->isChecked());
    EXPECT_EQ(d.tbTransparency->value(), 0);
    EXPECT_EQ(d.lbPercent->text(), QStringLiteral("0%"));
    EXPECT_EQ(d.seBackupTime->text(), QStringLiteral("300"));
    EXPECT_TRUE(d.cbEditor->isChecked());
    EXPECT_FALSE(d.cbEnablePast->isChecked());
    EXPECT_EQ(d.cbFontName1->currentText(), QStringLiteral("Arial"));
    EXPECT_EQ(d.seFontSize1->text(), QStringLiteral("10"));
    EXPECT_EQ(d.cbFontName2->currentText(), QStringLiteral("Arial"));
    EXPECT_EQ(d.seFontSize2->text(), QStringLiteral("10"));
    EXPECT_EQ(d.edServer->text(), DefaultHomePage);
    EXPECT_EQ(d.edID->text(), QStringLiteral("Zimpa"));
    EXPECT_EQ(d.edVersion->text(), QStringLiteral("2.0.0.100"));
    // The font lists hold the installed families and "Default", in alphabetical order.
    EXPECT_NE(d.cbFontName1->findText(QStringLiteral("Default")), -1);
    QStringList names;
    for (int i = 0; i < d.cbFontName1->count(); ++i)
        names << d.cbFontName1->itemText(i);
    QStringList sorted = names;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(names, sorted);
    // The appointment template, every line a row of its own, the first one too.
    EXPECT_FALSE(d.sgTime_Template->isHidden());
    EXPECT_TRUE(d.sgTask_Template->isHidden());
    EXPECT_EQ(d.sgTime_Template->rowCount(), 2);
    EXPECT_EQ(cell(d.sgTime_Template, 0, 0), QStringLiteral("Időpont"));
    EXPECT_TRUE(d.sgTime_Template->item(0, 0)->flags().testFlag(Qt::ItemIsEditable));
    EXPECT_EQ(d.seRowNum->text(), QStringLiteral("2"));
    // Nothing is written by looking.
    EXPECT_FALSE(folder.exists(Ini));
}

TEST_F(SettingsFormTest, OkWritesAllThirteenKeysEveryTimeAndTheMainWindowThenWritesNone) {
    TfrmSettings& d = open();
    ok();
    EXPECT_EQ(folder.read(Ini),
              QByteArray("[MainForm]\r\ntbFile=1\r\ntbNevnap=1\r\nAlign=1\r\nStayOnTop=1\r\n"
                         "Editor=1\r\nEnablePast=1\r\nFontName=Arial\r\nFontSize=10\r\n"
                         "[ViewForm]\r\nTransparent=0\r\nFontName=Arial\r\nFontSize=10\r\n"
                         "[General]\r\nBackupTime=300\r\nUpdateServer=http://www.zimpa.hu\r\n"));
    EXPECT_EQ(boxTexts(), QStringList{RestartMessage});
    // The template shown is written too, unchanged as it is.
    EXPECT_EQ(folder.read(QStringLiteral("time/template")), timeTemplate);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(window->SaveSettingsOnClose());

    // The organiser's close leaves the dialog's keys standing and adds none of its own.
    const QByteArray written = folder.read(Ini);
    ASSERT_TRUE(close());
    EXPECT_EQ(folder.read(Ini), written);
}

TEST_F(SettingsFormTest, ValuesOutsideTheirRangeAreShownAndWrittenInsideIt) {
    folder.write(Ini, "[ViewForm]\r\nTransparent=150\r\n[General]\r\nBackupTime=5\r\n"
                      "[MainForm]\r\nFontSize=abc\r\nAlign=0\r\nEnablePast=0\r\n");
    TfrmSettings& d = open();
    EXPECT_EQ(d.tbTransparency->value(), 100);
    EXPECT_EQ(d.lbPercent->text(), QStringLiteral("100%"));
    EXPECT_EQ(d.seBackupTime->text(), QStringLiteral("60"));
    EXPECT_EQ(d.seFontSize1->text(), QStringLiteral("10")); // no number: the default
    EXPECT_TRUE(d.rbHorizontalLayout->isChecked());
    EXPECT_TRUE(d.cbEnablePast->isChecked());

    // A spin field holding no number gives its lower bound.
    d.seFontSize2->setText(QStringLiteral("nagy"));
    ok();
    const QByteArray written = folder.read(Ini);
    for (const char* key :
         {"Transparent=100\r\n", "BackupTime=60\r\n", "Align=0\r\n", "EnablePast=0\r\n",
          "[ViewForm]\r\nTransparent=100\r\nFontName=Arial\r\nFontSize=0\r\n"})
        EXPECT_TRUE(written.contains(key)) << key << "\n" << written.data();
}

TEST_F(SettingsFormTest, ARefusedSettingsWriteLeavesTheDialogOpenWithNothingElseDone) {
    TfrmSettings& d = open();
    show();
    d.sgTime_Template->item(0, 0)->setText(QStringLiteral("Más"));
    failWritesOf(Ini);
    ok();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Unable to write to ") + folder.file(Ini) + '.');
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("time/template")), timeTemplate);
    EXPECT_TRUE(window->SaveSettingsOnClose());
}

TEST_F(SettingsFormTest, SwitchingTemplatesWritesTheShownOneAtOnceAndCancelKeepsIt) {
    TfrmSettings& d = open();
    d.sgTime_Template->item(1, 0)->setText(QStringLiteral("8:00"));
    d.sgTime_Template->item(1, 1)->setText(QStringLiteral("Reggeli"));
    choose(1);
    EXPECT_EQ(folder.read(QStringLiteral("time/template")),
              QByteArray("Id\xF5pont|Eml\xE9keztet\xF5\r\n8:00|Reggeli\r\n"));
    EXPECT_FALSE(d.sgTask_Template->isHidden());
    EXPECT_TRUE(d.sgTime_Template->isHidden());
    EXPECT_EQ(cell(d.sgTask_Template, 0, 0), QStringLiteral("Határidő"));

    // Five rows for the task: exactly five lines, whatever the other grid holds.
    d.seRowNum->setValue(5);
    choose(2);
    EXPECT_EQ(folder.read(QStringLiteral("task/template")),
              QByteArray("Hat\xE1rid\xF5|Feladat\r\n|\r\n|\r\n|\r\n|\r\n"));
    EXPECT_TRUE(d.seRowNum->isHidden());
    EXPECT_TRUE(d.lbRowNum->isHidden());
    EXPECT_FALSE(d.mMemo_Template->isHidden());

    // The note template: its lines with CR LF; emptied, the file goes.
    d.mMemo_Template->setPlainText(QStringLiteral("Bevásárlás:\nkenyér"));
    choose(0);
    EXPECT_EQ(folder.read(QStringLiteral("memo/template")),
              QByteArray("Bev\xE1s\xE1rl\xE1s:\r\nkeny\xE9r\r\n"));
    choose(2);
    // The file's lines, each with its line end.
    EXPECT_EQ(d.mMemo_Template->toPlainText(), QStringLiteral("Bevásárlás:\nkenyér\n"));
    d.mMemo_Template->clear();
    choose(1);
    EXPECT_FALSE(folder.exists(QStringLiteral("memo/template")));

    d.sgTask_Template->item(0, 0)->setText(QStringLiteral("Elvész"));
    d.btnCancel->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(folder.exists(Ini));
    EXPECT_EQ(folder.read(QStringLiteral("time/template")),
              QByteArray("Id\xF5pont|Eml\xE9keztet\xF5\r\n8:00|Reggeli\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("task/template")),
              QByteArray("Hat\xE1rid\xF5|Feladat\r\n|\r\n|\r\n|\r\n|\r\n"));
    EXPECT_TRUE(window->SaveSettingsOnClose());
}

TEST_F(SettingsFormTest, ATemplateOfThirtyLinesLoadsThirtyRowsAndThreeRowsSaveThreeLines) {
    QByteArray thirty;
    for (int i = 0; i < 30; ++i)
        thirty += QByteArray::number(i) + "|a|b" + QByteArray::number(i) + "\r\n";
    folder.write(QStringLiteral("time/template"), thirty);
    TfrmSettings& d = open();
    EXPECT_EQ(d.sgTime_Template->rowCount(), 30);
    EXPECT_EQ(d.seRowNum->text(), QStringLiteral("30"));
    EXPECT_EQ(cell(d.sgTime_Template, 29, 0), QStringLiteral("29|a"));
    EXPECT_EQ(cell(d.sgTime_Template, 29, 1), QStringLiteral("b29"));

    d.seRowNum->setValue(3);
    ok();
    EXPECT_EQ(folder.read(QStringLiteral("time/template")),
              QByteArray("0|a|b0\r\n1|a|b1\r\n2|a|b2\r\n"));
}

TEST_F(SettingsFormTest, AMissingTemplateIsReportedAndTheDialogOpensWithItsDesignedGrid) {
    QFile::remove(folder.file(QStringLiteral("time/template")));
    TfrmSettings& d = open();
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("Hiba: nem olvasható a(z) ") +
                                      folder.file(QStringLiteral("time/template")) +
                                      QStringLiteral(" sablon!")});
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(d.sgTime_Template->rowCount(), 23);
    EXPECT_EQ(d.seRowNum->text(), QStringLiteral("23"));
    EXPECT_TRUE(finished->isEmpty());

    // Shown, the same message closes it once it was confirmed; the switch runs to its end.
    show();
    boxes.clear();
    QFile::remove(folder.file(QStringLiteral("task/template")));
    choose(1);
    EXPECT_EQ(boxes.size(), 1);
    EXPECT_EQ(folder.read(QStringLiteral("time/template")), QByteArray("|\r\n").repeated(23));
    EXPECT_EQ(d.FTemplateType, 1);
    EXPECT_EQ(finished->size(), 1);
}

TEST_F(SettingsFormTest, AFailedTemplateWriteKeepsTheOldFileSaysSoAndClosesTheDialog) {
    TfrmSettings& d = open();
    show();
    d.sgTime_Template->item(0, 0)->setText(QStringLiteral("Más"));
    failWritesOf(QStringLiteral("time/template"));
    choose(2);
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("Hiba: nem olvasható a(z) ") +
                                      folder.file(QStringLiteral("time/template")) +
                                      QStringLiteral(" sablon!")});
    EXPECT_EQ(folder.read(QStringLiteral("time/template")), timeTemplate);
    EXPECT_EQ(finished->size(), 1);
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
    TfrmSettings& d = open();
    show();
    for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(d.edServer, Qt::Key(key));
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(finished->isEmpty());
    EXPECT_FALSE(folder.exists(Ini));
}
