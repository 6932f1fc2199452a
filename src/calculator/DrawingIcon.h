#pragma once
// An icon drawn from an SVG drawing that is read once. Qt's SVG icons read their file again for
// every size they render, and at start the window system alone asks the window icon for four
// sizes; this icon keeps the drawing it read and renders each size as Qt's does, once. Not in
// the Windows build, which has no Qt SVG.

#include <QIcon>
#include <QSize>
#include <QString>

// The drawing at `path` as an icon, and the drawing's own size, which gives its proportions.
// False, with a null icon and an empty size, when the file is no valid drawing.
[[nodiscard]] bool loadDrawingIcon(const QString& path, QIcon& icon, QSize& drawingSize);
