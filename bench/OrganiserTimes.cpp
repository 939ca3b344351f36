// The organiser's own main window over a program folder, shown on the display, for what only a
// script inside can start: bench_mapwait times it from outside and sends SIGUSR1 for each step.
//
//   bench_organiser close <folder>   the writes of the close, timed from inside: the five tables,
//                                    then the settings: "tables=ms settings=ms"
//   bench_organiser pages <folder>   each signal switches to the next of the pages 1, 2, 3, 4, 0
//   bench_organiser note <folder>    the notes' page with the first note selected; the signal
//                                    loads it ("Betölt"); once the editor has settled:
//                                    "load=ms chars=N", the time until its last change
//   bench_organiser print <folder>   the name days' page; the signal prints it into a PDF file
//                                    beside the folder, as to a printer of the desktop
// After its last step the window hides (bench_mapwait stops watching then) and the program ends.
#include "Dialogs.h"
#include "MainForm.h"
#include "PrintDialog.h"
#include "Tables.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPrinter>
#include <QSocketNotifier>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

double msOf(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

int signalPipe[2];

// Each SIGUSR1 runs the next step in the event loop.
void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

void writeAtClose(TfrmMain& window) {
    QElapsedTimer timer;
    timer.start();
    for (std::uint8_t kind = 0; kind < KindCount; ++kind)
        window.SaveList(kind);
    const double tables = msOf(timer);
    timer.restart();
    window.SaveSettings();
    std::printf("tables=%.1f settings=%.1f\n", tables, msOf(timer));
}

void finish(TfrmMain& window, int afterMs) {
    QTimer::singleShot(afterMs, &window, [&window] {
        window.hide();
        QApplication::processEvents();
        QApplication::quit();
    });
}

// The note is loaded once the editor takes input again (it is read-only while a note comes in)
// and its text and laid-out size have stopped changing.
void awaitSettledNote(TfrmMain& window, const QElapsedTimer& since) {
    auto* poll = new QTimer(&window);
    auto last = std::make_shared<std::pair<int, QSizeF>>(-1, QSizeF());
    auto changed = std::make_shared<double>(0);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, &since, poll, last, changed] {
        const QTextDocument* document = window.mZimpa->document();
        const std::pair<int, QSizeF> now{document->characterCount(),
                                         document->documentLayout()->documentSize()};
        if (now != *last || window.mZimpa->isReadOnly()) {
            *last = now;
            *changed = msOf(since);
        } else if (msOf(since) - *changed > 700) {
            poll->stop();
            std::printf("load=%.1f chars=%d\n", *changed, now.first);
            std::fflush(stdout);
            finish(window, 0);
        }
    });
    poll->start(10);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QByteArray what = argc == 3 ? argv[1] : "";
    if (what != "close" && what != "pages" && what != "note" && what != "print") {
        std::fputs("usage: bench_organiser close|pages|note|print <program folder>\n", stderr);
        return 2;
    }
    QString folder = QString::fromLocal8Bit(argv[2]);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    // A box would wait for a user: the benchmark answers it at once, and tells any but the one
    // a print ends with.
    Dialogs::setResponderForTesting([](Dialogs::Box& box) {
        if (!box.text.startsWith(QStringLiteral("Az adatok ki lettek küldve")))
            std::fprintf(stderr, "box: %s\n", qPrintable(box.text));
    });
    const QString pdf = QDir::cleanPath(folder + QStringLiteral("../print.pdf"));
    PrintDialog::setPrintersForTesting(QStringList{QStringLiteral("PDF")});
    PrintDialog::setResponderForTesting([pdf](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        return true;
    });

    const auto tables = std::make_unique<Tables>();
    TfrmMain window(*tables);
    window.FormCreate(folder, {QStringLiteral("Zimpa")});
    if (what == "note") {
        window.PageControl->setCurrentIndex(static_cast<int>(Kind::Feljegyzes));
        window.clbFeljegyzes->setCurrentRow(0);
    } else if (what == "print") {
        window.PageControl->setCurrentIndex(static_cast<int>(Kind::Nevnap));
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (what == "close") {
        writeAtClose(window);
        return 0;
    }

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return 1;
    std::signal(SIGUSR1, onSignal);
    QSocketNotifier steps(signalPipe[0], QSocketNotifier::Read);
    QElapsedTimer since;
    int step = 0;
    const int pages[] = {1, 2, 3, 4, 0};
    QObject::connect(&steps, &QSocketNotifier::activated, &window, [&] {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
        since.start();
        if (what == "pages") {
            window.PageControl->setCurrentIndex(pages[step]);
            if (++step == int(std::size(pages)))
                finish(window, 700);
        } else if (what == "note") {
            window.mEdit_SubMenu1_LoadClick();
            awaitSettledNote(window, since);
        } else {
            window.mFile_PrintClick();
            finish(window, 700);
        }
    });
    return app.exec();
}
