// Single-instance windows: each window of the program exists at most once, is created by "open"
// and destroyed by "close".
#pragma once

#include <toolkit/window.hpp>

#include <QPointer>

#include <utility>

namespace toolkit {

// The place of one window. The window's lifetime is this place's business, not a parent's: the
// window goes when it is closed, or at the latest with its place.
template <class W> class SingleInstance {
    Q_DISABLE_COPY(SingleInstance)

public:
    SingleInstance() = default;
    ~SingleInstance() { delete window_.data(); }

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
