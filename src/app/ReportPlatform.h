#pragma once
// A report opens no window and must run on a machine without a display.

// Chooses a platform for Qt that needs no display, and keeps Qt's own messages off stderr,
// which says no more than the one line of a failure; before the application object is made.
void prepareHeadless();

// Whether Qt has a window system to open the calculator on: always on Windows; elsewhere when a
// platform is chosen (QT_QPA_PLATFORM, -platform) or an X or Wayland display is named. Without
// one, Qt's platform plugin aborts the program before a single argument has been read.
[[nodiscard]] bool windowSystemNamed(int argc, const char* const* argv);
