// The yardstick of the start-up benchmark: the smallest Qt Widgets program, one window with one
// label. It reports its first paint and ends, as the program's start-up executable does.
#include "first_paint_exit.hpp"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quorvant"));
    label.show();
    FirstPaintExit exitAfterPaint;
    return QApplication::exec();
}
