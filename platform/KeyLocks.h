#pragma once

// Whether the lock keys are toggled on, as the keyboard's indicators show it. Known on the xcb
// platform only; elsewhere (offscreen, Wayland) both read as off.
class KeyLocks {
public:
    static bool isNumLockOn();
    static bool isCapsLockOn();
};
