#include "Dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString& title() {
    static QString value;
    return value;
}

Dialogs::Responder& responder() {
    static Dialogs::Responder value;
    return value;
}

} // namespace

void Dialogs::setApplicationTitle(const QString& text) {
    title() = text;
}

QString Dialogs::applicationTitle() {
    return title();
}

void Dialogs::setResponderForTesting(Responder value) {
    responder() = std::move(value);
}

void Dialogs::information(const QString& text, QWidget* parent) {
    show({Kind::Information, title(), text}, parent);
}

void Dialogs::generalError(const QString& text) {
    QString shown = text;
    if (!shown.endsWith(QLatin1Char('.')))
        shown += QLatin1Char('.');
    show({Kind::Error, title(), shown}, nullptr);
}

void Dialogs::show(const Box& box, QWidget* parent) {
    if (responder()) {
        responder()(box);
        return;
    }
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox message(box.kind == Kind::Error ? QMessageBox::Critical : QMessageBox::Information,
                        box.caption, box.text, QMessageBox::Ok, parent);
    message.exec();
}
