#pragma once

#include <cstdint>

class QWidget;

// What a fade needs of the window system. The program uses the desktop's (WindowOpacity);
// tests put in one that records what a fade did.
class OpacityBackend {
public:
    virtual ~OpacityBackend() = default;

    // Whether a window's opacity shows on this desktop at all. Asked before every change.
    virtual bool isAvailable() = 0;

    // Alpha 0 is invisible, 255 opaque.
    virtual void setAlpha(QWidget* window, std::uint8_t alpha) = 0;

    // The window was just shown: from now on its repaints must reach the screen.
    virtual void shown(QWidget* window) = 0;

    // Pushes what the last step changed to the screen before the fade sleeps.
    virtual void flush() = 0;
};
