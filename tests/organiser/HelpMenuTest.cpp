#include "HelpWindow.h"
#include "MainSettings.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextBrowser>

#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
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
// as any unreadable file is, at once: the window stays with the page it shows.
TEST_F(HelpMenuTest, ALinkToANamedPipeIsRefusedWithoutWaitingOnIt) {
    folder.write(QStringLiteral("Zimpa.hlp"),
                 QByteArray(Help).replace("</body>", "<a href=\"cso.html\">Cs\xC5\x91</a></body>"));
    const QByteArray pipe = QFile::encodeName(folder.file(QStringLiteral("cso.html")));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    start(0);
    window->mHelp_IndexClick();
    auto* help = window->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    const QString contents = help->browser->toPlainText();

    // Should the window wait on the pipe, a writer comes after a while and lets it go, so that
    // the test fails instead of hanging.
    std::mutex lock;
    std::condition_variable done;
    bool followed = false;
    std::thread rescuer([&] {
        std::unique_lock waiting(lock);
        if (done.wait_for(waiting, std::chrono::seconds(5), [&] { return followed; }))
            return;
        const int writer = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
    });
    QElapsedTimer clock;
    clock.start();
    emit help->browser->anchorClicked(QUrl(QStringLiteral("cso.html")));
    // A picture of a page is read by the same rule.
    const QVariant picture =
        help->browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("cso.html")));
    const qint64 took = clock.elapsed();
    {
        const std::lock_guard finished(lock);
        followed = true;
    }
    done.notify_one();
    rescuer.join();
    EXPECT_LT(took, 2000) << "the window waited on the pipe";
    EXPECT_FALSE(picture.isValid());
    EXPECT_EQ(help->browser->toPlainText(), contents);
    EXPECT_EQ(help->browser->source().toLocalFile(), folder.file(QStringLiteral("Zimpa.hlp")));
}
