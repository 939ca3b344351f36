#pragma once

#include "OpacityBackend.h"

// Window opacity on the desktop the program runs on: it shows only under X11 with a compositing
// manager; everywhere else the window keeps its look.
class WindowOpacity : public OpacityBackend {
public:
    bool isAvailable() override;
    void setAlpha(QWidget* window, std::uint8_t alpha) override;
    void shown(QWidget* window) override;
    void flush() override;
};
