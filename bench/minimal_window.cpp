// The yardstick of the start-up benchmark: the smallest Qt Widgets program, one window with one
// label. With QUORVANT_BENCH_EXIT_AFTER_PAINT set it reports its first paint and ends, as the
// program does.
#include "../app/first_paint_exit.hpp"

#include <QApplication>
#include <QLabel>

#include <optional>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quorvant"));
    label.show();
    std::optional<FirstPaintExit> exitAfterPaint;
    if (qEnvironmentVariableIsSet("QUORVANT_BENCH_EXIT_AFTER_PAINT"))
        exitAfterPaint.emplace();
    return QApplication::exec();
}
