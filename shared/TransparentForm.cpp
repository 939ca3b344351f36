#include "TransparentForm.h"

#include "WindowOpacity.h"

#include <QWidget>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

OpacityBackend*& testBackend() {
    static OpacityBackend* value = nullptr;
    return value;
}

OpacityBackend& backend() {
    static WindowOpacity desktop;
    return testBackend() ? *testBackend() : desktop;
}

TTransparentForm::Sleeper& testSleeper() {
    static TTransparentForm::Sleeper value;
    return value;
}

} // namespace

TTransparentForm::TTransparentForm(QWidget* owner)
    : QObject(owner)
    , m_owner(owner) {
    ApplyTransparency(0);
}

void TTransparentForm::SetTransparency(std::int8_t value) {
    if (value != m_transparency)
        m_transparency = value;
}

void TTransparentForm::SetFadeTime(std::int8_t value) {
    if (value != m_fadeTime)
        m_fadeTime = value;
}

void TTransparentForm::SetAlpha(QWidget* window, std::int8_t opacity) {
    if (!backend().isAvailable())
        return;
    // Signed division truncates toward zero; only the low byte reaches the window, so an
    // opacity below zero wraps (-1 gives 254).
    const int alpha = int(opacity) * 255 / 100;
    backend().setAlpha(window, static_cast<std::uint8_t>(alpha));
}

void TTransparentForm::ApplyTransparency(std::int8_t value) {
    m_transparency = value;
    SetAlpha(m_owner, static_cast<std::int8_t>(100 - m_transparency));
}

void TTransparentForm::FadeIn(std::int8_t target) {
    ApplyTransparency(100);
    // A window that is shown anew comes up in front anyway.
    if (m_owner->isVisible())
        m_owner->raise();
    else
        m_owner->show();
    backend().shown(m_owner);
    // An int counts, so that a target of -128 ends the loop instead of wrapping around.
    for (int t = 100; t >= target; --t) {
        SetAlpha(m_owner, static_cast<std::int8_t>(100 - t));
        m_owner->repaint();
        backend().flush();
        sleep();
    }
    m_transparency = target;
}

void TTransparentForm::FadeOut() {
    for (int t = m_transparency; t <= 100; ++t) {
        m_transparency = static_cast<std::int8_t>(t);
        SetAlpha(m_owner, static_cast<std::int8_t>(100 - t));
        backend().flush();
        sleep();
    }
}

void TTransparentForm::sleep() {
    // A negative step time would be an endless wait once widened to the platform's unsigned
    // milliseconds; it counts as no wait at all.
    const int milliseconds = std::max(0, int(m_fadeTime));
    if (testSleeper())
        testSleeper()(milliseconds);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void TTransparentForm::setBackendForTesting(OpacityBackend* value) {
    testBackend() = value;
}

void TTransparentForm::setSleeperForTesting(Sleeper sleeper) {
    testSleeper() = std::move(sleeper);
}
