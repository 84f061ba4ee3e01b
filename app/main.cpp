// Quorvant starts by creating its main window; the windows themselves do the rest.
#include "first_paint_exit.hpp"

#include <ui/application.hpp>
#include <ui/forms.hpp>

#include <QApplication>

#include <optional>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::setUpApplication(app);
    ui::connectLifetime(app);
    ui::openMain();
    // The start-up benchmark ends the program once Main and its picture are painted.
    std::optional<FirstPaintExit> exitAfterPaint;
    if (qEnvironmentVariableIsSet("QUORVANT_BENCH_EXIT_AFTER_PAINT"))
        exitAfterPaint.emplace();
    return QApplication::exec();
}
