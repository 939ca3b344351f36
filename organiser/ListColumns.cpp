#include "ListColumns.h"

#include <QEvent>
#include <QListWidget>
#include <QStyle>

#include <algorithm>

ListColumns::ListColumns(QListWidget* list)
    : QObject(list)
    , m_list(list)
    , m_viewport(list->viewport()) {
    list->installEventFilter(this);
    m_viewport->installEventFilter(this);
}

void ListColumns::set(QListWidget* list, int columns) {
    auto* layout = list->findChild<ListColumns*>(QString(), Qt::FindDirectChildrenOnly);
    if (!layout)
        layout = new ListColumns(list);
    layout->m_columns = std::max(columns, 0);
    layout->apply();
}

int ListColumns::of(const QListWidget* list) {
    const auto* layout = list->findChild<ListColumns*>(QString(), Qt::FindDirectChildrenOnly);
    return layout ? layout->m_columns : 0;
}

void ListColumns::apply() {
    m_list->setFlow(QListView::TopToBottom);
    if (m_columns == 0) {
        m_list->setWrapping(false);
        m_list->setGridSize(QSize());
        return;
    }
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    const int lineHeight =
        std::max(m_list->fontMetrics().height(),
                 m_list->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, m_list)) +
        4;
    const int columnWidth = std::max(m_list->viewport()->width() / m_columns, 1);
    m_list->setGridSize(QSize(columnWidth, lineHeight));
}

bool ListColumns::eventFilter(QObject* watched, QEvent* event) {
    // Compared by the pointers alone: while the list is destroyed its viewport still sends events,
    // and the list is no list any more.
    const bool resized = watched == m_viewport && event->type() == QEvent::Resize;
    const bool newFont = watched == m_list && event->type() == QEvent::FontChange;
    if ((resized || newFont) && m_columns > 0)
        apply();
    return QObject::eventFilter(watched, event);
}
