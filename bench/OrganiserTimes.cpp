// The organiser's own main window, shown on the display, timed from inside where only the inside
// can tell the parts apart:
//   bench_organiser note <program folder>   "Betölt" of the first note until the editor is
//                                           drawn with it: "note_ms characters"
//   bench_organiser close <program folder>  the writes of the close: the five tables, then the
//                                           settings: "tables_ms settings_ms"
#include "Dialogs.h"
#include "MainForm.h"
#include "Tables.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <cstdio>
#include <memory>

namespace {

double msOf(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

void loadNote(TfrmMain& window) {
    window.PageControl->setCurrentIndex(static_cast<int>(Kind::Feljegyzes));
    window.clbFeljegyzes->setCurrentRow(0);
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    window.mEdit_SubMenu1_LoadClick();
    window.mZimpa->viewport()->repaint();
    std::printf("%.1f %d\n", msOf(timer), window.mZimpa->document()->characterCount());
}

void writeAtClose(TfrmMain& window) {
    QElapsedTimer timer;
    timer.start();
    for (std::uint8_t kind = 0; kind < KindCount; ++kind)
        window.SaveList(kind);
    const double tables = msOf(timer);
    timer.restart();
    window.SaveSettings();
    std::printf("%.1f %.1f\n", tables, msOf(timer));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QByteArray what = argc == 3 ? argv[1] : "";
    if (what != "note" && what != "close") {
        std::fputs("usage: bench_organiser note|close <program folder>\n", stderr);
        return 2;
    }
    // A box would wait for a user: the benchmark reports it and ends instead.
    Dialogs::setResponderForTesting([](const Dialogs::Box& box) {
        std::fprintf(stderr, "box: %s\n", qPrintable(box.text));
        std::exit(1);
    });
    QString folder = QString::fromLocal8Bit(argv[2]);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const auto tables = std::make_unique<Tables>();
    TfrmMain window(*tables);
    window.FormCreate(folder, {QStringLiteral("Zimpa")});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (what == "note")
        loadNote(window);
    else
        writeAtClose(window);
    return 0;
}
