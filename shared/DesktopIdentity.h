#pragma once

// Both programs are one application to the desktop: their windows belong to the organiser's
// desktop entry, so that docks and task bars show its icon and group the windows under it.
namespace DesktopIdentity {

// Sets, before any window opens, the entry's name as the desktop file name (what Wayland
// compositors and desktop portals match) and as the application name (the class of every
// window's WM_CLASS on X11, which the entry's StartupWMClass names), and the program's picture
// as every window's icon.
void apply();

} // namespace DesktopIdentity
