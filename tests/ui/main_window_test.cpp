// Main: start-up state, modes, keys, reset and measuring through the window.
#include "harness.hpp"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace harness;

class MainWindowTest : public QObject {
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

    void startUpState()
    {
        QCOMPARE(text("Main", "Combo1"), QStringLiteral("Cx Mode (Calculate C)"));
        QCOMPARE(text("Main", "Combo2"), QStringLiteral("Hz"));
        QCOMPARE(text("Main", "Combo3"), QStringLiteral("uH"));
        QCOMPARE(text("Main", "Combo4"), QStringLiteral("pF"));
        QCOMPARE(text("Main", "Text7"), QStringLiteral("0"));
        QCOMPARE(openWindows(), (QStringList{"CxC_Image", "Main"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    }

    void warningWithEmptyRecord()
    {
        type("Main", "Text1", "400");
        QTest::keyClick(child<QLineEdit>("Main", "Text1"), Qt::Key_F1);
        const auto boxes = BoxCatcher::instance().take();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QStringLiteral("Warning !"));
        QCOMPARE(boxes[0].text, QStringLiteral("Division by Zero!, No correct value!\n\n"
                                               " - Use (.) instead of (,) for dot.\n"
                                               " - Run Calibrate at first."));
        QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    }
};

QUORVANT_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
