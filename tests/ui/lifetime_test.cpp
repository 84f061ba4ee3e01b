// The program's window lifetime: closing Main for each reason and on a termination request, the
// end of the program when the last window goes, and single instances.
#include "harness.hpp"

#include <toolkit/termination.hpp>
#include <ui/application.hpp>
#include <ui/forms.hpp>
#include <ui/help_window.hpp>

#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>

#include <csignal>

using namespace harness;

class LifetimeTest : public harness::WindowTest {
    Q_OBJECT

private slots:
    // The program's termination handling without its quit; a second installation is ignored.
    void initTestCase() { toolkit::onTerminationRequest(ui::closeAllForTermination); }

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
        QTest::newRow("termination request") << "closeAllForTermination" << 0 << "";
#ifdef Q_OS_UNIX
        QTest::newRow("SIGTERM") << "SIGTERM" << 0 << "";
#endif
    }
    // Help keeps the program running after Main; the end comes with the last window. A
    // termination request closes everything, a calibration window and the disabled Main too,
    // a signal in the event loop.
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(int, reason);
        QFETCH(QString, left);
        QSignalSpy last(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed);
        ui::openHelp();
        const bool signal = how == QLatin1String("SIGTERM");
        if (signal || how == QLatin1String("closeAllForTermination")) {
            click("Main", "Command3"); // Calibrate: Cal_Cx opens, Main is disabled
            signal ? void(std::raise(SIGTERM)) : ui::closeAllForTermination();
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
        ui::closeAllForTermination();
        QTRY_COMPARE(last.count(), 1);
    }

    // A termination request while a warning box waits closes the box with its window; the
    // program ends cleanly, with nothing freed twice (the sanitizer build checks that).
    void terminationDuringWarning()
    {
        QSignalSpy last(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed);
        bool boxGone = false;
        BoxCatcher::instance().inspectNext([&](QMessageBox* box) {
            QPointer<QMessageBox> watched = box;
#ifdef Q_OS_UNIX
            std::raise(SIGTERM);
#else
            ui::closeAllForTermination();
#endif
            QTRY_VERIFY(watched.isNull()); // destroyed with Main, inside its own wait
            boxGone = true;
        });
        click("Main", "Command1"); // no calibration: the division-by-zero warning
        QVERIFY(boxGone);
        QTRY_COMPARE(last.count(), 1);
        QCOMPARE(openWindows(), QStringList());
        BoxCatcher::instance().take();
    }

    // Opening an open window or closing a closed one does nothing; closed and opened again in
    // one pass of the event loop, a window comes back new.
    void singleInstances()
    {
        ui::forms().help.close(); // not open
        ui::openHelp();
        QPointer<QWidget> help = window("Help");
        QVERIFY(help->close());
        ui::forms().help.close(); // closed, not destroyed yet
        ui::openHelp();
        ui::openHelp();
        ui::openMain();
        QTest::qWait(0);
        QVERIFY(help.isNull());
        QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Help", "Main"}));
    }
};

QUORVANT_TEST_MAIN(LifetimeTest)
#include "lifetime_test.moc"
