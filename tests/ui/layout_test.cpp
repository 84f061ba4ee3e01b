// How each window looks as it opens: its caption, title-bar buttons and place on screen, and every
// control's container, rectangle, caption and whether it can be typed into; and every caption is
// readable in full inside its rectangle with the program's font.
#include "harness.hpp"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
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

// One control as the window's table gives it. Lengths are in pixels, written out: the layout's
// twips at 15 to the pixel, rounded down, so that a fault in the program's conversion fails.
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
    QPoint clientAt; // from the screen's corner; (-1, -1): centred
    QSize client;
    std::vector<Control> controls;
};

const QString author = QStringLiteral("* by Dorvin Keltsby - QQ9QQQ *");
const char* const frequencyUnits = "Hz|KHz|MHz";

std::vector<Control> calibrationControls(const char* reference, const char* referenceUnits)
{
    return {
        {"Frame1", "", 8, 0, 489, 265, "", false},
        {"Label1", "Frame1", 8, 24, 65, 25, "Enter Freq 1", false},
        {"Text1", "", 88, 16, 73, 21, "", true},
        {"Combo1", "Frame1", 160, 16, 65, 21, frequencyUnits, false},
        {"Label2", "Frame1", 256, 24, 65, 17, "Enter Freq 2", false},
        {"Text2", "", 336, 16, 73, 21, "", true},
        {"Combo2", "Frame1", 408, 16, 65, 21, frequencyUnits, false},
        {"Label3", "Frame1", 8, 80, 57, 17, reference, false},
        {"Text6", "Frame1", 80, 72, 73, 21, "", true},
        {"Combo6", "Frame1", 160, 72, 65, 21, referenceUnits, false},
        {"Label4", "Frame1", 8, 176, 57, 25, "C1 Value", false},
        {"Text4", "", 72, 168, 73, 21, "", false},
        {"Combo4", "Frame1", 152, 168, 65, 21, "pF|nF|uF", false},
        {"Label5", "Frame1", 248, 176, 65, 17, "L1+Ls Value", false},
        {"Text5", "Frame1", 320, 168, 73, 21, "", false},
        {"Combo5", "Frame1", 408, 168, 65, 21, "nH|uH|mH", true},
        {"Command1", "Frame1", 32, 224, 89, 25, "Calculate", false},
        {"Command2", "Frame1", 200, 224, 89, 25, "Reset", false},
        {"Command3", "Frame1", 360, 224, 89, 25, "Return", false},
    };
}

