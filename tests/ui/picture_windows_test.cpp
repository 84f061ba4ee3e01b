// The three circuit picture windows: after each change of mode exactly the mode's window is open,
// at its place or where the user moved it, with its caption, size, style and picture; and they
// close with Main.
#include "harness.hpp"

#include <toolkit/controls.hpp>

#include <QApplication>

using namespace harness;

namespace {
// Chooses a mode in Main; returns the names of the picture windows then open.
QString choose(const QString& mode)
{
    pick("Main", "Combo1", mode);
    QTest::qWait(0);
    return openWindows().join(' ').remove("Main").trimmed();
}

// Each mode's window, in pixels: its client area on the screen, Frame1 and Image1 in their
// parents, and the picture's own size.
void eachMode()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("client");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("image");
    QTest::addColumn<QSize>("picture");
    // clang-format off
    QTest::newRow("CxC") << cxc << "CxC_Image" << QRect(170, 322, 370, 207) << QRect(8, 8, 353, 193) << QRect(8, 16, 337, 169) << QSize(449, 229);
    QTest::newRow("CxL") << cxl << "CxL_Image" << QRect(170, 322, 362, 216) << QRect(8, 8, 345, 201) << QRect(8, 16, 329, 177) << QSize(493, 283);
    QTest::newRow("Lx")  << lx  << "Lx_Image"  << QRect(470, 355, 299, 240) << QRect(8, 8, 281, 225) << QRect(8, 16, 265, 201) << QSize(388, 291);
    // clang-format on
}
} // namespace

class PictureWindowsTest : public harness::WindowTest {
    Q_OBJECT

private slots:
    // From every mode to every mode, exactly the new mode's window is open.
    void onlyTheModesWindow_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("open");
        for (const auto& [from, fromName] : {std::pair{cxc, "CxC"}, {cxl, "CxL"}, {lx, "Lx"}}) {
            QTest::addRow("%s -> CxC", fromName) << from << cxc << "CxC_Image";
            QTest::addRow("%s -> CxL", fromName) << from << cxl << "CxL_Image";
            QTest::addRow("%s -> Lx", fromName) << from << lx << "Lx_Image";
        }
    }
    void onlyTheModesWindow()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, open);
        choose(from);
        QVERIFY(activate(window("Main")));
        QCOMPARE(choose(to), open);
    }

    // Opened by its mode, the window has the layout's place and sizes.
    void placeAndSizes_data() { eachMode(); }
    void placeAndSizes()
    {
        QFETCH(QString, mode);
        QFETCH(QString, name);
        QFETCH(QRect, client);
        QFETCH(QRect, frame);
        QFETCH(QRect, image);
        QFETCH(QSize, picture);
        QCOMPARE(choose(mode), name);
        QCOMPARE(window(qPrintable(name))->geometry(), client);
        QCOMPARE(child<QWidget>(qPrintable(name), "Frame1")->geometry(), frame);
        auto* area = child<toolkit::ImageArea>(qPrintable(name), "Image1");
        QCOMPARE(area->geometry(), image);
        QCOMPARE(area->pictureSize(), picture);
    }

    // An ordinary window, not kept above Main, captioned with its mode, without close box or
    // system menu.
    void captionAndStyle_data() { eachMode(); }
    void captionAndStyle()
    {
        QFETCH(QString, mode);
        QFETCH(QString, name);
        choose(mode);
        QWidget* w = window(qPrintable(name));
        QCOMPARE(w->windowTitle(), mode);
        QCOMPARE(w->windowType(), Qt::Window);
        QVERIFY(!(w->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    }

    // The picture fills the area: dark lines on its own white background up to the corners.
    void pictureFillsTheArea_data() { eachMode(); }
    void pictureFillsTheArea()
    {
        QFETCH(QString, mode);
        QFETCH(QString, name);
        choose(mode);
        const QImage shown =
            child<toolkit::ImageArea>(qPrintable(name), "Image1")->grab().toImage();
        int dark = 0;
        for (int i = 0; i < shown.width() * shown.height(); ++i)
            dark += qGray(shown.pixel(i % shown.width(), i / shown.width())) < 128;
        QVERIFY2(dark > shown.width() * shown.height() / 100, qPrintable(QString::number(dark)));
        for (int x : {0, shown.width() - 1})
            for (int y : {0, shown.height() - 1})
                QCOMPARE(shown.pixel(x, y), qRgb(255, 255, 255));
    }

    // Chosen again, the mode's window stays where the user moved it and is not brought to the
    // front.
    void sameModeAgainKeepsTheWindow_data() { eachMode(); }
    void sameModeAgainKeepsTheWindow()
    {
        QFETCH(QString, mode);
        QFETCH(QString, name);
        choose(mode);
        QWidget* w = window(qPrintable(name));
        w->move(w->pos() + QPoint(37, 23));
        const QRect moved = w->geometry();
        QVERIFY(activate(window("Main")));
        QCOMPARE(choose(mode), name);
        QCOMPARE(window(qPrintable(name)), w);
        QCOMPARE(w->geometry(), moved);
        QVERIFY(QApplication::activeWindow() != w);
    }

    // Closed by another mode, a moved window opens at its own place again.
    void reopenedAtItsPlace_data() { eachMode(); }
    void reopenedAtItsPlace()
    {
        QFETCH(QString, mode);
        QFETCH(QString, name);
        QFETCH(QRect, client);
        choose(mode);
        window(qPrintable(name))->move(window(qPrintable(name))->pos() + QPoint(37, 23));
        choose(mode == lx ? cxc : lx);
        QCOMPARE(choose(mode), name);
        QCOMPARE(window(qPrintable(name))->geometry(), client);
    }

    // Closing Main closes the picture with it.
    void closesWithMain_data() { eachMode(); }
    void closesWithMain()
    {
        QFETCH(QString, mode);
        choose(mode);
        QVERIFY(window("Main")->close());
        QCOMPARE(openWindows(), QStringList());
    }
};

QUORVANT_TEST_MAIN(PictureWindowsTest)
#include "picture_windows_test.moc"
