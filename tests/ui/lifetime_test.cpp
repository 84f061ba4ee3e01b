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
// How Main is closed other than told a reason: by its close box, by the program's termination
// request, or by SIGTERM where the program catches it.
enum class Trigger { CloseBox, Termination, Sigterm };
} // namespace

class LifetimeTest : public harness::WindowTest {
    Q_OBJECT

    // A termination request as the system sends it, where the program catches SIGTERM.
    static constexpr bool catchesSigterm = QUORVANT_TERMINATION_SIGNALS;
    void terminate() { program().closeAll(toolkit::CloseReason::FromTaskManager); }

    // After Main was closed: the windows `left` open and the program's end only with the last.
    void expectLeft(const QString& left, const QSignalSpy& last)
    {
        QTRY_COMPARE(openWindows().join(' '), left);
        QTest::qWait(0);
        QCOMPARE(last.count(), left.isEmpty() ? 1 : 0);
        terminate();
        QTRY_COMPARE(last.count(), 1);
    }

private slots:
    // Help keeps the program running after Main; the end comes with the last window. Closed by
    // the program itself, Main leaves its picture open.
    void closingWithReason_data()
    {
        using toolkit::CloseReason;
        QTest::addColumn<CloseReason>("reason");
        QTest::addColumn<QString>("left"); // the windows still open
        QTest::newRow("user") << CloseReason::FromUser << "Help";
        QTest::newRow("program") << CloseReason::FromCode << "CxC_Image Help";
        QTest::newRow("task manager") << CloseReason::FromTaskManager << "Help";
    }
    void closingWithReason()
    {
        QFETCH(toolkit::CloseReason, reason);
        QFETCH(QString, left);
        QSignalSpy last(&program(), &ui::Program::lastWindowClosed);
        program().openHelp();
        static_cast<toolkit::Window*>(window("Main"))->closeWithReason(reason);
        QVERIFY(!window("Main"));
        expectLeft(left, last);
    }

    // The close box is the user's; a termination request closes everything, a calibration
    // window, the disabled Main and the picture of the last mode too, a signal in the event loop.
    void closingFromOutside_data()
    {
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QString>("left"); // the windows still open
        QTest::newRow("close box") << Trigger::CloseBox << "Help";
        QTest::newRow("termination request") << Trigger::Termination << "";
        if (catchesSigterm)
            QTest::newRow("SIGTERM") << Trigger::Sigterm << "";
    }
    void closingFromOutside()
    {
        QFETCH(Trigger, trigger);
        QFETCH(QString, left);
        QSignalSpy last(&program(), &ui::Program::lastWindowClosed);
        program().openHelp();
        if (trigger == Trigger::CloseBox) {
            window("Main")->close();
        } else {
            pick("Main", "Combo1", cxl);
            click("Main", "Command3"); // Calibrate: Cal_Cx opens, Main is disabled
            trigger == Trigger::Sigterm ? void(std::raise(SIGTERM)) : terminate();
        }
        // A signal is handled in the event loop: Main is still there.
        QCOMPARE(window("Main") != nullptr, trigger == Trigger::Sigterm);
        expectLeft(left, last);
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
