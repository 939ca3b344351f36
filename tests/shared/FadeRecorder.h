#pragma once

#include "OpacityBackend.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

// Stands in for the desktop and the sleep of a fade while it lives: every opacity change,
// "shown", repaint of a watched window, flush and sleep goes into one list, in order, as
// "alpha 127", "shown", "paint", "flush", "sleep 5". No test waits for real.
class FadeRecorder : public QObject, public OpacityBackend {
public:
    explicit FadeRecorder(bool available = true);
    ~FadeRecorder() override;

    // Records the paint events the window receives.
    void watch(QWidget* window);

    // The alphas in the order they were applied.
    QList<int> alphas() const;
    int count(const QString& event) const { return int(events.count(event)); }

    bool available;
    QStringList events;
    // Runs at every sleep: lets a test look at the window in the middle of a fade.
    std::function<void()> onSleep;
    // The window the last alpha went to.
    QWidget* target = nullptr;

    bool isAvailable() override { return available; }
    void setAlpha(QWidget* window, std::uint8_t alpha) override;
    void shown(QWidget*) override { events << QStringLiteral("shown"); }
    void flush() override { events << QStringLiteral("flush"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
