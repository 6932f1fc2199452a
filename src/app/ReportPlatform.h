#pragma once
// A report opens no window and must run on a machine without a display.

// Chooses a platform for Qt that needs no display, and keeps Qt's own messages off stderr,
// which says no more than the one line of a failure; before the application object is made.
void prepareHeadless();
