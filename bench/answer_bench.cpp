// Answer time: from the release of F1 in Main's frequency field to the result painted in Main,
// for the capacitance result (Text4, mode "Cx Mode (Calculate C)") and the inductance result
// (Text2, mode "Lx Mode (Calculate L)"). Opens the program's windows on the current platform
// (offscreen or a display), calibrates the record, then repeats: type a reading, flush every
// pending paint, start the clock, release F1, run the event loop until the result field has been
// painted and the repaint is done.
//
// usage: answer_bench [REPETITIONS]   (default 2000 per result field)
#include <quorvant/calibration.hpp>
#include <quorvant/record.hpp>
#include <toolkit/controls.hpp>
#include <ui/application.hpp>
#include <ui/main_window.hpp>
#include <ui/program.hpp>

#include "quantile.hpp"
#include "quiet_offscreen.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

class PaintSeen : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

void flush()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// F1 counts only in the active Main. On a display, activation is the X server's answer and may
// come late; wait for it.
bool makeActive(QWidget* main)
{
    if (QApplication::activeWindow() == main)
        return true;
    main->activateWindow();
    // Active for the application at once; Qt 6.5 deprecates the call for activateWindow() alone.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(main);
    QT_WARNING_POP
    return QTest::qWaitForWindowActive(main);
}

// Returns false if a repetition never painted its result.
bool measure(QWidget* main, const QString& mode, const char* resultName, int repetitions)
{
    auto* modes = main->findChild<toolkit::ComboBox*>(QStringLiteral("Combo1"));
    auto* field = main->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* result = main->findChild<QLineEdit*>(QString::fromLatin1(resultName));
    if (!modes || !field || !result)
        return false;
    modes->selectText(mode); // opens the mode's picture window, which takes the focus
    flush();

    PaintSeen paint;
    result->installEventFilter(&paint);
    std::vector<double> total, handler;
    QElapsedTimer clock;
    for (int i = 0; i < repetitions + 20; ++i) {
        // Two readings in turn, so that every F1 changes the result's text.
        field->setText(i % 2 ? QStringLiteral("312500") : QStringLiteral("287000"));
        if (!makeActive(main))
            return false;
        field->setFocus(Qt::OtherFocusReason);
        flush();
        paint.seen = false;
        clock.start();
        QTest::keyRelease(field, Qt::Key_F1);
        const qint64 handled = clock.nsecsElapsed();
        while (!paint.seen) {
            QCoreApplication::processEvents();
            if (clock.elapsed() > 5000) {
                std::fprintf(stderr, "%s was not painted within 5 s\n", resultName);
                return false;
            }
        }
        const qint64 painted = clock.nsecsElapsed();
        if (i >= 20) { // the first ones warm the caches and the glyphs up
            handler.push_back(static_cast<double>(handled) / 1e3);
            total.push_back(static_cast<double>(painted) / 1e3);
        }
    }
    result->removeEventFilter(&paint);
    std::printf("%-6s (%s): F1 release to painted: median %7.1f us, p90 %7.1f us; "
                "handler alone: median %6.1f us   [%s]\n",
                resultName, qPrintable(mode), quantile(total, 0.5), quantile(total, 0.9),
                quantile(handler, 0.5), qPrintable(result->text()));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    support::quietOffscreen();
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    ui::setUpApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Program program;
    program.openMain();
    QWidget* main = program.mainWindow();
    if (!main || !QTest::qWaitForWindowExposed(main))
        return 1;
    // The calibration of the example readings: 500 kHz alone, 400 kHz with 1000 pF.
    using quorvant::Unit;
    quorvant::calibrate(quorvant::CalibrationMethod::ParallelCapacitor,
                        {"500", Unit::KHz, "400", Unit::KHz, "1000", Unit::pF, Unit::pF, Unit::uH},
                        program.record(), ".");
    std::printf("platform %s, %d repetitions each\n", qPrintable(QGuiApplication::platformName()),
                repetitions);
    const bool ok = measure(main, QStringLiteral("Cx Mode (Calculate C)"), "Text4", repetitions) &&
                    measure(main, QStringLiteral("Lx Mode (Calculate L)"), "Text2", repetitions);
    if (!ok)
        std::fprintf(stderr, "a result was never painted\n");
    return ok ? 0 : 1;
}
