// Quorvant starts by creating its main window; the windows themselves do the rest.
//
// For the start-up benchmark only: with QUORVANT_BENCH_EXIT_AFTER_PAINT set, the program prints
// "first-paint <CLOCK_MONOTONIC ns>" once every window open at start (Main and its picture) has
// been painted for the first time, and ends.
#include <ui/application.hpp>
#include <ui/forms.hpp>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <optional>

namespace {

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

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::setUpApplication(app);
    ui::connectLifetime(app);
    ui::openMain();
    std::optional<FirstPaintExit> exitAfterPaint;
    if (qEnvironmentVariableIsSet("QUORVANT_BENCH_EXIT_AFTER_PAINT"))
        exitAfterPaint.emplace();
    return QApplication::exec();
}
