#include "MenuHintStyle.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>

MenuHintStyle* MenuHintStyle::instance() {
    static QPointer<MenuHintStyle> style;
    if (!style) {
        style = new MenuHintStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(QApplication::instance());
    }
    return style;
}

int MenuHintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
