#include "ColourNames.h"
#include "MainFormFixture.h"
#include "MainSettings.h"

#include <QAction>
#include <QListWidget>
#include <QTabWidget>

namespace {

class SettingsTest : public MainFormFixture {
protected:
    void writeIni(const QByteArray& mainForm) {
        folder.write(QStringLiteral("Zimpa.ini"), "[MainForm]\r\n" + mainForm);
    }
};

} // namespace

TEST_F(SettingsTest, NoFileGivesTheDefaultWindow) {
    create();
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_FALSE(folder.exists(QStringLiteral("Zimpa.ini"))); // reading never creates it
    EXPECT_EQ(window->pos(), QPoint(50, 50));
    EXPECT_EQ(window->size(), QSize(544, 478));
    EXPECT_EQ(window->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(window->font().pointSize(), 8);
    EXPECT_EQ(window->fontColour(), ColourNames::clBlack);
    EXPECT_FALSE(window->isVerticalLayout());
    EXPECT_TRUE(window->mView_AlignH->isChecked());
    EXPECT_EQ(window->pageControlExtent(), 225);
    for (const QListWidget* list : {window->clbIdopont, window->clbFeladat, window->clbFeljegyzes})
        EXPECT_EQ(TfrmMain::listColumns(list), 2);
    EXPECT_EQ(window->bandPosition(window->ToolBar1), 11);
    EXPECT_EQ(window->bandPosition(window->tbNevnap), 326);
    EXPECT_TRUE(window->mView_cbFile->isChecked());
    EXPECT_TRUE(window->mView_cbNevnap->isChecked());
    EXPECT_TRUE(window->mSettings_Editor->isChecked());
    EXPECT_TRUE(window->mSettings_EnablePast->isChecked());
    EXPECT_FALSE(MainSettings.EnablePast);
    EXPECT_EQ(window->PageControl->currentIndex(), 0);
    EXPECT_FALSE(window->stayOnTop());
    EXPECT_EQ(HomePage, DefaultHomePage);
    EXPECT_EQ(UpdateServer, DefaultHomePage);
}

TEST_F(SettingsTest, CloseWritesTheWindowsSeventeenKeys) {
    create();
    ASSERT_TRUE(close());
    EXPECT_EQ(folder.read(QStringLiteral("Zimpa.ini")),
              QByteArray("[MainForm]\r\nFontName=Arial\r\nFontSize=8\r\nFontColor=clBlack\r\n"
                         "Top=50\r\nLeft=50\r\nWidth=544\r\nHeight=478\r\nEnablePast=0\r\n"
                         "StayOnTop=0\r\nAlign=0\r\nSplitter=225\r\ntbFilePos=11\r\n"
                         "tbNevnapPos=326\r\nListEditor=1\r\ntbFile=1\r\ntbNevnap=1\r\n"
                         "PageIndex=0\r\n"));
}

TEST_F(SettingsTest, CloseRewritesTheSettingsFileOnceForAllItsKeys) {
    create();
    const QString settings = folder.file(QStringLiteral("Zimpa.ini"));
    int rewrites = 0;
    AtomicFile::setFaultForTesting([&](const QString& path) {
        rewrites += path == settings;
        return false;
    });
    ASSERT_TRUE(close());
    EXPECT_EQ(rewrites, 1);
}

TEST_F(SettingsTest, StoredValuesComeBackAfterARoundTrip) {
    folder.write(QStringLiteral("Zimpa.ini"),
                 "[general]\r\nhomepage=http://example.org/zimpa\r\n\r\n"
                 "[MainForm]\r\nFontName=DejaVu Sans\r\nFontSize=11\r\nFontColor=$00563412\r\n"
                 "Top=120\r\nLeft=130\r\nWidth=700\r\nHeight=520\r\nEnablePast=1\r\n"
                 "Align=1\r\nSplitter=300\r\ntbFilePos=40\r\ntbNevnapPos=400\r\n"
                 "ListEditor=0\r\ntbFile=0\r\ntbNevnap=1\r\nPageIndex=3\r\nStayOnTop=1\r\n");
    const QByteArray before = folder.read(QStringLiteral("Zimpa.ini"));
    create();
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(HomePage, QStringLiteral("http://example.org/zimpa"));
    EXPECT_EQ(window->font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(window->fontColour(), 0x00563412u);
    EXPECT_TRUE(MainSettings.EnablePast);
    EXPECT_FALSE(window->mSettings_EnablePast->isChecked());
    EXPECT_TRUE(window->isVerticalLayout());
    EXPECT_EQ(window->pageControlExtent(), 300);
    EXPECT_EQ(TfrmMain::listColumns(window->clbFeladat), 1);
    EXPECT_FALSE(window->mSettings_Editor->isChecked());
    EXPECT_FALSE(window->mView_cbFile->isChecked());
    EXPECT_EQ(window->PageControl->currentIndex(), 3);
    EXPECT_TRUE(window->stayOnTop());

    ASSERT_TRUE(close());
    // Every key goes back in place with the value it came with.
    EXPECT_EQ(folder.read(QStringLiteral("Zimpa.ini")), before);
}

TEST_F(SettingsTest, OddValuesAreReadAsTheFileFormatReadsThem) {
    writeIni("FontSize=264\r\nFontColor=clred\r\nWidth=0x200\r\nHeight=$200\r\nPageIndex=7\r\n"
             "StayOnTop=2\r\ntbFile=yes\r\n");
    create();
    EXPECT_EQ(window->font().pointSize(), 8); // 264 keeps its low byte
    EXPECT_EQ(window->fontColour(), ColourNames::clRed);
    EXPECT_EQ(window->size(), QSize(512, 512));
    EXPECT_EQ(window->PageControl->currentIndex(), 0);
    EXPECT_TRUE(window->stayOnTop());
    EXPECT_TRUE(window->mView_cbFile->isChecked()); // "yes" is no number: the default

    ASSERT_TRUE(close());
    const QByteArray written = folder.read(QStringLiteral("Zimpa.ini"));
    EXPECT_TRUE(written.contains("FontColor=clRed\r\n"));
    EXPECT_TRUE(written.contains("FontSize=8\r\n"));
    EXPECT_TRUE(written.contains("PageIndex=0\r\n"));
}

TEST_F(SettingsTest, UnreadableColourStopsTheStartAndNoSettingsAreWrittenBack) {
    writeIni("FontColor=piros\r\nTop=300\r\nAlign=1\r\n");
    const QByteArray before = folder.read(QStringLiteral("Zimpa.ini"));
    create();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("'piros' is not a valid integer value."));
    EXPECT_FALSE(window->isVerticalLayout()); // keys after the colour were not applied
    EXPECT_NE(window->y(), 300);
    EXPECT_FALSE(window->SaveSettingsOnClose());

    ASSERT_TRUE(close());
    EXPECT_EQ(folder.read(QStringLiteral("Zimpa.ini")), before);
}
