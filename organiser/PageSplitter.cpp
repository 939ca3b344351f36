#include "PageSplitter.h"

#include <algorithm>

PageSplitter::PageSplitter(QWidget* pages, QWidget* editor, QWidget* parent)
    : QSplitter(Qt::Vertical, parent) {
    setHandleWidth(3);
    setChildrenCollapsible(false);
    addWidget(pages);
    addWidget(editor);
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    connect(this, &QSplitter::splitterMoved, this, [this] {
        if (!m_applying)
            m_extents[slot()] = sizes().value(0);
    });
}

void PageSplitter::setPagesBeside(bool beside) {
    setOrientation(beside ? Qt::Horizontal : Qt::Vertical);
    applyExtent();
}

bool PageSplitter::pagesBeside() const {
    return orientation() == Qt::Horizontal;
}

void PageSplitter::setExtent(int pixels) {
    m_extents[slot()] = std::max(pixels, 0);
    applyExtent();
}

void PageSplitter::applyExtent() {
    // Before the splitter has its size there is nothing to share out; the extent is applied
    // when it gets one.
    const int length = (orientation() == Qt::Horizontal ? width() : height()) - handleWidth();
    if (!isVisible() || length <= 0)
        return;
    m_applying = true;
    const int extent = m_extents[slot()];
    setSizes({std::min(extent, length), std::max(length - extent, 0)});
    m_applying = false;
}

void PageSplitter::resizeEvent(QResizeEvent* event) {
    QSplitter::resizeEvent(event);
    applyExtent();
}

void PageSplitter::showEvent(QShowEvent* event) {
    QSplitter::showEvent(event);
    applyExtent();
}
