// The desktop the program's windows live on, and all that differs between desktops: it counts the
// windows, so that the program can end with the last; it keeps the windows that ask for it out of
// the task bar; it names the dialog font. The build picks one file per platform for the last two
// (desktop_x11.cpp, desktop_windows.cpp, desktop_plain.cpp).
#pragma once

#include <QFont>
#include <QObject>

#include <memory>

class QWidget;

namespace toolkit {

class Window;

class Desktop : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(Desktop)

public:
    explicit Desktop(QObject* parent = nullptr);
    ~Desktop() override;

    // Counts `window` as open until it is destroyed, whatever kind of window it is.
    void track(Window* window);

    // Keeps a window out of the task bar (and on X11 the pager). Call after winId() and before
    // the first show; does nothing where the platform has no such state.
    void skipTaskBar(QWidget* window);

signals:
    void lastWindowClosed();

private:
    int open_ = 0;
    // What the platform's file keeps for skipTaskBar (on Windows, the owner that is never shown).
    struct Native;
    std::unique_ptr<Native> native_;
};

// The small dialog font the windows were laid out for, at `pointSize`: on Windows its classic
// dialog font (Microsoft Sans Serif), elsewhere Liberation Sans, of the metrics of Arial.
QFont dialogFont(qreal pointSize);

} // namespace toolkit
