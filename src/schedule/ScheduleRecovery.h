#pragma once
// The question at start-up about a copy that a crash left behind: restore it, throw it away, or
// decide at the next start.

#include "ScheduleAutosave.h"

class QWidget;

enum class TRestoreAnswer { Restore, ThrowAway, Later };

[[nodiscard]] TRestoreAnswer askToRestore(QWidget* parent, const TScheduleAutosave::TLeftBehind& copy);
