// The program's window lifetime: closing Main and its reasons, the single instances, the end of
// the program when the last window goes, and a termination request from outside.
#include "harness.hpp"

#include <toolkit/registry.hpp>
#include <toolkit/termination.hpp>
#include <toolkit/window.hpp>
#include <ui/application.hpp>
#include <ui/calibration_window.hpp>
#include <ui/forms.hpp>
#include <ui/help_window.hpp>
#include <ui/main_window.hpp>
#include <ui/picture_window.hpp>

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>

#include <csignal>

using namespace harness;

namespace {

const QStringList allPictures{"CxC_Image", "CxL_Image", "Lx_Image"};

// One pass of the event loop, with the deferred destruction of closed windows.
void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// Every top-level widget with this name, shown or not.
int instances(const QString& name)
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            ++n;
    return n;
}

ui::MainWindow* mainForm() { return ui::forms().main.get(); }

void openAllPictures()
{
    ui::openLxImage();
    ui::openCxCImage();
    ui::openCxLImage();
    settle();
}

// Records the order in which top-level windows are hidden.
class HideRecorder : public QObject {
public:
    HideRecorder() { qApp->installEventFilter(this); }
    ~HideRecorder() override { qApp->removeEventFilter(this); }
    QStringList hidden;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->isWindow() && !w->objectName().isEmpty() &&
                !hidden.contains(w->objectName()))
                hidden << w->objectName();
        }
        return false;
    }
};

} // namespace

class LifetimeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The program's termination handling, without connectLifetime's quit: installed once,
        // since each installation adds a reader of the same signal pipe.
        toolkit::onTerminationRequest(ui::closeAllForTermination);
    }
    void init()
    {
        resetProgram();
        QCOMPARE(toolkit::Registry::instance().openCount(), 0);
        QVERIFY(startProgram());
    }
    void cleanup()
    {
        const auto boxes = BoxCatcher::instance().take();
        QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected box: ") +
                                             (boxes.isEmpty() ? QString() : boxes.first().text)));
        resetProgram();
    }

    // ---- closing Main ------------------------------------------------------------------------

    void closeReasons_data()
    {
        QTest::addColumn<int>("reason"); // -1: QWidget::close(), the close box
        QTest::addColumn<bool>("picturesClose");
        QTest::newRow("close box") << -1 << true;
        QTest::newRow("reason 0, user") << int(toolkit::CloseFromUser) << true;
        QTest::newRow("reason 1, program") << int(toolkit::CloseFromCode) << false;
        QTest::newRow("reason 2, session") << int(toolkit::CloseFromSession) << false;
        QTest::newRow("reason 3, task manager") << int(toolkit::CloseFromTaskManager) << true;
    }

    void closeReasons()
    {
        QFETCH(int, reason);
        QFETCH(bool, picturesClose);

        // Normally one picture window is open; all three are, to see each one closed.
        openAllPictures();
        QCOMPARE(sorted(openWindows()), sorted(allPictures + QStringList{"Main"}));
        QSignalSpy last(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed);

        if (reason < 0)
            QVERIFY(window("Main")->close());
        else
            mainForm()->closeWithReason(reason);
        settle();

        QVERIFY(!window("Main"));
        QVERIFY(!ui::forms().main.isOpen());
        QCOMPARE(instances(QStringLiteral("Main")), 0);
        if (picturesClose) {
            QCOMPARE(openWindows(), QStringList());
            QCOMPARE(toolkit::Registry::instance().openCount(), 0);
            QCOMPARE(last.count(), 1);
        } else {
            QCOMPARE(openWindows(), allPictures);
            QCOMPARE(toolkit::Registry::instance().openCount(), 3);
            QCOMPARE(last.count(), 0);
        }
    }

    // The usual case: only the mode's picture window is open.
    void userCloseClosesModePicture()
    {
        pick("Main", "Combo1", QStringLiteral("Lx Mode (Calculate L)"));
        settle();
        QCOMPARE(openWindows(), (QStringList{"Lx_Image", "Main"}));
        QVERIFY(window("Main")->close());
        settle();
        QCOMPARE(openWindows(), QStringList());
    }

    // The pictures close before Main: they are closed by Main's close handler.
    void picturesCloseFromMainsHandler()
    {
        HideRecorder recorder;
        QVERIFY(window("Main")->close());
        settle();
        QCOMPARE(recorder.hidden, (QStringList{"CxC_Image", "Main"}));
    }

    // Main's close handler does not close Help or a calibration window.
    void userCloseLeavesHelpAndCalibration()
    {
        mainForm()->findChild<QAction*>(QStringLiteral("MnuAbout"))->trigger();
        ui::openCalLx();
        settle();
        QVERIFY(window("Main")->close());
        settle();
        QCOMPARE(openWindows(), (QStringList{"Cal_Lx", "Help"}));
    }

    void closeAllForTermination()
    {
        mainForm()->findChild<QAction*>(QStringLiteral("MnuAbout"))->trigger();
        settle();
        click("Main", "Command3"); // Calibrate: Cal_Cx, Main disabled
        settle();
        ui::openCalLx(); // not reachable by the user while Cal_Cx is open; closed all the same
        openAllPictures();
        QCOMPARE(openWindows(), sorted(allPictures + QStringList{"Cal_Cx", "Cal_Lx", "Help",
                                                                   "Main"}));
        QVERIFY(!mainForm()->isEnabled());
        QSignalSpy last(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed);

        ui::closeAllForTermination();
        settle();

        QCOMPARE(openWindows(), QStringList());
        QCOMPARE(toolkit::Registry::instance().openCount(), 0);
        QCOMPARE(last.count(), 1);
        for (const char* name : {"Main", "Cal_Cx", "Cal_Lx", "Help", "Lx_Image", "CxC_Image",
                                 "CxL_Image"})
            QCOMPARE(instances(QString::fromLatin1(name)), 0);
    }

    // ---- the last window ---------------------------------------------------------------------

    void helpKeepsTheProgramRunning()
    {
        mainForm()->findChild<QAction*>(QStringLiteral("MnuAbout"))->trigger();
        settle();
        QSignalSpy last(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed);

        QVERIFY(window("Main")->close());
        settle();
        QCOMPARE(openWindows(), QStringList{"Help"});
        QCOMPARE(last.count(), 0);
        QCOMPARE(toolkit::Registry::instance().openCount(), 1);

        QWidget* help = window("Help");
        QVERIFY(help);
        QVERIFY(help->close()); // the user's close box
        settle();
        QCOMPARE(openWindows(), QStringList());
        QCOMPARE(last.count(), 1);
        QCOMPARE(toolkit::Registry::instance().openCount(), 0);
    }

    void pictureLeftByProgramCloseKeepsRunning()
    {
        QSignalSpy last(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed);
        mainForm()->closeWithReason(toolkit::CloseFromCode);
        settle();
        QCOMPARE(openWindows(), QStringList{"CxC_Image"});
        QCOMPARE(last.count(), 0);
        ui::forms().cxcImage.close();
        settle();
        QCOMPARE(openWindows(), QStringList());
        QCOMPARE(last.count(), 1);
    }

    // Emitted when the last window is destroyed, not before, and once only.
    void lastWindowClosedExactlyOnce()
    {
        QSignalSpy last(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed);
        pick("Main", "Combo1", QStringLiteral("Cx Mode (Calculate L)"));
        pick("Main", "Combo1", QStringLiteral("Lx Mode (Calculate L)"));
        settle();
        QCOMPARE(last.count(), 0);
        QCOMPARE(toolkit::Registry::instance().openCount(), 2);
        QVERIFY(window("Main")->close());
        settle();
        QCOMPARE(last.count(), 1);
        // Closing what is already closed changes nothing.
        ui::closeAllForTermination();
        settle();
        QCOMPARE(last.count(), 1);
        QCOMPARE(toolkit::Registry::instance().openCount(), 0);
    }

    // ---- single instances --------------------------------------------------------------------

    void closingWhatIsNotOpenDoesNothing()
    {
        QSignalSpy last(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed);
        const QStringList before = openWindows();
        const int count = toolkit::Registry::instance().openCount();
        ui::Forms& f = ui::forms();
        f.help.close();
        f.calLx.close();
        f.calCx.close();
        f.lxImage.close();
        f.cxlImage.close();
        f.help.close(toolkit::CloseFromTaskManager);
        settle();
        QCOMPARE(openWindows(), before);
        QCOMPARE(toolkit::Registry::instance().openCount(), count);
        QCOMPARE(last.count(), 0);
        QVERIFY(!f.help.isOpen());
        QVERIFY(!f.calLx.isOpen());
        QVERIFY(!f.lxImage.isOpen());
        for (const char* name : {"Help", "Cal_Lx", "Cal_Cx", "Lx_Image", "CxL_Image"})
            QCOMPARE(instances(QString::fromLatin1(name)), 0);
    }

    // A window closed but not yet destroyed is not open: a second close does not reach it.
    void closingTwiceClosesOnce()
    {
        HideRecorder recorder;
        ui::forms().main.close(toolkit::CloseFromUser);
        ui::forms().main.close(toolkit::CloseFromUser);
        QVERIFY(!ui::forms().main.isOpen());
        settle();
        QCOMPARE(openWindows(), QStringList());
        QCOMPARE(recorder.hidden, (QStringList{"CxC_Image", "Main"}));
    }

    void openingWhatIsOpenDoesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Main") << QStringLiteral("Main");
        QTest::newRow("CxC_Image") << QStringLiteral("CxC_Image");
        QTest::newRow("Help") << QStringLiteral("Help");
        QTest::newRow("Cal_Cx") << QStringLiteral("Cal_Cx");
        QTest::newRow("Cal_Lx") << QStringLiteral("Cal_Lx");
        QTest::newRow("Lx_Image") << QStringLiteral("Lx_Image");
        QTest::newRow("CxL_Image") << QStringLiteral("CxL_Image");
    }

    void openingWhatIsOpenDoesNothing()
    {
        QFETCH(QString, name);
        const auto open = [&] {
            if (name == QLatin1String("Main"))
                ui::openMain();
            else if (name == QLatin1String("CxC_Image"))
                ui::openCxCImage();
            else if (name == QLatin1String("Help"))
                ui::openHelp();
            else if (name == QLatin1String("Cal_Cx"))
                ui::openCalCx();
            else if (name == QLatin1String("Cal_Lx"))
                ui::openCalLx();
            else if (name == QLatin1String("Lx_Image"))
                ui::openLxImage();
            else
                ui::openCxLImage();
        };
        open();
        settle();
        QWidget* w = window(qPrintable(name));
        QVERIFY(w);
        w->move(w->pos() + QPoint(29, 13)); // moved by the user
        settle();
        const QPoint moved = w->pos();
        QPointer<QWidget> guard(w);
        const int count = toolkit::Registry::instance().openCount();
        const QStringList before = openWindows();

        open();
        settle();

        QVERIFY(!guard.isNull());
        QCOMPARE(window(qPrintable(name)), w);
        QCOMPARE(w->pos(), moved);
        QCOMPARE(instances(name), 1);
        QCOMPARE(toolkit::Registry::instance().openCount(), count);
        QCOMPARE(openWindows(), before);
    }

    // Closed and opened again in one pass of the event loop: a new window at its stored place.
    void closeThenOpenGivesNewWindow()
    {
        ui::openHelp();
        settle();
        QPointer<QWidget> first(window("Help"));
        QVERIFY(first);
        const QPoint stored = first->pos();
        first->move(stored + QPoint(40, 40));
        settle();

        QVERIFY(first->close()); // the user's close box
        ui::openHelp();          // "About" at once
        settle();
        QVERIFY(first.isNull());
        QWidget* second = window("Help");
        QVERIFY(second);
        QCOMPARE(second->pos(), stored);
        QCOMPARE(instances(QStringLiteral("Help")), 1);
        QCOMPARE(toolkit::Registry::instance().openCount(), 3); // Main, CxC_Image, Help
    }

    // ---- termination from outside ------------------------------------------------------------

    void sigtermClosesEverything()
    {
        mainForm()->findChild<QAction*>(QStringLiteral("MnuAbout"))->trigger();
        settle();
        click("Main", "Command3"); // Cal_Cx open, Main disabled
        settle();
        const QStringList before{"Cal_Cx", "CxC_Image", "Help", "Main"};
        QCOMPARE(openWindows(), before);
        QSignalSpy last(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed);
        HideRecorder recorder;

        QCOMPARE(std::raise(SIGTERM), 0);
        // The signal handler only takes note; the windows close in the event loop.
        QCOMPARE(openWindows(), before);

        QTRY_COMPARE_WITH_TIMEOUT(openWindows(), QStringList(), 5000);
        settle();
        QCOMPARE(toolkit::Registry::instance().openCount(), 0);
        QCOMPARE(last.count(), 1);
        // Main went first, with reason 3: its handler closed the picture before Main itself.
        QVERIFY(recorder.hidden.size() >= 2);
        QCOMPARE(recorder.hidden.mid(0, 2), (QStringList{"CxC_Image", "Main"}));
        QCOMPARE(sorted(recorder.hidden), sorted(before));
    }

    // A second request, and one with nothing open, are handled the same way.
    void sigtermAgain()
    {
        pick("Main", "Combo1", QStringLiteral("Cx Mode (Calculate L)"));
        settle();
        QCOMPARE(openWindows(), (QStringList{"CxL_Image", "Main"}));
        QCOMPARE(std::raise(SIGTERM), 0);
        QTRY_COMPARE_WITH_TIMEOUT(openWindows(), QStringList(), 5000);

        QCOMPARE(std::raise(SIGTERM), 0);
        QTest::qWait(50);
        settle();
        QCOMPARE(openWindows(), QStringList());
        QCOMPARE(toolkit::Registry::instance().openCount(), 0);
    }
};

QUORVANT_TEST_MAIN(LifetimeTest)
#include "lifetime_test.moc"
