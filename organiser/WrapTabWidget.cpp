#include "WrapTabWidget.h"

#include "WrapTabBar.h"

#include <QKeyEvent>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
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

void WrapTabWidget::setPagesFramed(bool framed) {
    m_framed = framed;
    const int frame =
        framed ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    m_pages->setContentsMargins(frame, frame, frame, frame);
    update();
}

void WrapTabWidget::paintEvent(QPaintEvent*) {
    if (!m_framed)
        return;
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = m_pages->geometry();
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = m_tabs->size();
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

void WrapTabWidget::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        const int key = event->key();
        int step = 0;
        if (key == Qt::Key_PageDown ||
            (key == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier)))
            step = 1;
        else if (key == Qt::Key_PageUp || key == Qt::Key_Backtab ||
                 (key == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier)))
            step = -1;
        if (step != 0 && count() > 1) {
            setCurrentIndex((currentIndex() + step + count()) % count());
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
