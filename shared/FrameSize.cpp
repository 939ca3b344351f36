#include "FrameSize.h"

#include <QEvent>
#include <QWidget>

FrameSize::FrameSize(QWidget& window)
    : QObject(&window)
    , m_window(window) {
    window.installEventFilter(this);
}

FrameSize* FrameSize::find(const QWidget& window) {
    return window.findChild<FrameSize*>(QString(), Qt::FindDirectChildrenOnly);
}

FrameSize& FrameSize::keeperOf(QWidget& window) {
    FrameSize* size = find(window);
    return size ? *size : *new FrameSize(window);
}

void FrameSize::setWidth(QWidget& window, int width) {
    FrameSize& size = keeperOf(window);
    size.setSize({width, size.size().height()});
}

void FrameSize::setHeight(QWidget& window, int height) {
    FrameSize& size = keeperOf(window);
    size.setSize({size.size().width(), height});
}

QSize FrameSize::of(const QWidget& window) {
    const FrameSize* size = find(window);
    return size ? size->size() : window.frameGeometry().size();
}

QSize FrameSize::frameExtent() const {
    return m_window.frameGeometry().size() - m_window.size();
}

void FrameSize::setSize(const QSize& outer) {
    const QSize extent = frameExtent();
    m_window.resize(outer - extent);
    if (extent.isNull()) {
        m_wanted = outer;
        m_unframed = m_window.size();
    } else {
        m_wanted.reset();
    }
}

QSize FrameSize::size() const {
    // Until the frame comes the window is as large as the size set, as long as nothing else
    // has resized it since.
    if (m_wanted && frameExtent().isNull() && m_window.size() == m_unframed)
        return *m_wanted;
    return m_window.frameGeometry().size();
}

bool FrameSize::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // The frame shows in the place and size the window manager reports once it has framed the
    // window.
    if (m_wanted && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) &&
        !frameExtent().isNull()) {
        const QSize outer = *m_wanted;
        m_wanted.reset();
        if (m_window.size() == m_unframed)
            m_window.resize(outer - frameExtent());
    }
    return QObject::eventFilter(watched, event);
}
