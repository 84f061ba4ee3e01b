// The program's window lifetime: closing Main for each reason and on a termination request, the
// end of the program when the last window goes, and single instances.
#include "harness.hpp"

#include <ui/program.hpp>

#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>

#include <csignal>

using namespace harness;

namespace {
// How Main is closed: by its close box, told a reason, by the program's termination request, or
// by SIGTERM where the program catches it.
enum class Close { CloseBox, FromUser, FromCode, FromTaskManager, Termination, Sigterm };
} // namespace

class LifetimeTest : public harness::WindowTest {
    Q_OBJECT

    // A termination request as the system sends it, where the program catches SIGTERM.
    static constexpr bool catchesSigterm = QUORVANT_TERMINATION_SIGNALS;
    void terminate() { program().closeAll(toolkit::CloseReason::FromTaskManager); }

private slots:
    void closing_data()
    {
        QTest::addColumn<Close>("close");
        QTest::addColumn<QString>("left"); // the windows still open
        QTest::newRow("close box") << Close::CloseBox << "Help";
        QTest::newRow("reason: user") << Close::FromUser << "Help";
        QTest::newRow("reason: program") << Close::FromCode << "CxC_Image Help";
        QTest::newRow("reason: task manager") << Close::FromTaskManager << "Help";
        QTest::newRow("termination request") << Close::Termination << "";
        if (catchesSigterm)
            QTest::newRow("SIGTERM") << Close::Sigterm << "";
    }
    // Help keeps the program running after Main; the end comes with the last window. A
    // termination request closes everything, a calibration window, the disabled Main and the
    // picture of the last mode too, a signal in the event loop.
    void closing()
    {
        QFETCH(Close, close);
        QFETCH(QString, left);
        QSignalSpy last(&program(), &ui::Program::lastWindowClosed);
        program().openHelp();
        auto* main = static_cast<toolkit::Window*>(window("Main"));
        using toolkit::CloseReason;
        switch (close) {
        case Close::CloseBox: main->close(); break;
        case Close::FromUser: main->closeWithReason(CloseReason::FromUser); break;
        case Close::FromCode: main->closeWithReason(CloseReason::FromCode); break;
        case Close::FromTaskManager: main->closeWithReason(CloseReason::FromTaskManager); break;
        case Close::Termination:
        case Close::Sigterm:
            pick("Main", "Combo1", cxl);
            click("Main", "Command3"); // Calibrate: Cal_Cx opens, Main is disabled
            close == Close::Sigterm ? void(std::raise(SIGTERM)) : terminate();
            break;
        }
        // A signal is handled in the event loop: Main is still there.
        QCOMPARE(window("Main") != nullptr, close == Close::Sigterm);
        QTRY_COMPARE(openWindows().join(' '), left);
        QTest::qWait(0);
        QCOMPARE(last.count(), left.isEmpty() ? 1 : 0);
        terminate();
        QTRY_COMPARE(last.count(), 1);
    }

    // A termination request while a warning box waits closes the box with its window; the
    // program ends cleanly, with nothing freed twice (the sanitizer build checks that).
    void terminationDuringWarning()
    {
        QSignalSpy last(&program(), &ui::Program::lastWindowClosed);
        bool boxGone = false;
        BoxCatcher::instance().inspectNext([&](QMessageBox* box) {
            QPointer<QMessageBox> watched = box;
            catchesSigterm ? void(std::raise(SIGTERM)) : terminate();
            QTRY_VERIFY(watched.isNull()); // destroyed with Main, inside its own wait
            boxGone = true;
        });
        click("Main", "Command1"); // no calibration: the division-by-zero warning
        QVERIFY(boxGone);
        QTRY_COMPARE(last.count(), 1);
        QCOMPARE(openWindows(), QStringList());
        BoxCatcher::instance().take();
    }

    // Opening an open window does nothing; closed and opened again in one pass of the event
    // loop, a window comes back new.
    void singleInstances()
    {
        program().openHelp();
        QPointer<QWidget> help = window("Help");
        QVERIFY(help->close()); // closed, not destroyed yet
        program().openHelp();
        program().openHelp();
        program().openMain();
        QTest::qWait(0);
        QVERIFY(help.isNull());
        QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Help", "Main"}));
    }
};

QUORVANT_TEST_MAIN(LifetimeTest)
#include "lifetime_test.moc"
