// For the start-up benchmark: prints "first-paint <CLOCK_MONOTONIC ns>" once every window visible
// when it is made has been painted for the first time, and ends the program. The benchmark's
// one-label yardstick uses it as well, so both are timed alike.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

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
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint %lld\n",
                            static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        return false;
    }

private:
    QList<QObject*> pending_;
};
