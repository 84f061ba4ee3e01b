// The three circuit picture windows: after each change of mode exactly the mode's window is open,
// at its place or where the user moved it, with its caption, size, style and picture; and it
// closes with Main.
#include "harness.hpp"

#include <toolkit/controls.hpp>

#include <QApplication>

using namespace harness;

const QStringList modes{cxc, cxl, lx};

// Each mode's window: its name, its picture (":/" + svg, from SVG or rendered) and the picture's
// own size in pixels, its client area's place and size, and Frame1's and Image1's sizes, in twips.
const struct {
    const char *name, *svg;
    QSize size;
    QPoint at;
    QSize client, frame, image;
} pictures[] = {
    {"CxC_Image", "cxc", {449, 229}, {2550, 4830}, {5550, 3105}, {5295, 2895}, {5055, 2535}},
    {"CxL_Image", "cxl", {493, 283}, {2550, 4830}, {5430, 3240}, {5175, 3015}, {4935, 2655}},
    {"Lx_Image", "lx", {388, 291}, {7050, 5325}, {4485, 3600}, {4215, 3375}, {3975, 3015}},
};

// Chooses a mode in Main; returns the names of the picture windows then open.
static QString choose(int mode)
{
    pick("Main", "Combo1", modes[mode]);
    QTest::qWait(0);
    return openWindows().join(' ').remove("Main").trimmed();
}

class PictureWindowsTest : public harness::WindowTest {
    Q_OBJECT

private slots:

    // The first mode's window is moved before the second choice. Chosen again, it stays where it
    // is and is not brought to the front; closed by the change, it opens at its place again.
    void modeChange_data()
    {
        QTest::addColumn<int>("pair"); // first * 3 + second
        for (int i = 0; i < 9; ++i)
            QTest::addRow("%s -> %s", pictures[i / 3].name, pictures[i % 3].name) << i;
    }
    void modeChange()
    {
        QFETCH(int, pair);
        const int first = pair / 3, second = pair % 3;
        const auto &q = pictures[first], &p = pictures[second];
        QCOMPARE(choose(first), q.name);
        window(q.name)->move(window(q.name)->pos() + QPoint(37, 23));
        const QPoint moved = window(q.name)->geometry().topLeft();
        QVERIFY(activate(window("Main")));
        QCOMPARE(choose(second), p.name);
        QWidget* w = window(p.name);
        QVERIFY(first != second || QApplication::activeWindow() != w);
        QCOMPARE(w->geometry(), QRect(first == second ? moved : p.at / 15, p.client / 15));
        QCOMPARE(w->windowTitle(), modes[second]);
        QCOMPARE(w->windowType(), Qt::Window); // an ordinary window, not kept above Main
        QVERIFY(!(w->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
        QCOMPARE(child<QWidget>(p.name, "Frame1")->geometry(), QRect(QPoint(8, 8), p.frame / 15));
        auto* area = child<toolkit::ImageArea>(p.name, "Image1");
        QCOMPARE(area->geometry(), QRect(QPoint(8, 16), p.image / 15));
        QCOMPARE(area->pictureSize(), p.size);
        // The picture fills the area, dark lines on its own white background up to the corners.
        const QImage shown = area->grab().toImage();
        int dark = 0;
        for (int i = 0; i < shown.width() * shown.height(); ++i)
            dark += qGray(shown.pixel(i % shown.width(), i / shown.width())) < 128;
        QVERIFY2(dark > shown.width() * shown.height() / 100, qPrintable(QString::number(dark)));
        for (int x : {0, shown.width() - 1})
            for (int y : {0, shown.height() - 1})
                QCOMPARE(shown.pixel(x, y), qRgb(255, 255, 255));

        QCOMPARE(choose(first), q.name);
        QCOMPARE(window(q.name)->geometry().topLeft(), first == second ? moved : q.at / 15);
        QVERIFY(window("Main")->close());
        QCOMPARE(openWindows(), QStringList());
    }
};

QUORVANT_TEST_MAIN(PictureWindowsTest)
#include "picture_windows_test.moc"
