// Application-wide settings and the program's life: what it is called, the font every window
// uses, the icon, and when it ends.
#pragma once

#include <functional>

namespace ui {

// Runs the program: chooses the platform, creates the application with its settings, opens Main
// and runs the event loop until the last window is closed. `started` runs once Main is open.
int run(int argc, char* argv[], const std::function<void()>& started = {});

// Name, version, icon, the dialog font and what screen readers are told; called once before the
// first window is created.
void setUpApplication();

// Adds the scalable icon to the 32-pixel one every window has from the start; run() does it once
// Main has been painted.
void addScalableIcon();

} // namespace ui
