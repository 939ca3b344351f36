#include "FadeRecorder.h"

#include "TransparentForm.h"

#include <QEvent>
#include <QWidget>

FadeRecorder::FadeRecorder(bool available)
    : available(available) {
    TTransparentForm::setBackendForTesting(this);
    TTransparentForm::setSleeperForTesting([this](int milliseconds) {
        events << QStringLiteral("sleep %1").arg(milliseconds);
        if (onSleep)
            onSleep();
    });
}

FadeRecorder::~FadeRecorder() {
    TTransparentForm::setBackendForTesting(nullptr);
    TTransparentForm::setSleeperForTesting({});
}

void FadeRecorder::watch(QWidget* window) {
    window->installEventFilter(this);
}

QList<int> FadeRecorder::alphas() const {
    QList<int> values;
    for (const QString& event : events) {
        if (event.startsWith(QLatin1String("alpha ")))
            values << event.mid(6).toInt();
    }
    return values;
}

void FadeRecorder::setAlpha(QWidget* window, std::uint8_t alpha) {
    events << QStringLiteral("alpha %1").arg(alpha);
    target = window;
}

bool FadeRecorder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint)
        events << QStringLiteral("paint");
    return QObject::eventFilter(watched, event);
}
