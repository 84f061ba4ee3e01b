// The desktop the program's windows live on: it counts them, so that the program can end with the
// last, and keeps the windows that ask for it out of the task bar.
#pragma once

#include <QObject>

#include <memory>

class QWidget;
class QWindow;

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
    // Windows only: the owner that is never shown and takes the task-bar buttons away.
    std::unique_ptr<QWindow> hiddenOwner_;
};

} // namespace toolkit
