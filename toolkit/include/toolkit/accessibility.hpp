// What screen readers are told beyond what Qt tells them by itself.
#pragma once

#include <QString>

class QWidget;

namespace toolkit {

// Gives the program's windows, frames and pictures the roles screen readers expect: a window or
// a dialog for each window, a grouping for a frame (which a screen reader would otherwise take for
// a window of its own), a graphic for a picture. Call once, before the first window is shown.
void installAccessibility();

// Has screen readers say `text` now, without moving the keyboard focus and without changing what
// `window` shows.
void announce(QWidget* window, const QString& text);

} // namespace toolkit
