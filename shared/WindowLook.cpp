#include "WindowLook.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

void takeMainWindowFont(QWidget* window, const QWidget* mainWindow) {
    if (!mainWindow)
        return;
    QFont own = window->font();
    const QFont main = mainWindow->font();
    own.setFamily(main.family());
    if (main.pointSizeF() > 0)
        own.setPointSizeF(main.pointSizeF());
    else
        own.setPixelSize(main.pixelSize());
    window->setFont(own);

    // Text only, as on the main window: button faces and disabled text keep the desktop's look.
    QPalette colours = window->palette();
    const QPalette mainColours = mainWindow->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            colours.setColor(group, role, mainColours.color(group, role));
    }
    window->setPalette(colours);
}

void keepOwnLook(QWidget* control, QFont font) {
    // Every property a font dialog sets is set here, so none of them follows the window's.
    font.setWeight(font.weight());
    font.setStyle(font.style());
    font.setUnderline(font.underline());
    font.setStrikeOut(font.strikeOut());
    control->setFont(font);
    QPalette colours = control->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            colours.setColor(group, role, colours.color(group, role));
    }
    control->setPalette(colours);
}

void centreOnDesktop(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->virtualGeometry();
    window->move(desktop.x() + (desktop.width() - window->width()) / 2,
                 desktop.y() + (desktop.height() - window->height()) / 2);
}
