// Help, the About window: its text line by line, its look and place, a second "About", and how
// it outlives Main and keeps the program running.
#include "harness.hpp"

#include <toolkit/controls.hpp>
#include <toolkit/registry.hpp>

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace harness;

namespace {

// One pass of the event loop, as between two actions of the user.
void settle()
{
    QTest::qWait(0);
}

// Chooses "About" in Main's menu bar; returns the About window.
QWidget* about()
{
    if (auto* item = child<QAction>("Main", "MnuAbout"))
        item->trigger();
    settle();
    QWidget* help = window("Help");
    return help && QTest::qWaitForWindowExposed(help) ? help : nullptr;
}

toolkit::Label* aboutLabel()
{
    return child<toolkit::Label>("Help", "Label1");
}

int leadingBlanks(const QString& line)
{
    int n = 0;
    while (n < line.size() && line[n] == u' ')
        ++n;
    return n;
}

} // namespace

class HelpWindowTest : public QObject {
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

    void aboutLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected"); // empty for line 7: the address is checked apart
        QTest::addColumn<int>("blanks");

        QTest::newRow("1") << 1 << "Inductance and Capacitance Meter" << 0;
        QTest::newRow("2 with a trailing blank") << 2 << "                       by " << 23;
        QTest::newRow("3") << 3 << "              Dorvin Keltsby" << 14;
        QTest::newRow("4") << 4 << "                *  QQ9QQQ  *" << 16;
        QTest::newRow("5") << 5 << "          full info on my web" << 10;
        QTest::newRow("6 empty") << 6 << "" << 0;
        QTest::newRow("7 home page") << 7 << "" << 5;
    }
    void aboutLines()
    {
        QFETCH(int, line);
        QFETCH(QString, expected);
        QFETCH(int, blanks);

        QVERIFY(about());
        const QStringList lines = aboutLabel()->caption().split(u'\r');
        QCOMPARE(lines.size(), 7);
        const QString actual = lines[line - 1];
        QCOMPARE(leadingBlanks(actual), blanks);
        if (line == 7) {
            // Five blanks, then a web address and nothing after it.
            static const QRegularExpression address(
                QStringLiteral("^ {5}(https?://)?[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+(/\\S*)?$"));
            QVERIFY2(address.match(actual).hasMatch(), qPrintable(actual));
        } else {
            QCOMPARE(actual, expected);
        }
    }

    void aboutTextAsAWhole()
    {
        QVERIFY(about());
        const QString caption = aboutLabel()->caption();
        QCOMPARE(caption.count(u'\r'), 6);
        QVERIFY(!caption.contains(u'\n'));
        QVERIFY(caption.contains(QStringLiteral("\r\r     ")));
        QVERIFY(!caption.endsWith(u'\r') && !caption.endsWith(u' '));

        // On screen each carriage return is a line break, and all seven lines fit the label.
        toolkit::Label* label = aboutLabel();
        QCOMPARE(label->text(), QString(caption).replace(u'\r', u'\n'));
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        const QSize needed = label->sizeHint();
        QVERIFY(needed.height() >= 7 * label->fontMetrics().height());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(QStringLiteral("%1x%2").arg(needed.width()).arg(needed.height())));
    }

    void windowLayout()
    {
        QWidget* help = about();
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("About  -   Quorvant * by Dorvin Keltsby - "
                                                     "QQ9QQQ *"));
        QCOMPARE(help->geometry(), QRect(2595 / 15, 3330 / 15, 4935 / 15, 2385 / 15));
        QCOMPARE(help->minimumSize(), help->maximumSize());
        QVERIFY(!help->windowIcon().isNull());

        // An ordinary window with system menu and close button only, owned by nobody.
        const Qt::WindowFlags flags = help->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!help->parentWidget());
        QVERIFY(!help->isModal());
        QVERIFY(window("Main")->isEnabled());

        auto* frame = child<QFrame>("Help", "Frame1");
        QVERIFY(frame);
        QCOMPARE(frame->mapTo(help, QPoint(0, 0)), QPoint(120 / 15, 0));
        QCOMPARE(frame->size(), QSize(4695 / 15, 2295 / 15));
        QCOMPARE(aboutLabel()->parentWidget(), frame);
        QCOMPARE(aboutLabel()->geometry(), QRect(1080 / 15, 480 / 15, 3015 / 15, 1575 / 15));
    }

    // "About" while the window is open does nothing: no second window, no new text, no move,
    // not brought to the front. Closed and chosen again, it comes back new at its place.
    void aboutAgain()
    {
        QWidget* help = about();
        QVERIFY(help);
        const QString text = aboutLabel()->caption();
        help->move(help->pos() + QPoint(40, 30));
        const QPoint moved = help->geometry().topLeft();
        aboutLabel()->setCaption(QStringLiteral("left by the test"));
        QWidget* main = window("Main");
        QVERIFY(activate(main));

        QCOMPARE(about(), help);
        QTest::qWait(20); // a request to activate would be served by now
        QCOMPARE(QApplication::activeWindow(), main);
        QCOMPARE(help->geometry().topLeft(), moved);
        QCOMPARE(aboutLabel()->caption(), QStringLiteral("left by the test"));
        int helps = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            helps += w->objectName() == QLatin1String("Help");
        QCOMPARE(helps, 1);

        QVERIFY(help->close());
        settle();
        QVERIFY(!window("Help"));
        help = about();
        QVERIFY(help);
        QCOMPARE(help->geometry().topLeft(), QPoint(2595 / 15, 3330 / 15));
        QCOMPARE(aboutLabel()->caption(), text);
    }

    // The program ends with its last window, and an About window counts.
    void lastWindowEndsProgram_data()
    {
        QTest::addColumn<QString>("mode"); // decides which picture window is open
        QTest::addColumn<bool>("helpLast");
        QTest::newRow("Main first") << "Cx Mode (Calculate C)" << true;
        QTest::newRow("Main first, Lx mode") << "Lx Mode (Calculate L)" << true;
        QTest::newRow("Help first") << "Cx Mode (Calculate L)" << false;
    }
    void lastWindowEndsProgram()
    {
        QFETCH(QString, mode);
        QFETCH(bool, helpLast);

        pick("Main", "Combo1", mode);
        settle();
        QWidget* help = about();
        QVERIFY(help);
        QSignalSpy ended(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed);

        QWidget* first = helpLast ? window("Main") : help;
        QVERIFY(first->close()); // the close box
        settle();
        QCOMPARE(ended.count(), 0);
        QCOMPARE(openWindows().contains(QStringLiteral("Help")), helpLast);
        if (helpLast)
            QCOMPARE(openWindows(), QStringList{"Help"});

        QVERIFY(window(helpLast ? "Help" : "Main")->close());
        settle();
        QCOMPARE(openWindows(), QStringList());
        QCOMPARE(ended.count(), 1);
        QCOMPARE(toolkit::Registry::instance().openCount(), 0);
    }
};

QUORVANT_TEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
