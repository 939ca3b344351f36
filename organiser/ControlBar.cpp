#include "ControlBar.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

namespace {

constexpr int Margin = 2;      // between a row's edge and its bands
constexpr int MinVisible = 16; // the least width a band keeps at the strip's right edge

} // namespace

ControlBar::ControlBar(QWidget* parent)
    : QWidget(parent) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ControlBar::addBand(QWidget* band, int row, int left) {
    band->setParent(this);
    m_bands.push_back({band, row, std::max(left, GripWidth), 0});
    band->installEventFilter(this);
    layoutBands();
}

ControlBar::Band* ControlBar::find(const QWidget* widget) {
    for (Band& band : m_bands) {
        if (band.widget == widget)
            return &band;
    }
    return nullptr;
}

const ControlBar::Band* ControlBar::find(const QWidget* widget) const {
    return const_cast<ControlBar*>(this)->find(widget);
}

int ControlBar::bandPosition(const QWidget* band) const {
    const Band* found = find(band);
    return found ? found->left : -1;
}

void ControlBar::setBandPosition(QWidget* band, int left) {
    if (Band* found = find(band)) {
        found->left = std::max(left, GripWidth);
        layoutBands();
    }
}

void ControlBar::setBandWidth(QWidget* band, int width) {
    if (Band* found = find(band)) {
        found->width = std::max(width, 0);
        layoutBands();
    }
}

int ControlBar::rowHeight(int row) const {
    int height = 0;
    for (const Band& band : m_bands) {
        if (band.row == row && !band.widget->isHidden())
            height = std::max(height, band.widget->sizeHint().height());
    }
    return height > 0 ? height + 2 * Margin : 0;
}

int ControlBar::totalHeight() const {
    int rows = 0;
    for (const Band& band : m_bands)
        rows = std::max(rows, band.row + 1);
    int height = 0;
    for (int row = 0; row < rows; ++row)
        height += rowHeight(row);
    return height;
}

void ControlBar::layoutBands() {
    if (m_laying)
        return;
    m_laying = true;
    int rows = 0;
    for (const Band& band : m_bands)
        rows = std::max(rows, band.row + 1);
    int top = 0;
    for (int row = 0; row < rows; ++row) {
        const int height = rowHeight(row);
        if (height == 0)
            continue;
        std::vector<Band*> onRow;
        for (Band& band : m_bands) {
            if (band.row == row && !band.widget->isHidden())
                onRow.push_back(&band);
        }
        std::stable_sort(onRow.begin(), onRow.end(),
                         [](const Band* a, const Band* b) { return a->left < b->left; });
        int end = 0;
        for (Band* band : onRow) {
            band->left = std::max(band->left, end + GripWidth);
            // A band whose content would not fit right of its place stands further left, as far
            // as the band before it allows, so that its text is not cut; its place is kept.
            const int needed = band->widget->sizeHint().width();
            const int left =
                std::max(end + GripWidth, std::min(band->left, width() - Margin - needed));
            const int wanted = band->width > 0 ? band->width : needed;
            const int room = std::max(width() - left - Margin, MinVisible);
            const int bandWidth = std::min(wanted, room);
            band->widget->setGeometry(left, top + Margin, bandWidth, height - 2 * Margin);
            end = left + bandWidth + Margin;
        }
        top += height;
    }
    m_laying = false;
    if (top != m_laidHeight) {
        m_laidHeight = top;
        updateGeometry();
    }
    update();
}

QSize ControlBar::sizeHint() const {
    int right = 0;
    for (const Band& band : m_bands) {
        if (!band.widget->isHidden())
            right = std::max(right, band.left + band.widget->sizeHint().width() + Margin);
    }
    return {right, totalHeight()};
}

QSize ControlBar::minimumSizeHint() const {
    return {0, totalHeight()};
}

QRect ControlBar::gripRect(const Band& band) const {
    const QRect area = band.widget->geometry();
    return {area.left() - GripWidth + 1, area.top(), GripWidth - 3, area.height()};
}

int ControlBar::gripAt(const QPoint& pos) const {
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        if (!m_bands[i].widget->isHidden() && gripRect(m_bands[i]).contains(pos))
            return static_cast<int>(i);
    }
    return -1;
}

bool ControlBar::event(QEvent* event) {
    // A band's preferred size changed.
    if (event->type() == QEvent::LayoutRequest)
        layoutBands();
    return QWidget::event(event);
}

bool ControlBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        if (find(qobject_cast<QWidget*>(watched)))
            layoutBands();
    }
    return QWidget::eventFilter(watched, event);
}

void ControlBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutBands();
}

void ControlBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const Band& band : m_bands) {
        if (band.widget->isHidden())
            continue;
        const QRect area = band.widget->geometry();
        const QRect frame(area.left() - GripWidth, area.top() - 1, area.width() + GripWidth + 1,
                          area.height() + 2);
        qDrawShadePanel(&painter, frame, palette(), false, 1);
        QStyleOption grip;
        grip.initFrom(this);
        grip.rect = gripRect(band);
        grip.state |= QStyle::State_Horizontal;
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &grip, &painter, this);
    }
}

void ControlBar::mousePressEvent(QMouseEvent* event) {
    const int grip = event->button() == Qt::LeftButton ? gripAt(event->position().toPoint()) : -1;
    if (grip < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragged = grip;
    m_dragOffset = event->position().toPoint().x() - m_bands[grip].left;
}

void ControlBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_dragged >= 0) {
        setBandPosition(m_bands[m_dragged].widget, pos.x() - m_dragOffset);
        return;
    }
    if (gripAt(pos) >= 0)
        setCursor(Qt::SizeAllCursor);
    else
        unsetCursor();
}

void ControlBar::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragged >= 0 && event->button() == Qt::LeftButton) {
        m_dragged = -1;
        return;
    }
    QWidget::mouseReleaseEvent(event);
}
