// What differs between desktops: the platform the program runs on, the dialog font, and the
// window states the desktops let an application ask for.
#pragma once

#include <QByteArray>
#include <QFont>

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

// The small dialog font the windows were laid out for, at `pointSize`: Windows's classic dialog
// font (Microsoft Sans Serif) where it is installed, else Liberation Sans.
QFont dialogFont(qreal pointSize);

// Makes a window stay above `owner` (its transient parent) without being its child, so that it
// is not disabled with it. Call before the first show.
void keepAbove(QWidget* window, QWidget* owner);

// Brings `window` back at once whenever the window manager minimises it: for a window the rest
// of the program waits for and which has no task-bar entry to restore it from.
void comeBackWhenMinimised(QWidget* window);

} // namespace toolkit
