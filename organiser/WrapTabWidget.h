#pragma once

#include <QWidget>

class QStackedWidget;
class WrapTabBar;

// The page control: pages stacked under a strip of tabs that wraps into rows (WrapTabBar), with
// the names and the signal of a Qt tab widget that the main window uses.
class WrapTabWidget : public QWidget {
    Q_OBJECT

public:
    explicit WrapTabWidget(QWidget* parent = nullptr);

    int addTab(QWidget* page, const QString& caption);
    int count() const;
    int currentIndex() const;
    // An index outside the pages is ignored.
    void setCurrentIndex(int index);
    QWidget* widget(int index) const;
    QString tabText(int index) const;
    WrapTabBar* tabBar() const { return m_tabs; }
    // A frame of the style's tab widgets around the pages, for pages whose controls would
    // otherwise stand on the bare window.
    void setPagesFramed(bool framed);

signals:
    // The active page changed, by the user or by the program.
    void currentChanged(int index);

protected:
    // Ctrl+Tab and Ctrl+Page Down go to the next page, Ctrl+Shift+Tab and Ctrl+Page Up to the one
    // before, from wherever the keyboard is on the pages, as in Qt's tab widget.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    WrapTabBar* m_tabs;
    QStackedWidget* m_pages;
    bool m_framed = false;
};
