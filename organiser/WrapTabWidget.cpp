#include "WrapTabWidget.h"

#include "WrapTabBar.h"

#include <QStackedWidget>
#include <QVBoxLayout>

WrapTabWidget::WrapTabWidget(QWidget* parent)
    : QWidget(parent)
    , m_tabs(new WrapTabBar)
    , m_pages(new QStackedWidget) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_pages, 1);
    connect(m_tabs, &WrapTabBar::currentChanged, this, [this](int index) {
        m_pages->setCurrentIndex(index);
        emit currentChanged(index);
    });
}

int WrapTabWidget::addTab(QWidget* page, const QString& caption) {
    m_pages->addWidget(page);
    return m_tabs->addTab(caption);
}

int WrapTabWidget::count() const {
    return m_tabs->count();
}

int WrapTabWidget::currentIndex() const {
    return m_tabs->currentIndex();
}

void WrapTabWidget::setCurrentIndex(int index) {
    m_tabs->setCurrentIndex(index);
}

QWidget* WrapTabWidget::widget(int index) const {
    return m_pages->widget(index);
}

QString WrapTabWidget::tabText(int index) const {
    return m_tabs->tabText(index);
}
