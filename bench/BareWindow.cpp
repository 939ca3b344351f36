// The yardstick: an empty Qt window, started and mapped the way the programs are.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bench"));
    window.resize(544, 478);
    window.show();
    return app.exec();
}
