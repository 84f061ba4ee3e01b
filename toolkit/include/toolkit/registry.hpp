// Single-instance windows: each window of the program exists at most once, is created by "open"
// and destroyed by "close", and the program ends when the last of them is gone.
#pragma once

#include <toolkit/window.hpp>

#include <QObject>
#include <QPointer>

#include <utility>

namespace toolkit {

// Counts the program's open windows, whatever their kind, and says when the last one is gone.
class Registry : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(Registry)

public:
    static Registry& instance();

    void track(Window* window);

signals:
    void lastWindowClosed();

private:
    Registry() = default;
    int open_ = 0;
};

// The place of one window. The window's lifetime is the registry's business, not a parent's.
template <class W> class SingleInstance {
public:
    // If the window is not open: create it and run its start-up, which shows it. If it is open:
    // nothing, it is neither shown again, raised, moved nor reset.
    template <class... Args> void open(Args&&... args)
    {
        openWith([](W*) {}, std::forward<Args>(args)...);
    }

    // The same, with `connect(window)` run between the window's construction and its start-up,
    // so that what the start-up signals reaches the rest of the program.
    template <class Connect, class... Args> void openWith(Connect connect, Args&&... args)
    {
        // A closed window whose deferred deletion is still pending is not open: a close and an
        // open handled in the same pass of the event loop must give a new window.
        if (isOpen())
            return;
        window_ = new W(std::forward<Args>(args)...);
        Registry::instance().track(window_);
        connect(window_.data());
        window_->startUp();
    }

    // If the window is open: destroy it with its contents. If not: nothing.
    void close(CloseReason reason = CloseReason::FromCode)
    {
        if (isOpen())
            window_->closeWithReason(reason);
    }

    bool isOpen() const { return window_ && !window_->isClosed(); }
    W* get() const { return isOpen() ? window_.data() : nullptr; }

private:
    QPointer<W> window_;
};

} // namespace toolkit
