// desktop_probe: what the desktop tests need of the X display that xdotool, xprop and xwininfo
// cannot do. It runs as an ordinary Qt client of that display.
//
//   desktop_probe grab X Y WIDTH HEIGHT FILE.png   picture of a part of the screen
//   desktop_probe tray                             exit code 0 when a notification area is there
//   desktop_probe window TITLE                     a maximised plain window, until it is killed

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWidget>

#include <cstdio>

namespace {

int grab(const QStringList& arguments) {
    if (arguments.size() != 7)
        return 2;
    bool ok[4] = {};
    const int x = arguments[2].toInt(&ok[0]);
    const int y = arguments[3].toInt(&ok[1]);
    const int width = arguments[4].toInt(&ok[2]);
    const int height = arguments[5].toInt(&ok[3]);
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return 2;
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(0, x, y, width, height);
    return !picture.isNull() && picture.save(arguments[6], "PNG") ? 0 : 1;
}

int showWindow(const QStringList& arguments) {
    if (arguments.size() != 3)
        return 2;
    QWidget window;
    window.setWindowTitle(arguments[2]);
    window.showMaximized();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString command = arguments.value(1);
    if (command == QLatin1String("grab"))
        return grab(arguments);
    if (command == QLatin1String("tray"))
        return QSystemTrayIcon::isSystemTrayAvailable() ? 0 : 1;
    if (command == QLatin1String("window"))
        return showWindow(arguments);
    std::fputs("usage: desktop_probe grab X Y W H FILE | tray | window TITLE\n", stderr);
    return 2;
}
