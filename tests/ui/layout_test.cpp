// Every caption of every window is readable in full inside its rectangle with the program's font.
#include "harness.hpp"

#include <toolkit/controls.hpp>
#include <ui/forms.hpp>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

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
        if (window == QLatin1String("Help"))
            ui::openHelp();
        else if (window != QLatin1String("Main"))
            click("Main", "Command3");
        QWidget* w = harness::window(window.toLatin1().constData());
        QVERIFY(w);
        const QString problems = overflowing(w);
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("cut off: ") + problems));
    }
};

QUORVANT_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