const Look looks[] = {
    {"Main",
     QStringLiteral("Quorvant        ") + author +
         QStringLiteral("       >>>  http:\\\\www.keltsby.example\\quorvant\\"),
     true,
     {-1, -1},
     {513, 321},
     {
         {"Frame1", "", 8, 0, 497, 313, "", false},
         {"Label10", "Frame1", 88, 32, 73, 17, "Select Mode", false},
         {"Combo1", "Frame1", 184, 32, 177, 21,
          "Cx Mode (Calculate C)|Cx Mode (Calculate L)|Lx Mode (Calculate L)", false},
         {"Label1", "Frame1", 32, 96, 57, 21, "Enter Freq", false},
         {"Text1", "Frame1", 104, 96, 89, 21, "", true},
         {"Combo2", "Frame1", 216, 96, 65, 21, frequencyUnits, false},
         {"Label11", "Frame1", 312, 96, 113, 17, "Stray Inductance (nH)", false},
         {"Text7", "Frame1", 424, 96, 33, 19, "0", true},
         {"Label3", "Frame1", 32, 176, 57, 21, "Lx Value", false},
         {"Text2", "Frame1", 104, 176, 89, 21, "", false},
         {"Combo3", "Frame1", 216, 176, 65, 21, "nH|uH|mH", false},
         {"Label4", "Frame1", 32, 216, 57, 21, "Cx Value", false},
         {"Text4", "Frame1", 104, 208, 89, 21, "", false},
         {"Combo4", "Frame1", 216, 208, 65, 21, "pF|nF|uF", false},
         {"Label2", "Frame1", 368, 168, 17, 17, "F1", false},
         {"Text3", "Frame1", 392, 168, 49, 19, "", false},
         {"Label5", "Frame1", 448, 168, 25, 17, "KHz", false},
         {"Label9", "Frame1", 368, 192, 17, 17, "C1", false},
         {"Text5", "Frame1", 392, 192, 49, 19, "", false},
         {"Label7", "Frame1", 448, 192, 25, 17, "pF", false},
         {"Label8", "Frame1", 368, 216, 17, 17, "L1", false},
         {"Text6", "Frame1", 392, 216, 49, 19, "", false},
         {"Label6", "Frame1", 448, 216, 25, 17, "uH", false},
         {"Command3", "Frame1", 32, 272, 89, 25, "Calibrate", false},
         {"Command2", "Frame1", 200, 272, 89, 25, "Reset (F5)", false},
         {"Command1", "Frame1", 376, 272, 89, 25, "Calculate (F1)", false},
     }},
    {"Cal_Lx",
     QStringLiteral("Calibrating Quorvant   -   Lx series") + QString(32, QLatin1Char(' ')) +
         author,
     false,
     {156, 205},
     {506, 275},
     calibrationControls("Enter L0", "nH|uH|mH")},
    {"Cal_Cx",
     QStringLiteral("Calibrating Quorvant   -   Cx parallel") + QString(26, QLatin1Char(' ')) +
         author,
     false,
     {156, 205},
     {506, 275},
     calibrationControls("Enter C0", "pF|nF|uF")},
    {"Help",
     QStringLiteral("About  -   Quorvant ") + author,
     true,
     {173, 222},
     {329, 159},
     {
         {"Frame1", "", 8, 0, 313, 153, "", false},
         {"Label1", "Frame1", 72, 32, 201, 105, nullptr, false}, // its text: the About test
     }},
};

// What a control shows as its caption, in the table's terms.
QString captionOf(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
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
    LayoutTest() : WindowTest(Start::Empty) {}

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
        QWidget* w = openFromMain(qPrintable(window));
        QVERIFY(w);
        const QString problems = overflowing(w);
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("cut off: ") + problems));
    }

    void looksAsLaidOut_data()
    {
        QTest::addColumn<Look>("look"); // the whole window as laid out
        for (const Look& look : looks)
            QTest::newRow(look.window) << look;
    }
    void looksAsLaidOut()
    {
        QFETCH(Look, look);
        QVERIFY(startProgram());
        QWidget* w = openFromMain(look.window);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), look.caption);
        const Qt::WindowFlags buttons = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        const Qt::WindowFlags never = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                      Qt::WindowContextHelpButtonHint;
        QCOMPARE(w->windowFlags() & (buttons | never), look.buttons ? buttons : Qt::WindowFlags());
        QVERIFY(w->minimumSize() == w->maximumSize()); // a fixed border

        auto* frame = w->findChild<QFrame*>(QStringLiteral("Frame1"));
        QVERIFY(frame);
        QWidget* client = frame->parentWidget();
        QCOMPARE(client->size(), look.client);
        const QPoint clientOnScreen = client->mapToGlobal(QPoint(0, 0));
        if (look.clientAt.x() < 0) {
            const QPoint centre = w->screen()->availableGeometry().center();
            QVERIFY2((w->geometry().center() - centre).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("not centred: %1,%2")
                                    .arg(w->geometry().center().x())
                                    .arg(w->geometry().center().y())));
        } else {
            QCOMPARE(clientOnScreen, look.clientAt);
        }

        for (const Control& c : look.controls) {
            auto* control = w->findChild<QWidget*>(QString::fromLatin1(c.name));
            QVERIFY2(control, c.name);
            const QString container = control->parentWidget() == client
                                          ? QString()
                                          : control->parentWidget()->objectName();
            QCOMPARE(container + QLatin1Char(':') + QLatin1String(c.name),
                     QLatin1String(c.container) + QLatin1Char(':') + QLatin1String(c.name));
            QVERIFY2(control->geometry() == QRect(c.left, c.top, c.width, c.height), c.name);
            if (c.caption)
                QCOMPARE(captionOf(control), QString::fromLatin1(c.caption));
            QVERIFY2(typable(control) == c.typable, c.name);
        }
    }
};

QUORVANT_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
