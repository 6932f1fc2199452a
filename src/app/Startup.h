#pragma once
// Start-up shared by main(), the tests and the benchmarks.

// Creates the calculator window Form1 (the main window) with its link to the schedule window
// (which is made on first use), then the hidden chart window Form5, and assigns both globals.
// Needs a QApplication; the nomogram tables are already filled by then.
void CreateWindows();
