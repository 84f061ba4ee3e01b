// Help, the About window: its text, caption and place; "About" chosen again while it is open; and
// how it keeps the program running after Main has closed.
#include "harness.hpp"

#include <ui/application.hpp>
#include <ui/program.hpp>

#include <toolkit/controls.hpp>

#include <QAction>
#include <QSignalSpy>

class HelpWindowTest : public harness::WindowTest {
    Q_OBJECT

private slots:
    void aboutWindow()
    {
        harness::child<QAction>("Main", "MnuAbout")->trigger();
        QWidget* help = harness::window("Help");
        auto* label = harness::child<toolkit::Label>("Help", "Label1");
        QVERIFY(label);
        const QStringList lines{"Inductance and Capacitance Meter",
                                "                       by ",
                                "              Dorvin Keltsby",
                                "                *  QQ9QQQ  *",
                                "          full info on my web",
                                "",
                                "     http://www.keltsby.example/quorvant/"};
        QCOMPARE(label->caption(), lines.join('\r')); // six carriage returns, no line feed
        QCOMPARE(help->windowTitle(), "About  -   Quorvant * by Dorvin Keltsby - QQ9QQQ *");
        QCOMPARE(help->geometry(), QRect(2595 / 15, 3330 / 15, 4935 / 15, 2385 / 15));

        // "About" again: the same window, not moved back, its text not set again.
        help->move(help->pos() + QPoint(40, 30));
        label->setCaption("left by the test");
        harness::child<QAction>("Main", "MnuAbout")->trigger();
        QVERIFY(harness::openWindows().count("Help") == 1 && harness::window("Help") == help);
        QCOMPARE(help->geometry().topLeft(), QPoint(2595 / 15 + 40, 3330 / 15 + 30));
        QCOMPARE(label->caption(), "left by the test");

        // The program ends with its last window: with Help, not with Main.
        QSignalSpy ended(&program(), &ui::Program::lastWindowClosed);
        QVERIFY(harness::window("Main")->close());
        // With Help open, Main and its picture window gone, the program goes on.
        QVERIFY(!QTest::qWaitFor([&] { return !ended.isEmpty(); }, 20) && help->close());
        QTRY_COMPARE(ended.count(), 1);
    }

    // Every window carries the hand-drawn 32-pixel icon from the start; the scalable one joins it
    // after the first paint, for larger sizes.
    void icon()
    {
        // The pixels as they show, whatever their format or colour space.
        const auto pixels = [](const QImage& image) {
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QList<QRgb> all;
            for (int y = 0; y < argb.height(); ++y)
                for (int x = 0; x < argb.width(); ++x)
                    all << argb.pixel(x, y);
            return all;
        };
        const auto drawn = pixels(QImage(QStringLiteral(QUORVANT_RESOURCES "/icon32.png")));
        const auto icon = [] { return harness::window("Main")->windowIcon(); };
        QCOMPARE(pixels(icon().pixmap(32).toImage()), drawn);
        ui::addScalableIcon();
        QCOMPARE(pixels(icon().pixmap(32).toImage()), drawn); // 32 pixels: still the drawn one
        QCOMPARE(icon().pixmap(256).size(), QSize(256, 256));
    }
};

QUORVANT_TEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
