// The program's window lifetime: closing Main for each reason and on a termination request, the
// end of the program when the last window goes, and single instances.
#include "harness.hpp"

#include <ui/program.hpp>

#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>

#include <csignal>

using namespace harness;

class LifetimeTest : public harness::WindowTest {
    Q_OBJECT

    // A termination request as the system sends it, where the program catches SIGTERM.
    static constexpr bool catchesSigterm = QUORVANT_TERMINATION_SIGNALS;
    void terminate() { program().closeAll(toolkit::CloseReason::FromTaskManager); }

private slots:
    void closing_data()
    {
        QTest::addColumn<QString>("how");  // the close box, a close reason, or a termination
        QTest::addColumn<int>("reason");   // for "reason"
        QTest::addColumn<QString>("left"); // the windows still open
        QTest::newRow("close box") << "close box" << 0 << "Help";
        using toolkit::CloseReason;
        QTest::newRow("0 user") << "reason" << int(CloseReason::FromUser) << "Help";
        QTest::newRow("1 program") << "reason" << int(CloseReason::FromCode) << "CxC_Image Help";
        QTest::newRow("2 shutdown or log-off")
            << "reason" << int(CloseReason::FromSessionEnd) << "CxC_Image Help";
        QTest::newRow("3 task manager") << "reason" << int(CloseReason::FromTaskManager) << "Help";
        QTest::newRow("termination request") << "termination" << 0 << "";
        if (catchesSigterm)
            QTest::newRow("SIGTERM") << "SIGTERM" << 0 << "";
    }
    // Help keeps the program running after Main; the end comes with the last window. A
    // termination request closes everything, a calibration window, the disabled Main and the
    // picture of the last mode too, a signal in the event loop.
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(int, reason);
        QFETCH(QString, left);
        QSignalSpy last(&program(), &ui::Program::lastWindowClosed);
        program().openHelp();
        const bool signal = how == QLatin1String("SIGTERM");
        if (signal || how == QLatin1String("termination")) {
            pick("Main", "Combo1", cxl);
            click("Main", "Command3"); // Calibrate: Cal_Cx opens, Main is disabled
            signal ? void(std::raise(SIGTERM)) : terminate();
        } else if (how == QLatin1String("close box")) {
            window("Main")->close();
        } else {
            static_cast<toolkit::Window*>(window("Main"))
                ->closeWithReason(static_cast<toolkit::CloseReason>(reason));
        }
        QCOMPARE(window("Main") != nullptr, signal); // a signal is handled in the event loop
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
