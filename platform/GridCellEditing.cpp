#include "GridCellEditing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>

namespace {

// An open cell editor is the one widget with the focus inside the view's viewport.
bool editing(const QAbstractItemView* view) {
    const QWidget* focus = QApplication::focusWidget();
    return focus && view->viewport()->isAncestorOf(focus);
}

} // namespace

GridCellEditing::GridCellEditing(QAbstractItemView* view)
    : QObject(view)
    , m_view(view) {
    m_pending.setSingleShot(true);
    connect(&m_pending, &QTimer::timeout, this, &GridCellEditing::openPendingEditor);
}

void GridCellEditing::install(QAbstractItemView* view) {
    auto* editing = new GridCellEditing(view);
    view->setEditTriggers(view->editTriggers() & ~QAbstractItemView::SelectedClicked);
    view->installEventFilter(editing);
    view->viewport()->installEventFilter(editing);
}

bool GridCellEditing::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (watched == m_view->viewport()) {
            m_pending.stop();
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex index = m_view->indexAt(mouse->position().toPoint());
            m_pressed = index;
            m_pressedCurrent = mouse->button() == Qt::LeftButton && index.isValid() &&
                               index == m_view->currentIndex() && !editing(m_view);
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_view->viewport()) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (m_pressedCurrent && mouse->button() == Qt::LeftButton &&
                mouse->modifiers() == Qt::NoModifier &&
                m_view->indexAt(mouse->position().toPoint()) == m_pressed)
                m_pending.start(QApplication::doubleClickInterval());
            m_pressedCurrent = false;
        }
        break;
    // Whatever the user does next decides instead of the pending editor: a key reaches the
    // view's own typing trigger with nothing in its way.
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::FocusOut:
    case QEvent::Wheel:
        m_pending.stop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void GridCellEditing::openPendingEditor() {
    if (m_pressed.isValid() && m_pressed == m_view->currentIndex() && !editing(m_view))
        m_view->edit(m_pressed);
}
