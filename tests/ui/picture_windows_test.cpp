// The three circuit picture windows: which one is open after each mode change, where each opens,
// its size and style, and the pictures themselves.
#include "harness.hpp"

#include <toolkit/controls.hpp>

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>

using namespace harness;

namespace {

const QString lxMode = QStringLiteral("Lx Mode (Calculate L)");
const QString cxcMode = QStringLiteral("Cx Mode (Calculate C)");
const QString cxlMode = QStringLiteral("Cx Mode (Calculate L)");

const char* pictureOf(const QString& mode)
{
    return mode == lxMode ? "Lx_Image" : mode == cxcMode ? "CxC_Image" : "CxL_Image";
}

// The client area's top-left corner on screen as each window opens it, in pixels.
QPoint storedPosition(const QString& mode)
{
    return mode == lxMode ? QPoint(7050 / 15, 5325 / 15) : QPoint(2550 / 15, 4830 / 15);
}

// One pass of the event loop, as between two actions of the user.
void settle()
{
    QTest::qWait(0);
}

QStringList pictureWindows()
{
    QStringList open = openWindows();
    open.removeAll(QStringLiteral("Main"));
    return open;
}

// Share of pixels darker than mid-grey.
double darkShare(const QImage& image)
{
    qsizetype dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++dark;
    return double(dark) / (double(image.width()) * image.height());
}

bool opaqueWhite(QRgb pixel)
{
    return pixel == qRgb(255, 255, 255);
}

} // namespace

class PictureWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        resetProgram();
        QVERIFY(startProgram());
    }
    void cleanup()
    {
        const auto boxes = BoxCatcher::instance().take();
        QVERIFY2(boxes.isEmpty(), qPrintable(QStringLiteral("unexpected box: ") +
                                             (boxes.isEmpty() ? QString() : boxes.first().text)));
        resetProgram();
    }

    // After every choice of a mode exactly the mode's picture window is open. Before each choice
    // the open window is moved, as the user may: a repeated choice leaves it where it is, a
    // window opened anew comes up at its stored position.
    void oneWindowPerMode_data()
    {
        QTest::addColumn<QStringList>("modes"); // chosen one after the other, from the start-up

        const QStringList all{cxcMode, cxlMode, lxMode};
        for (const QString& from : all)
            for (const QString& to : all)
                QTest::addRow("%s -> %s", pictureOf(from), pictureOf(to)) << QStringList{from, to};
        QTest::newRow("back and forth")
            << QStringList{lxMode, cxcMode, lxMode, cxlMode, lxMode, cxcMode, cxlMode, cxcMode};
        QTest::newRow("repeated choices")
            << QStringList{lxMode, lxMode, lxMode, cxlMode, cxlMode, cxcMode, cxcMode, lxMode};
    }
    void oneWindowPerMode()
    {
        QFETCH(QStringList, modes);

        QCOMPARE(pictureWindows(), QStringList{"CxC_Image"});
        QString current = cxcMode;
        for (const QString& mode : modes) {
            QWidget* before = window(pictureOf(current));
            QVERIFY(before);
            before->move(before->pos() + QPoint(37, 23));
            const QPoint moved = before->geometry().topLeft();
            QVERIFY(activate(window("Main")));

            pick("Main", "Combo1", mode);
            settle();
            QCOMPARE(text("Main", "Combo1"), mode);
            QCOMPARE(pictureWindows(), QStringList{pictureOf(mode)});
            QWidget* after = window(pictureOf(mode));
            QVERIFY(QTest::qWaitForWindowExposed(after));
            if (mode == current) {
                // Left alone: not moved back, not brought to the front.
                QCOMPARE(after, before);
                QCOMPARE(after->geometry().topLeft(), moved);
                QTest::qWait(20);
                QVERIFY(QApplication::activeWindow() != after);
            } else {
                QCOMPARE(after->geometry().topLeft(), storedPosition(mode));
                QVERIFY(QTest::qWaitForWindowActive(after));
            }
            current = mode;
        }
        // Every window but the open one is gone for good, not just hidden.
        int pictures = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            pictures += w->objectName().endsWith(QLatin1String("_Image"));
        QCOMPARE(pictures, 1);
    }

    // Two choices handled in one pass of the event loop (quick keys on the mode list) must still
    // leave the last mode's window open.
    void choicesInOnePass_data()
    {
        QTest::addColumn<QStringList>("modes");
        QTest::newRow("away and back") << QStringList{lxMode, cxcMode};
        QTest::newRow("down and up") << QStringList{cxlMode, cxcMode};
        QTest::newRow("round") << QStringList{lxMode, cxlMode, lxMode};
    }
    void choicesInOnePass()
    {
        QFETCH(QStringList, modes);
        for (const QString& mode : modes)
            pick("Main", "Combo1", mode);
        settle();
        QCOMPARE(pictureWindows(), QStringList{pictureOf(modes.last())});
    }

    void layout_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QSize>("client"); // twips
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QSize>("picture"); // pixels

        QTest::newRow("Lx_Image") << lxMode << QSize(4485, 3600) << QSize(4215, 3375)
                                  << QSize(3975, 3015) << QSize(388, 291);
        QTest::newRow("CxC_Image") << cxcMode << QSize(5550, 3105) << QSize(5295, 2895)
                                   << QSize(5055, 2535) << QSize(449, 229);
        QTest::newRow("CxL_Image") << cxlMode << QSize(5430, 3240) << QSize(5175, 3015)
                                   << QSize(4935, 2655) << QSize(493, 283);
    }
    void layout()
    {
        QFETCH(QString, mode);
        QFETCH(QSize, client);
        QFETCH(QSize, frame);
        QFETCH(QSize, image);
        QFETCH(QSize, picture);
        const auto px = [](QSize twips) { return twips / 15; };

        if (mode != cxcMode)
            pick("Main", "Combo1", mode);
        settle();
        const char* name = pictureOf(mode);
        QWidget* w = window(name);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));

        QCOMPARE(w->windowTitle(), mode);
        QCOMPARE(w->geometry(), QRect(storedPosition(mode), px(client)));
        QCOMPARE(w->minimumSize(), px(client));
        QCOMPARE(w->maximumSize(), px(client));
        QVERIFY(!w->windowIcon().isNull());
        QVERIFY(!w->parentWidget()); // not disabled with Main during a calibration

        // A plain title bar: no close button, no system menu, out of the task bar.
        const Qt::WindowFlags flags = w->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        auto* frame1 = child<QFrame>(name, "Frame1");
        QVERIFY(frame1);
        QCOMPARE(frame1->mapTo(w, QPoint(0, 0)), QPoint(120 / 15, 120 / 15));
        QCOMPARE(frame1->size(), px(frame));
        auto* image1 = child<toolkit::ImageArea>(name, "Image1");
        QVERIFY(image1);
        QCOMPARE(image1->parentWidget(), frame1);
        QCOMPARE(image1->geometry(), QRect(QPoint(120 / 15, 240 / 15), px(image)));
        QCOMPARE(image1->pictureSize(), picture);

        // The picture fills the area: dark lines on white, up to the corners.
        const QImage shown = image1->grab().toImage();
        QCOMPARE(shown.size(), px(image) * image1->devicePixelRatioF());
        QVERIFY2(darkShare(shown) > 0.01, qPrintable(QString::number(darkShare(shown))));
        for (QPoint corner : {QPoint(0, 0), QPoint(shown.width() - 1, shown.height() - 1)})
            QVERIFY(opaqueWhite(shown.pixel(corner)));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::newRow("Lx") << ":/lx.svg" << QSize(388, 291);
        QTest::newRow("CxC") << ":/cxc.svg" << QSize(449, 229);
        QTest::newRow("CxL") << ":/cxl.svg" << QSize(493, 283);
    }
    void pictures()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);

        QSvgRenderer renderer(resource);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);

        // Drawn onto a transparent image, the picture brings its own white background.
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        for (QPoint corner :
             {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
              QPoint(size.width() - 1, size.height() - 1)})
            QVERIFY2(opaqueWhite(image.pixel(corner)),
                     qPrintable(QString::number(image.pixel(corner), 16)));
        const double dark = darkShare(image);
        QVERIFY2(dark > 0.01 && dark < 0.5, qPrintable(QString::number(dark)));
    }

    void closingMainClosesPicture_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("Lx_Image") << lxMode;
        QTest::newRow("CxC_Image") << cxcMode;
        QTest::newRow("CxL_Image") << cxlMode;
    }
    void closingMainClosesPicture()
    {
        QFETCH(QString, mode);
        if (mode != cxcMode)
            pick("Main", "Combo1", mode);
        settle();
        QPointer<QWidget> picture = window(pictureOf(mode));
        QVERIFY(picture);

        QVERIFY(window("Main")->close()); // the close box
        settle();
        QVERIFY(picture.isNull());
        QCOMPARE(openWindows(), QStringList());
    }

    // Should the desktop close a picture window anyway, choosing its mode again brings it back.
    void closedPictureReturnsOnRepeatedChoice_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("Lx_Image") << lxMode;
        QTest::newRow("CxC_Image") << cxcMode;
    }
    void closedPictureReturnsOnRepeatedChoice()
    {
        QFETCH(QString, mode);
        pick("Main", "Combo1", mode);
        settle();
        QWidget* picture = window(pictureOf(mode));
        QVERIFY(picture);
        picture->move(picture->pos() + QPoint(50, 10));
        picture->close();
        settle();
        QCOMPARE(pictureWindows(), QStringList());

        pick("Main", "Combo1", mode);
        settle();
        QCOMPARE(pictureWindows(), QStringList{pictureOf(mode)});
        QCOMPARE(window(pictureOf(mode))->geometry().topLeft(), storedPosition(mode));
    }
};

QUORVANT_TEST_MAIN(PictureWindowsTest)
#include "picture_windows_test.moc"
