#include "WrapTabBar.h"

#include "AccessibleFactory.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>

#include <algorithm>

WrapTabBar::WrapTabBar(QWidget* parent)
    : QWidget(parent) {
    installAccessibleFactory();
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    // Not Fixed: a layout caps a fixed widget at its size hint, which knows no width, where the
    // height the rows need for the width given (heightForWidth) must win.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrapTabBar::addTab(const QString& text) {
    m_texts.append(text);
    m_tabSizes.clear();
    if (m_current < 0)
        m_current = 0;
    updateGeometry();
    update();
    return count() - 1;
}

void WrapTabBar::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    // The rows may move, so that the current tab's row lies next to the pages.
    update();
    announceCurrent();
    emit currentChanged(index);
}

void WrapTabBar::announceCurrent() {
    if (!QAccessible::isActive())
        return;
    // As Qt's tab bar tells them: the tab that has the keyboard, and the one chosen.
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(m_current);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(m_current);
    QAccessible::updateAccessibility(&selection);
}

// Measured once for the font and style: every layout of the strip asks for every tab's size,
// and the window's start lays the strip out many times.
QSize WrapTabBar::tabSize(int index) const {
    if (m_tabSizes.size() != count()) {
        m_tabSizes.clear();
        for (int tab = 0; tab < count(); ++tab)
            m_tabSizes.append(measureTab(tab));
    }
    return m_tabSizes.value(index);
}

QSize WrapTabBar::measureTab(int index) const {
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = m_texts.value(index);
    const int hframe = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vframe = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const QFontMetrics metrics = fontMetrics();
    const QSize contents(metrics.size(Qt::TextShowMnemonic, option.text).width() + hframe,
                         metrics.height() + vframe);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
}

QList<QList<int>> WrapTabBar::rowsFor(int width) const {
    QList<QList<int>> rows;
    int used = 0;
    for (int index = 0; index < count(); ++index) {
        const int tabWidth = tabSize(index).width();
        if (rows.isEmpty() || (used + tabWidth > width && !rows.last().isEmpty())) {
            rows.append(QList<int>());
            used = 0;
        }
        rows.last().append(index);
        used += tabWidth;
    }
    for (qsizetype row = 0; row + 1 < rows.size(); ++row) {
        if (rows[row].contains(m_current)) {
            rows.append(rows.takeAt(row));
            break;
        }
    }
    return rows;
}

QList<QRect> WrapTabBar::layoutFor(int width) const {
    QList<QRect> rects(count());
    const QList<QList<int>> rows = rowsFor(width);
    int top = 0;
    for (const QList<int>& row : rows) {
        int natural = 0;
        int rowHeight = 0;
        for (const int index : row) {
            natural += tabSize(index).width();
            rowHeight = std::max(rowHeight, tabSize(index).height());
        }
        // Several rows are each stretched to the strip's width, as wrapped tabs are.
        const int spare = rows.size() > 1 ? std::max(width - natural, 0) : 0;
        int left = 0;
        for (qsizetype place = 0; place < row.size(); ++place) {
            const int share = int(spare * (place + 1) / row.size() - spare * place / row.size());
            const int tabWidth = tabSize(row[place]).width() + share;
            rects[row[place]] = QRect(left, top, tabWidth, rowHeight);
            left += tabWidth;
        }
        top += rowHeight;
    }
    return rects;
}

int WrapTabBar::tabAt(const QPoint& position) const {
    const QList<QRect> rects = tabRects();
    for (int index = 0; index < rects.size(); ++index) {
        if (rects[index].contains(position))
            return index;
    }
    return -1;
}

int WrapTabBar::heightForWidth(int width) const {
    int bottom = 0;
    for (const QRect& rect : layoutFor(width))
        bottom = std::max(bottom, rect.bottom() + 1);
    return bottom;
}

QSize WrapTabBar::sizeHint() const {
    int width = 0;
    for (int index = 0; index < count(); ++index)
        width += tabSize(index).width();
    return {width, heightForWidth(width)};
}

QSize WrapTabBar::minimumSizeHint() const {
    int widest = 0;
    for (int index = 0; index < count(); ++index)
        widest = std::max(widest, tabSize(index).width());
    // As narrow as the widest tab, and as low as one row: the height for the width it gets comes
    // from heightForWidth, and a minimum of all rows would keep a wide page control needlessly
    // high.
    return {widest, heightForWidth(sizeHint().width())};
}

void WrapTabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QList<QList<int>> rows = rowsFor(width());
    const QList<QRect> rects = layoutFor(width());
    for (const QList<int>& row : rows) {
        for (qsizetype place = 0; place < row.size(); ++place) {
            const int index = row[place];
            QStyleOptionTab option;
            option.initFrom(this);
            option.shape = QTabBar::RoundedNorth;
            option.text = m_texts[index];
            option.rect = rects[index];
            option.row = 0;
            if (row.size() == 1)
                option.position = QStyleOptionTab::OnlyOneTab;
            else if (place == 0)
                option.position = QStyleOptionTab::Beginning;
            else if (place == row.size() - 1)
                option.position = QStyleOptionTab::End;
            else
                option.position = QStyleOptionTab::Middle;
            option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
            if (index == m_current)
                option.state |= QStyle::State_Selected;
            if (index == m_hover)
                option.state |= QStyle::State_MouseOver;
            style()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);
            // Not every style lights a tab up under the mouse: the strip does it itself, under
            // the caption, so that the text stays as crisp as on the other tabs.
            if (index == m_hover && index != m_current)
                painter.fillRect(option.rect.adjusted(2, 2, -2, -1), hoverTint());
            style()->drawControl(QStyle::CE_TabBarTabLabel, &option, &painter, this);
            if (index == m_current && hasFocus()) {
                QStyleOptionFocusRect focus;
                focus.initFrom(this);
                focus.rect = option.rect.adjusted(3, 3, -3, -3);
                style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
            }
        }
    }
}

QColor WrapTabBar::hoverTint() const {
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlpha(48);
    return tint;
}

void WrapTabBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setCurrentIndex(tabAt(event->position().toPoint()));
}

void WrapTabBar::mouseMoveEvent(QMouseEvent* event) {
    setHover(tabAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void WrapTabBar::leaveEvent(QEvent* event) {
    setHover(-1);
    QWidget::leaveEvent(event);
}

void WrapTabBar::setHover(int index) {
    if (index == m_hover)
        return;
    m_hover = index;
    update();
}

void WrapTabBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentIndex(m_current - 1);
        break;
    case Qt::Key_Right:
        setCurrentIndex(m_current + 1);
        break;
    case Qt::Key_Home:
        setCurrentIndex(0);
        break;
    case Qt::Key_End:
        setCurrentIndex(count() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void WrapTabBar::changeEvent(QEvent* event) {
    // A new font or style gives the tabs new sizes, and so maybe new rows.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_tabSizes.clear();
        updateGeometry();
    }
    QWidget::changeEvent(event);
}
