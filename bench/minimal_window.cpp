// The yardstick of the start-up benchmark: the smallest Qt Widgets program, one window with one
// label. With QUORVANT_BENCH_EXIT_AFTER_PAINT set it prints "first-paint <CLOCK_MONOTONIC ns>"
// after its first paint and ends, as the program does.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

class FirstPaintExit : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // As in the program: the zero timer fires once the whole repaint is done.
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint %lld\n",
                            static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quorvant"));
    FirstPaintExit exitAfterPaint;
    if (qEnvironmentVariableIsSet("QUORVANT_BENCH_EXIT_AFTER_PAINT"))
        label.installEventFilter(&exitAfterPaint);
    label.show();
    return QApplication::exec();
}
