// The yardsticks: an empty Qt window, started and mapped the way the programs are, and with
// "text" the same window showing one line of text, which costs the toolkit its fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bench"));
    window.resize(544, 478);
    if (argc > 1 && QByteArray(argv[1]) == "text")
        (new QLabel(QStringLiteral("Árvíztűrő tükörfúrógép"), &window))->move(10, 10);
    window.show();
    return app.exec();
}
