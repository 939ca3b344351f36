#include "ViewFormFixture.h"

#include "ColourNames.h"

#include <QAction>
#include <QCloseEvent>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextEdit>

class ViewFormSettingsTest : public ViewFormFixture {
protected:
    void SetUp() override {
        ViewFormFixture::SetUp();
        folder.write(QStringLiteral("memo/1"), "Jegyzet");
    }

    bool createShowingANote() { return create({QStringLiteral("-D"), QStringLiteral("memo/1")}); }

    QByteArray settings() const { return folder.read(QStringLiteral("Zimpa.ini")); }
};

TEST_F(ViewFormSettingsTest, WithoutASettingsFileTheDefaultsApplyAndAreWrittenAtClose) {
    ASSERT_TRUE(createShowingANote());
    EXPECT_EQ(window->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(window->font().pointSize(), 8);
    EXPECT_EQ(window->pos(), QPoint(50, 50));
    EXPECT_EQ(window->size(), QSize(236, 234));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window->PopupMenu1_StayOnTop->isChecked());
    EXPECT_EQ(opacity.alphaOf(window.get()), 255);
    EXPECT_FALSE(folder.exists(QStringLiteral("Zimpa.ini"))) << "reading never creates the file";

    window->close();
    EXPECT_EQ(settings(), QByteArray("[ViewForm]\r\n"
                                     "FontName=Arial\r\n"
                                     "FontSize=8\r\n"
                                     "FontColor=clBlack\r\n"
                                     "Top=50\r\n"
                                     "Left=50\r\n"
                                     "Width=236\r\n"
                                     "Height=234\r\n"
                                     "StayOnTop=0\r\n"
                                     "Transparent=0\r\n"));
}

TEST_F(ViewFormSettingsTest, StoredValuesApplyAndTheReadFontAndTranslucencyGoBackUnchanged) {
    const QByteArray stored = "[MainForm]\r\nFontName=Tahoma\r\n\r\n"
                              "[ViewForm]\r\n"
                              "FontName=Verdana\r\n"
                              "FontSize=264\r\n"
                              "FontColor=clred\r\n"
                              "Top=0x20\r\n"
                              "Left=$40\r\n"
                              "Width=300\r\n"
                              "Height=200\r\n"
                              "StayOnTop=2\r\n"
                              "Transparent=50\r\n";
    folder.write(QStringLiteral("Zimpa.ini"), stored);
    ASSERT_TRUE(createShowingANote());
    EXPECT_EQ(window->font().family(), QStringLiteral("Verdana"));
    EXPECT_EQ(window->font().pointSize(), 8) << "the low byte of 264";
    EXPECT_EQ(window->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(window->mZimpa->font().family(), QStringLiteral("Verdana"));
    EXPECT_EQ(window->StatusBar1->font().pointSize(), 8);
    EXPECT_EQ(window->pos(), QPoint(64, 32));
    EXPECT_EQ(window->size(), QSize(300, 200));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->PopupMenu1_StayOnTop->isChecked());
    EXPECT_TRUE(window->ViewSettings().StayOnTop);
    EXPECT_EQ(window->ViewSettings().Transparent, 50);
    EXPECT_EQ(opacity.alphaOf(window.get()), 127);

    // Another program changes the font meanwhile; this viewer writes back what it read.
    folder.write(QStringLiteral("Zimpa.ini"),
                 "[ViewForm]\r\nFontName=Courier\r\nFontSize=12\r\nTransparent=40\r\n");
    window->move(10, 20);
    window->PopupMenu1_StayOnTop->trigger();
    window->close();
    EXPECT_EQ(settings(), QByteArray("[ViewForm]\r\n"
                                     "FontName=Verdana\r\n"
                                     "FontSize=8\r\n"
                                     "Transparent=50\r\n"
                                     "FontColor=clRed\r\n"
                                     "Top=20\r\n"
                                     "Left=10\r\n"
                                     "Width=300\r\n"
                                     "Height=200\r\n"
                                     "StayOnTop=0\r\n"));
}

TEST_F(ViewFormSettingsTest, AColourThatIsNoColourStopsTheSettingsAndTheCommandLine) {
    folder.write(QStringLiteral("Zimpa.ini"),
                 "[ViewForm]\r\nFontName=Verdana\r\nFontColor=piros\r\nTop=300\r\n");
    folder.write(QStringLiteral("time/5"), "Id\xF5|Mi\r\n8:00|Reggeli\r\n");
    ASSERT_TRUE(create({QStringLiteral("-D"), QStringLiteral("time/5")}));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, QStringLiteral("'piros' is not a valid integer value."));
    EXPECT_EQ(window->font().family(), QStringLiteral("Verdana"));
    EXPECT_EQ(window->y(), 0) << "the keys after the colour are not applied";
    EXPECT_FALSE(window->Timer1->isActive()) << "no argument was handled";
    EXPECT_EQ(registered(), QList<qint32>({*window->ViewerId()})) << "the viewer stays registered";
}

TEST_F(ViewFormSettingsTest, ClosingAHiddenWindowWritesItsPlaceAndLeavesTheRegister) {
    TTrayIcon::setTrayAvailableForTesting(true);
    folder.write(QStringLiteral("pl.data"), QByteArray("\x07\x00\x00\x00", 4));
    ASSERT_TRUE(createShowingANote());
    ASSERT_TRUE(window->ViewerId());
    EXPECT_EQ(registered(), QList<qint32>({7, *window->ViewerId()}));
    window->show();
    window->move(120, 140);
    window->PopupMenu1_Hide->trigger();
    ASSERT_TRUE(window->isHidden());
    QSignalSpy closed(window.get(), &TfrmView::closed);
    window->PopupMenu1_Close->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(settings().contains("Top=140\r\nLeft=120\r\n"));
    EXPECT_EQ(registered(), QList<qint32>({7}));
    EXPECT_EQ(window->ViewerId(), std::nullopt);
}

TEST_F(ViewFormSettingsTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheViewerStillCloses) {
    folder.write(QStringLiteral("Zimpa.ini"), "[ViewForm]\r\nFontName=Verdana\r\n");
    ASSERT_TRUE(createShowingANote());
    const qint32 id = *window->ViewerId();
    failWritesOf(QStringLiteral("Zimpa.ini"));
    QSignalSpy closed(window.get(), &TfrmView::closed);
    window->close();
    // The organiser's words for the same failure.
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Unable to write to ") +
                                 folder.file(QStringLiteral("Zimpa.ini")) + QLatin1Char('.'));
    EXPECT_EQ(settings(), QByteArray("[ViewForm]\r\nFontName=Verdana\r\n")) << "the old file stays";
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(registered().contains(id));
}
