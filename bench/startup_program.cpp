// The program as users start it, built from the same libraries, that reports its first paint (Main
// and its picture window) and ends: what the start-up benchmark launches. The installed program
// has no such hook.
#include "first_paint_exit.hpp"

#include <ui/application.hpp>

#include <optional>

int main(int argc, char* argv[])
{
    std::optional<FirstPaintExit> exitAfterPaint;
    return ui::run(argc, argv, [&] { exitAfterPaint.emplace(); });
}
