// The Qt platform the program runs on, and the window behaviours asked of every desktop alike
// (what differs between desktops is the Desktop's, in desktop.hpp).
#pragma once

#include <QByteArray>

#include <functional>
#include <optional>

class QWidget;

namespace toolkit {

// The Qt platform to choose before the application exists, from the session's environment
// (`variable` answers a name with its value, empty when unset). On a Wayland session with an X
// server (XWayland) the windows run on X11, where they keep their places and plain title bars;
// a platform the user chose is kept. nullopt: leave it to Qt.
std::optional<QByteArray> preferredPlatform(const std::function<QByteArray(const char*)>& variable);

// Sets QT_QPA_PLATFORM as preferredPlatform() says for the process's own environment.
void choosePlatform();

// Makes a window stay above `owner` (its transient parent) without being its child, so that it
// is not disabled with it. Call before the first show.
void keepAbove(QWidget* window, QWidget* owner);

// Brings `window` back at once whenever the window manager minimises it: for a window the rest
// of the program waits for and which has no task-bar entry to restore it from.
void comeBackWhenMinimised(QWidget* window);

} // namespace toolkit
