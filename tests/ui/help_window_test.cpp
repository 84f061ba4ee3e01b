// Help, the About window: its text, caption and place; "About" chosen again while it is open; and
// how it keeps the program running after Main has closed.
#include "harness.hpp"

#include <ui/application.hpp>
#include <ui/program.hpp>

#include <ui/help_window.hpp>

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>

using namespace harness;

class HelpWindowTest : public harness::WindowTest {
    Q_OBJECT

private slots:
    // Seven lines, separated by a carriage return alone, each shown on a line of its own.
    void text()
    {
        const QStringList lines{"Inductance and Capacitance Meter",
                                "                       by ",
                                "              Dorvin Keltsby",
                                "                *  QQ9QQQ  *",
                                "          full info on my web",
                                "",
                                "     http://www.keltsby.example/quorvant/"};
        QCOMPARE(ui::HelpWindow::aboutText(), lines.join('\r')); // no line feed
        openFromMain("Help");
        QCOMPARE(child<QLabel>("Help", "Label1")->text(), lines.join('\n'));
    }

    void captionAndPlace()
    {
        QWidget* help = openFromMain("Help");
        QCOMPARE(help->windowTitle(), "About  -   Quorvant * by Dorvin Keltsby - QQ9QQQ *");
        QCOMPARE(help->geometry(), QRect(173, 222, 329, 159));
    }

    // "About" again: the same window, not moved back, its text not set again.
    void aboutAgain()
    {
        QWidget* help = openFromMain("Help");
        help->move(help->pos() + QPoint(40, 30));
        child<QLabel>("Help", "Label1")->setText("left by the test");
        QCOMPARE(openFromMain("Help"), help);
        QCOMPARE(openWindows().count("Help"), 1);
        QCOMPARE(help->geometry().topLeft(), QPoint(213, 252));
        QCOMPARE(child<QLabel>("Help", "Label1")->text(), "left by the test");
    }

    // The program ends with its last window: with Help, not with Main.
    void keepsTheProgramRunning()
    {
        QWidget* help = openFromMain("Help");
        QSignalSpy ended(&program(), &ui::Program::lastWindowClosed);
        const QPointer<QWidget> main = window("Main"), picture = window("CxC_Image");
        QVERIFY(picture && main->close());
        // Once Main and its picture window are gone, Help alone keeps the program going.
        QTRY_VERIFY(main.isNull() && picture.isNull());
        QCOMPARE(ended.count(), 0);
        QVERIFY(help->close());
        QTRY_COMPARE(ended.count(), 1);
    }

    // Every window carries the hand-drawn 32-pixel icon from the start; the scalable one joins it
    // after the first paint, for larger sizes, drawn at each size without Qt's plug-ins (some
    // releases package the SVG icon engine apart): here none can be found.
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
        const auto icon = [] { return window("Main")->windowIcon(); };
        QCOMPARE(pixels(icon().pixmap(32).toImage()), drawn);
        const QStringList pluginFolders = QCoreApplication::libraryPaths();
        QCoreApplication::setLibraryPaths({});
        ui::addScalableIcon();
        QCOMPARE(pixels(icon().pixmap(32).toImage()), drawn); // 32 pixels: still the drawn one
        const QImage large = icon().pixmap(256).toImage();
        QCoreApplication::setLibraryPaths(pluginFolders);
        QCOMPARE(large.size(), QSize(256, 256));
    }
};

QUORVANT_TEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
