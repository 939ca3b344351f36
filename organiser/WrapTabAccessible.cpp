#include "WrapTabAccessible.h"

#include "WrapTabBar.h"

namespace {

// The caption as read out: "&&" is an "&" of the text, a single "&" only marks the key.
QString withoutKeyMark(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at] == QLatin1Char('&') && ++at == caption.size())
            break;
        text += caption[at];
    }
    return text;
}

} // namespace

QString WrapTabAccessible::name() const {
    return withoutKeyMark(control()->tabText(index()));
}

QRect WrapTabAccessible::placeOnScreen() const {
    return control()->tabRects().value(index()).translated(control()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State WrapTabAccessible::partState() const {
    const WrapTabBar* bar = control();
    QAccessible::State state;
    state.invisible = !bar->isVisible();
    state.disabled = !bar->isEnabled();
    state.focusable = bar->focusPolicy() != Qt::NoFocus;
    state.selectable = true;
    state.selected = index() == bar->currentIndex();
    state.focused = state.selected && bar->hasFocus();
    return state;
}

void WrapTabAccessible::act() {
    control()->setCurrentIndex(index());
}
