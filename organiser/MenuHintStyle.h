#pragma once

#include <QProxyStyle>

// The desktop's style, except that a menu highlights its disabled items too, as the mouse or the
// arrow keys reach them: the highlighted item's hint then reaches the status bar whether the item
// is enabled or not. Qt's styles leave disabled items unhighlighted, and so without a hint.
class MenuHintStyle : public QProxyStyle {
    Q_OBJECT

public:
    // One style for all the menus of the program, living as long as the application.
    static MenuHintStyle* instance();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

private:
    using QProxyStyle::QProxyStyle;
};
