// Application-wide settings and the program's life: what it is called, the font every window
// uses, the icon, and when it ends.
#pragma once

class QApplication;

namespace ui {

// Name, version, icon and the dialog font; called once before the first window is created.
void setUpApplication(QApplication& app);

// The program ends when its last window is closed, whatever kind of window it is, and a
// termination request closes the windows in order.
void connectLifetime(QApplication& app);

// Closes Main as a termination request does, then every other open window.
void closeAllForTermination();

} // namespace ui
