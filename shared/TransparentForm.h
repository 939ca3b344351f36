#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

class OpacityBackend;
class QWidget;

// Makes the window that owns it translucent: a fixed transparency, a fade in from invisible and
// a fade out to invisible. Where the desktop cannot show opacity the values and the waits stay
// the same and nothing changes on screen.
//
// A fade runs on the user-interface thread and blocks it: no event, timer or input is handled
// until it returns, so nothing can run in the middle of one.
class TTransparentForm : public QObject {
    Q_OBJECT

public:
    // Sleeps the given number of milliseconds.
    using Sleeper = std::function<void(int milliseconds)>;

    // The owner is the top-level window to make translucent; it is made fully opaque at once.
    explicit TTransparentForm(QWidget* owner);

    // Percent: 0 opaque, 100 invisible. Values outside 0 to 100 are kept and follow the same
    // 8-bit arithmetic.
    std::int8_t Transparency() const { return m_transparency; }
    // Milliseconds slept after each one-percent step of a fade.
    std::int8_t FadeTime() const { return m_fadeTime; }

    // Store the value only; nothing on screen changes.
    void SetTransparency(std::int8_t value);
    void SetFadeTime(std::int8_t value);

    void ApplyTransparency(std::int8_t value);

    // Makes the owner invisible, shows it in front and steps it, one percent per FadeTime, to
    // the target transparency.
    void FadeIn(std::int8_t target);
    // Steps the owner from its transparency to invisible. It stays shown; hiding it is the
    // caller's business.
    void FadeOut();

    // Null gives the desktop's own back.
    static void setBackendForTesting(OpacityBackend* backend);
    // An empty function gives the real sleep back.
    static void setSleeperForTesting(Sleeper sleeper);

private:
    void SetAlpha(QWidget* window, std::int8_t opacity);
    void sleep();

    QWidget* m_owner;
    std::int8_t m_transparency = 0;
    std::int8_t m_fadeTime = 5;
};
