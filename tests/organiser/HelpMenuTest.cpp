#include "HelpWindow.h"
#include "MainSettings.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <QTextBrowser>

#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class HelpMenuTest : public MainWindowFixture {};

const QByteArray Help = "<html><head><meta charset=\"utf-8\"></head><body>"
                        "<h1><a name=\"tartalom\"></a>Tartalomjegyzék</h1>"
                        "<a href=\"#egy\">Első téma</a></body></html>";

} // namespace

TEST_F(HelpMenuTest, TheContentsItemIsThereWhileTheHelpFileIsLookedAtEachOpening) {
    start(0);
    openMenu(window->HelpMenu);
    EXPECT_FALSE(window->mHelp_Index->isEnabled());

    folder.write(QStringLiteral("Zimpa.hlp"), Help);
    openMenu(window->HelpMenu);
    EXPECT_TRUE(window->mHelp_Index->isEnabled());

    // A folder in the file's place is no help file.
    QFile::remove(folder.file(QStringLiteral("Zimpa.hlp")));
    QDir(folder.path()).mkdir(QStringLiteral("Zimpa.hlp"));
    openMenu(window->HelpMenu);
    EXPECT_FALSE(window->mHelp_Index->isEnabled());
}

TEST_F(HelpMenuTest, TheHelpOpensAtItsContentsOrTheMissingFileIsReported) {
    start(0);
    window->mHelp_IndexClick();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba:\r\nA Zimpa.hlp fájl nem található!"));

    folder.write(QStringLiteral("Zimpa.hlp"), Help);
    window->mHelp_IndexClick();
    auto* help = window->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser->toPlainText().startsWith(QStringLiteral("Tartalomjegyzék")));
    // A topic's link stays in the file; an address on the web goes to the desktop's opener.
    emit help->browser->anchorClicked(QUrl(QStringLiteral("#egy")));
    EXPECT_EQ(help->browser->source().toLocalFile(), folder.file(QStringLiteral("Zimpa.hlp")));
    EXPECT_EQ(help->browser->source().fragment(), QStringLiteral("egy"));
    emit help->browser->anchorClicked(QUrl(QStringLiteral("http://www.zimpa.hu/")));
    EXPECT_EQ(opened, QStringList{QStringLiteral("http://www.zimpa.hu/")});
    // A second choice brings the same window, read anew.
    folder.write(QStringLiteral("Zimpa.hlp"), QByteArray(Help).replace("Első", "Második"));
    window->mHelp_IndexClick();
    EXPECT_EQ(window->findChildren<HelpWindow*>().size(), 1);
    EXPECT_TRUE(help->browser->toPlainText().contains(QStringLiteral("Második téma")));
    EXPECT_EQ(boxes.size(), 1);
}

TEST_F(HelpMenuTest, HomeAndUpdatePagesGoToTheOpenerExactlyAsStored) {
    folder.write(QStringLiteral("Zimpa.ini"),
                 "[General]\r\nHomePage=http://example.org/zimpa\r\nUpdateServer=http://u.example/"
                 "\r\n");
    start(0);
    window->mHelp_InternetClick();
    window->mHelp_UpdateClick();
    EXPECT_EQ(opened, (QStringList{QStringLiteral("http://example.org/zimpa"),
                                   QStringLiteral("http://u.example//upgrade.php?program=Zimpa&"
                                                  "version=2.0.0.100")}));
}

// A link to anything but a regular file (here a named pipe that no program writes) is refused
// at once, as a missing file is.
TEST_F(HelpMenuTest, ALinkToANamedPipeIsRefusedWithoutWaitingOnIt) {
    folder.write(QStringLiteral("Zimpa.hlp"),
                 QByteArray(Help).replace("</body>", "<a href=\"cso.html\">Cs\xC5\x91</a></body>"));
    const QByteArray pipe = QFile::encodeName(folder.file(QStringLiteral("cso.html")));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    start(0);
    window->mHelp_IndexClick();
    auto* help = window->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    // Should the window wait on the pipe, a writer comes every few seconds and lets it go, so
    // that the test fails instead of hanging.
    std::promise<void> followed;
    std::future<bool> rescued = std::async(std::launch::async, [&, done = followed.get_future()] {
        bool wrote = false;
        for (; done.wait_for(std::chrono::seconds(3)) != std::future_status::ready; wrote = true)
            ::close(::open(pipe.constData(), O_WRONLY | O_NONBLOCK));
        return wrote;
    });
    emit help->browser->anchorClicked(QUrl(QStringLiteral("cso.html")));
    followed.set_value();
    EXPECT_FALSE(rescued.get()) << "the window waited on the pipe";
    EXPECT_TRUE(help->browser->toPlainText().isEmpty());
}
