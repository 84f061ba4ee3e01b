// How each window looks as it opens: its caption, title-bar buttons and place on screen, and every
// control's container, rectangle, caption and whether it can be typed into; and every caption is
// readable in full inside its rectangle with the program's font.
#include "harness.hpp"

#include <toolkit/controls.hpp>
#include <toolkit/geometry.hpp>
#include <ui/forms.hpp>

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <vector>

using namespace harness;

namespace {
// The widest line of a label's text.
int textWidth(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// One control as the window's table gives it; lengths in twips.
struct Control {
    const char* name;
    const char* container; // "Frame1", or "" for the window's client area
    int left, top, width, height;
    const char* caption; // a label's or button's caption, a field's text, a list's items "a|b|c"
    bool typable;
};

struct Look {
    const char* window;
    QString caption;
    bool buttons;    // system menu and close button; never minimise or maximise
    QPoint clientAt; // twips from the screen's corner; (-1, -1): centred
    QSize client;    // twips
    std::vector<Control> controls;
};

const QString author = QStringLiteral("* by Dorvin Keltsby - QQ9QQQ *");
const char* const frequencyUnits = "Hz|KHz|MHz";

std::vector<Control> calibrationControls(const char* reference, const char* referenceUnits)
{
    return {
        {"Frame1", "", 120, 0, 7335, 3975, "", false},
        {"Label1", "Frame1", 120, 360, 975, 375, "Enter Freq 1", false},
        {"Text1", "", 1320, 240, 1095, 315, "", true},
        {"Combo1", "Frame1", 2400, 240, 975, 315, frequencyUnits, false},
        {"Label2", "Frame1", 3840, 360, 975, 255, "Enter Freq 2", false},
        {"Text2", "", 5040, 240, 1095, 315, "", true},
        {"Combo2", "Frame1", 6120, 240, 975, 315, frequencyUnits, false},
        {"Label3", "Frame1", 120, 1200, 855, 255, reference, false},
        {"Text6", "Frame1", 1200, 1080, 1095, 315, "", true},
        {"Combo6", "Frame1", 2400, 1080, 975, 315, referenceUnits, false},
        {"Label4", "Frame1", 120, 2640, 855, 375, "C1 Value", false},
        {"Text4", "", 1080, 2520, 1095, 315, "", false},
        {"Combo4", "Frame1", 2280, 2520, 975, 315, "pF|nF|uF", false},
        {"Label5", "Frame1", 3720, 2640, 975, 255, "L1+Ls Value", false},
        {"Text5", "Frame1", 4800, 2520, 1095, 315, "", false},
        {"Combo5", "Frame1", 6120, 2520, 975, 315, "nH|uH|mH", true},
        {"Command1", "Frame1", 480, 3360, 1335, 375, "Calculate", false},
        {"Command2", "Frame1", 3000, 3360, 1335, 375, "Reset", false},
        {"Command3", "Frame1", 5400, 3360, 1335, 375, "Return", false},
    };
}

const Look looks[] = {
    {"Main",
     QStringLiteral("Quorvant        ") + author +
         QStringLiteral("       >>>  http:\\\\www.keltsby.example\\quorvant\\"),
     true,
     {-1, -1},
     {7695, 4815},
     {
         {"Frame1", "", 120, 0, 7455, 4695, "", false},
         {"Label10", "Frame1", 1320, 480, 1095, 255, "Select Mode", false},
         {"Combo1", "Frame1", 2760, 480, 2655, 315,
          "Cx Mode (Calculate C)|Cx Mode (Calculate L)|Lx Mode (Calculate L)", false},
         {"Label1", "Frame1", 480, 1440, 855, 315, "Enter Freq", false},
         {"Text1", "Frame1", 1560, 1440, 1335, 315, "", true},
         {"Combo2", "Frame1", 3240, 1440, 975, 315, frequencyUnits, false},
         {"Label11", "Frame1", 4680, 1440, 1695, 255, "Stray Inductance (nH)", false},
         {"Text7", "Frame1", 6360, 1440, 495, 285, "0", true},
         {"Label3", "Frame1", 480, 2640, 855, 315, "Lx Value", false},
         {"Text2", "Frame1", 1560, 2640, 1335, 315, "", false},
         {"Combo3", "Frame1", 3240, 2640, 975, 315, "nH|uH|mH", false},
         {"Label4", "Frame1", 480, 3240, 855, 315, "Cx Value", false},
         {"Text4", "Frame1", 1560, 3120, 1335, 315, "", false},
         {"Combo4", "Frame1", 3240, 3120, 975, 315, "pF|nF|uF", false},
         {"Label2", "Frame1", 5520, 2520, 255, 255, "F1", false},
         {"Text3", "Frame1", 5880, 2520, 735, 285, "", false},
         {"Label5", "Frame1", 6720, 2520, 375, 255, "KHz", false},
         {"Label9", "Frame1", 5520, 2880, 255, 255, "C1", false},
         {"Text5", "Frame1", 5880, 2880, 735, 285, "", false},
         {"Label7", "Frame1", 6720, 2880, 375, 255, "pF", false},
         {"Label8", "Frame1", 5520, 3240, 255, 255, "L1", false},
         {"Text6", "Frame1", 5880, 3240, 735, 285, "", false},
         {"Label6", "Frame1", 6720, 3240, 375, 255, "uH", false},
         {"Command3", "Frame1", 480, 4080, 1335, 375, "Calibrate", false},
         {"Command2", "Frame1", 3000, 4080, 1335, 375, "Reset (F5)", false},
         {"Command1", "Frame1", 5640, 4080, 1335, 375, "Calculate (F1)", false},
     }},
    {"Cal_Lx",
     QStringLiteral("Calibrating Quorvant   -   Lx series") + QString(32, QLatin1Char(' ')) +
         author,
     false,
     {2340, 3075},
     {7590, 4125},
     calibrationControls("Enter L0", "nH|uH|mH")},
    {"Cal_Cx",
     QStringLiteral("Calibrating Quorvant   -   Cx parallel") + QString(26, QLatin1Char(' ')) +
         author,
     false,
     {2340, 3075},
     {7590, 4125},
     calibrationControls("Enter C0", "pF|nF|uF")},
    {"Help",
     QStringLiteral("About  -   Quorvant ") + author,
     true,
     {2595, 3330},
     {4935, 2385},
     {
         {"Frame1", "", 120, 0, 4695, 2295, "", false},
         {"Label1", "Frame1", 1080, 480, 3015, 1575, nullptr, false}, // its text: the About test
     }},
};

// What a control shows as its caption, in the table's terms.
QString captionOf(QWidget* control)
{
    if (auto* label = qobject_cast<toolkit::Label*>(control))
        return label->caption();
    if (auto* button = qobject_cast<QPushButton*>(control))
        return button->text();
    if (auto* field = qobject_cast<QLineEdit*>(control))
        return field->text();
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items.join(QLatin1Char('|'));
    }
    return {};
}

bool typable(QWidget* control)
{
    if (auto* field = qobject_cast<QLineEdit*>(control))
        return !field->isReadOnly() && field->focusPolicy() != Qt::NoFocus;
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->isEditable();
    return false;
}

// Opens `window` as the user does, from a started program.
QWidget* openFromMain(const QString& window)
{
    if (window == QLatin1String("Help")) {
        ui::openHelp();
    } else if (window != QLatin1String("Main")) {
        pick("Main", "Combo1", window == QLatin1String("Cal_Lx") ? lx : cxc);
        click("Main", "Command3");
    }
    return harness::window(window.toLatin1().constData());
}

QString overflowing(QWidget* window)
{
    QStringList problems;
    for (auto* label : window->findChildren<QLabel*>()) {
        const QFontMetrics metrics = label->fontMetrics();
        const QString shown = label->text();
        const int lines = static_cast<int>(shown.count(QLatin1Char('\n'))) + 1;
        if (textWidth(metrics, shown) > label->width() ||
            lines * metrics.height() > label->height())
            problems << label->objectName();
    }
    for (auto* button : window->findChildren<QPushButton*>()) {
        // The style's own margins on both sides of the caption.
        const int margin =
            2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        if (button->fontMetrics().horizontalAdvance(button->text()) + margin > button->width())
            problems << button->objectName();
    }
    for (auto* list : window->findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i)
            if (list->fontMetrics().horizontalAdvance(list->itemText(i)) > field.width())
                problems << list->objectName() + QLatin1Char(':') + list->itemText(i);
    }
    return problems.join(QLatin1String(", "));
}
} // namespace

