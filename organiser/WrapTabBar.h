#pragma once

#include <QList>
#include <QRect>
#include <QStringList>
#include <QWidget>

// A strip of page tabs that wraps into as many rows as its width needs, so that every page's
// tab stays in view with its whole caption. The row holding the current tab lies next to the
// pages. Tabs light up under the mouse; a click or the arrow keys (Left, Right, Home, End) choose
// a tab. Assistive tools see a page tab list with its page tabs (WrapTabBarAccessible).
class WrapTabBar : public QWidget {
    Q_OBJECT

public:
    explicit WrapTabBar(QWidget* parent = nullptr);

    int addTab(const QString& text);
    int count() const { return int(m_texts.size()); }
    QString tabText(int index) const { return m_texts.value(index); }

    int currentIndex() const { return m_current; }
    // An index outside the tabs is ignored.
    void setCurrentIndex(int index);

    // Where each tab lies for the strip's present width, in the order of the tabs.
    QList<QRect> tabRects() const { return layoutFor(width()); }
    int tabAt(const QPoint& position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize tabSize(int index) const;
    QSize measureTab(int index) const;
    // The rows of tab indexes for a width, the current tab's row last.
    QList<QList<int>> rowsFor(int width) const;
    QList<QRect> layoutFor(int width) const;
    void setHover(int index);
    // Tells assistive tools which tab is chosen now.
    void announceCurrent();
    QColor hoverTint() const;

    QStringList m_texts;
    mutable QList<QSize> m_tabSizes; // empty until measured for the present font and style
    int m_current = -1;
    int m_hover = -1;
};
