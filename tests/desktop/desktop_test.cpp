// The windows on a real X server under a real window manager (run by under_wm.sh): Main comes in
// front of a picture when clicked, the picture and calibration windows stay out of the task bar,
// the calibration window stays above Main and cannot be lost by minimising it, and the warning
// box opens above the window that raised it.
#include "harness.hpp"

#include <toolkit/platform.hpp>
#include <toolkit/x11.hpp>

#include <QApplication>
#include <QProcess>

#include <cstdlib>

using namespace harness;

namespace {
using toolkit::x11::connection;

xcb_atom_t atom(const char* name) { return toolkit::x11::atom(connection(), name); }

// A property of 32-bit values (atoms, windows, cardinals).
QList<quint32> xProperty(xcb_window_t window, const char* name)
{
    auto* reply = xcb_get_property_reply(
        connection(),
        xcb_get_property(connection(), 0, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
        nullptr);
    QList<quint32> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        values = QList<quint32>(data, data + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return values;
}

xcb_window_t id(QWidget* w) { return static_cast<xcb_window_t>(w->winId()); }

// The place of a window in the manager's stacking order, bottom first; -1 when not listed.
int stackPlace(QWidget* w)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
    return static_cast<int>(xProperty(root, "_NET_CLIENT_LIST_STACKING").indexOf(id(w)));
}

// Counts the times its window was minimised.
class MinimiseWatch : public QObject {
public:
    int seen = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange &&
            static_cast<QWidget*>(watched)->isMinimized())
            ++seen;
        return false;
    }
};

bool skipsTaskBar(QWidget* w)
{
    return xProperty(id(w), "_NET_WM_STATE").contains(atom("_NET_WM_STATE_SKIP_TASKBAR"));
}

bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}
} // namespace

class DesktopTest : public WindowTest {
    Q_OBJECT

private slots:
    void mainComesInFrontOfThePicture()
    {
        pick("Main", "Combo1", lx);
        QWidget* main = window("Main");
        QWidget* picture = window("Lx_Image");
        QVERIFY(picture && skipsTaskBar(picture) && !skipsTaskBar(main));
        QTRY_VERIFY(stackPlace(picture) > stackPlace(main)); // the new picture comes first
        // A click on Main where the picture does not cover it brings Main to the front.
        const QPoint at = main->mapToGlobal(QPoint(20, main->height() / 2));
        QVERIFY(!picture->frameGeometry().contains(at));
        QVERIFY(
            xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"}));
        QTRY_VERIFY(stackPlace(main) > stackPlace(picture));
    }

    void calibrationStaysAboveMainAndComesBack()
    {
        click("Main", "Command3");
        QWidget* main = window("Main");
        QWidget* cal = window("Cal_Cx");
        QVERIFY(cal && !main->isEnabled());
        QVERIFY(skipsTaskBar(cal));
        QCOMPARE(xProperty(id(cal), "WM_TRANSIENT_FOR").value(0), id(main));
        QTRY_VERIFY(stackPlace(cal) > stackPlace(main));

        // Minimised by the window manager, it comes back at once: Main is never left disabled
        // with no calibration window to give it back.
        MinimiseWatch minimised;
        cal->installEventFilter(&minimised);
        QTRY_COMPARE(xProperty(id(cal), "WM_STATE").value(0), 1u); // managed, in NormalState
        // A manager may pass over a request while it is busy with the window: asked up to three
        // times, each time until the minimise is seen or for a second.
        for (int ask = 0; ask < 3; ++ask) {
            QVERIFY(xdotool({"windowminimize", QString::number(id(cal))}));
            if (QTest::qWaitFor([&] { return minimised.seen > 0; }, 1000))
                break;
        }
        // Both managers minimise on request, openbox too although the window offers no minimise
        // button: without a minimise the return below would prove nothing.
        QVERIFY2(minimised.seen > 0, "the window manager did not minimise the window");
        QTRY_VERIFY(cal->isVisible() && !cal->isMinimized());
        QTRY_COMPARE(xProperty(id(cal), "WM_STATE").value(0), 1u); // NormalState
        QVERIFY(!main->isEnabled());
        click("Cal_Cx", "Command3");
        QTRY_VERIFY(main->isEnabled());
    }

    void warningOpensAboveItsWindow()
    {
        QWidget* main = window("Main");
        int boxPlace = -1, mainPlace = -1;
        BoxCatcher::instance().inspectNext([&](QMessageBox* box) {
            // Once the manager has stacked the box.
            QTRY_VERIFY_WITH_TIMEOUT(stackPlace(box) > stackPlace(main), 10000);
            boxPlace = stackPlace(box);
            mainPlace = stackPlace(main);
        });
        click("Main", "Command1"); // no calibration yet
        QCOMPARE(BoxCatcher::instance().take().size(), 1);
        QVERIFY2(boxPlace > mainPlace,
                 qPrintable(QStringLiteral("%1 %2").arg(boxPlace).arg(mainPlace)));
    }
};

QUORVANT_TEST_MAIN(DesktopTest)
#include "desktop_test.moc"