class LayoutTest : public harness::WindowTest {
    Q_OBJECT

public:
    LayoutTest() : WindowTest(/*startMain=*/false) {}

private slots:

    void captionsFit_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("window");
        QTest::newRow("Main") << lx << "Main";
        QTest::newRow("Cal_Lx") << lx << "Cal_Lx";
        QTest::newRow("Cal_Cx") << cxc << "Cal_Cx";
        QTest::newRow("Help") << cxc << "Help";
    }
    void captionsFit()
    {
        QFETCH(QString, mode);
        QFETCH(QString, window);
        QVERIFY(startProgram());
        pick("Main", "Combo1", mode);
        QWidget* w = openFromMain(window);
        QVERIFY(w);
        const QString problems = overflowing(w);
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("cut off: ") + problems));
    }

    void looksAsLaidOut_data()
    {
        QTest::addColumn<int>("look");
        for (int i = 0; i < int(std::size(looks)); ++i)
            QTest::newRow(looks[i].window) << i;
    }
    void looksAsLaidOut()
    {
        QFETCH(int, look);
        const Look& l = looks[look];
        QVERIFY(startProgram());
        QWidget* w = openFromMain(QString::fromLatin1(l.window));
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), l.caption);
        const Qt::WindowFlags buttons = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        const Qt::WindowFlags never = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                      Qt::WindowContextHelpButtonHint;
        QCOMPARE(w->windowFlags() & (buttons | never), l.buttons ? buttons : Qt::WindowFlags());
        QVERIFY(w->minimumSize() == w->maximumSize()); // a fixed border

        auto* frame = w->findChild<QFrame*>(QStringLiteral("Frame1"));
        QVERIFY(frame);
        QWidget* client = frame->parentWidget();
        QCOMPARE(client->size(), toolkit::sizeFromTwips(l.client.width(), l.client.height()));
        const QPoint clientOnScreen = client->mapToGlobal(QPoint(0, 0));
        if (l.clientAt.x() < 0) {
            const QPoint centre = w->screen()->availableGeometry().center();
            QVERIFY2((w->geometry().center() - centre).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("not centred: %1,%2")
                                    .arg(w->geometry().center().x())
                                    .arg(w->geometry().center().y())));
        } else {
            QCOMPARE(clientOnScreen,
                     QPoint(toolkit::px(l.clientAt.x()), toolkit::px(l.clientAt.y())));
        }

        for (const Control& c : l.controls) {
            auto* control = w->findChild<QWidget*>(QString::fromLatin1(c.name));
            QVERIFY2(control, c.name);
            const QString container = control->parentWidget() == client
                                          ? QString()
                                          : control->parentWidget()->objectName();
            QCOMPARE(container + QLatin1Char(':') + QLatin1String(c.name),
                     QLatin1String(c.container) + QLatin1Char(':') + QLatin1String(c.name));
            QVERIFY2(control->geometry() ==
                         toolkit::rectFromTwips(c.left, c.top, c.width, c.height),
                     c.name);
            if (c.caption)
                QCOMPARE(captionOf(control), QString::fromLatin1(c.caption));
            QVERIFY2(typable(control) == c.typable, c.name);
        }
    }
};

QUORVANT_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
