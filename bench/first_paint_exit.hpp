// For the start-up benchmark: prints "first-paint <steady clock ns>" once every window visible
// when it is made has been painted for the first time, and ends the program. The program's
// start-up executable and the one-label yardstick both use it, so both are timed alike. (The
// steady clock is CLOCK_MONOTONIC on Linux, the driver's clock.)
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

// Under callgrind, what comes after the first paint (the end of the program) is not counted.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define QUORVANT_STOP_COUNTING() CALLGRIND_TOGGLE_COLLECT
#else
#define QUORVANT_STOP_COUNTING()
#endif

class FirstPaintExit : public QObject {
public:
    FirstPaintExit()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) {
                pending_.append(w);
                w->installEventFilter(this);
            }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The window's own paint comes first in its repaint; the zero timer fires once the whole
        // repaint, children and flush included, is done.
        if (event->type() == QEvent::Paint && pending_.removeAll(watched) > 0 && pending_.isEmpty())
            QTimer::singleShot(0, this, [] {
                QUORVANT_STOP_COUNTING();
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first-paint %lld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        return false;
    }

private:
    QList<QObject*> pending_;
};
