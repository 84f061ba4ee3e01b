// A randomized user: with fixed seeds, tens of thousands of mode picks, typed texts, F1 and F5
// with and without modifiers, button clicks, window closes and About across all windows, with
// what must always hold checked after every action. QUORVANT_RANDOM_ACTIONS sets the number of
// actions of the whole run (split over the seeds); QUORVANT_RANDOM_SEED=N adds N to every seed.
#include "harness.hpp"

#include <quorvant/record.hpp>
#include <ui/program.hpp>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

#include <random>
#include <utility>
#include <vector>

using namespace harness;

class RandomUserTest : public harness::WindowTest {
    Q_OBJECT

    std::mt19937_64 rng_;
    QString last_; // the last action, for the report
    // The last action chose a mode (or started Main), was F1 to Main, was a calibration
    // window's Calculate, was the Reset of the window reset_.
    bool modeChosen_ = false, f1_ = false, recordMayChange_ = false;
    QByteArray reset_;
    quorvant::CalibrationRecord record_;

    int below(qsizetype n)
    {
        return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(rng_);
    }
    template <class T> T any(const QList<T>& l) { return l.isEmpty() ? T{} : l[below(l.size())]; }
    QWidget* anyWindow() { return window(any(openWindows()).toLatin1()); }
    static QByteArray nameOf(const QObject* o) { return o->objectName().toLatin1(); }
    template <class T> QList<T*> children() // the visible, enabled ones of every window
    {
        QList<T*> list;
        for (const QString& name : openWindows())
            for (T* c : window(name.toLatin1())->findChildren<T*>())
                if (c->isVisible() && c->isEnabled())
                    list << c;
        return list;
    }

    // A reading as the user means it, or any text: huge, tiny, signed, with commas, letters,
    // blanks and exponents, complete or not.
    QString number() { return QString::number(below(10000000) / 1000.0); }
    QString arbitrary()
    {
        static const QStringList pieces =
            QString("0|7|42|123.5|.25|3.|-|+|,| |  |e|E-|e+2|e999|E-999|MHz|k|abc|inf|NaN|&H1|D3")
                .split('|')
            << QString(310, '9') << "0." + QString(325, '0') + "1";
        QString s;
        for (int k = below(7); k > 0; --k)
            s += below(3) ? any(pieces) : number();
        return s;
    }

    // The window a user who means it works in: the open calibration window, else Main.
    QWidget* working()
    {
        if (QWidget* cal = window("Cal_Lx") ? window("Cal_Lx") : window("Cal_Cx"))
            return cal;
        return window("Main");
    }

    // Types `text` into `e` of any window, as the user does.
    void typeInto(QLineEdit* e, const QString& text)
    {
        const QObject* field = e->objectName().isEmpty() ? e->parent() : e; // the editable list
        last_ = "type \"" + text.left(60) + "\" into " + nameOf(e->window()) + '.' + nameOf(field);
        activate(e->window());
        type(nameOf(e->window()), nameOf(field), text);
        e->setProperty("typed", e->text()); // the user's own text
    }

    // A reading into a field the calculation reads: without it hardly a result would be shown.
    void typeReading()
    {
        QWidget* w = working();
        const QString field =
            w == window("Main") ? "Text1" : any<QString>({"Text1", "Text2", "Text6"});
        typeInto(w->findChild<QLineEdit*>(field), number());
    }
    void typeAnything() { typeInto(any(children<QLineEdit>()), arbitrary()); }

    void clickButton(QPushButton* b)
    {
        const QByteArray name = nameOf(b);
        QWidget* w = b->window();
        last_ = "click " + nameOf(w) + '.' + name;
        recordMayChange_ = name == "Command1" && w != window("Main");
        reset_ = name == "Command2" ? nameOf(w) : QByteArray();
        activate(w);
        click(nameOf(w), name);
    }
    // Calculate, and Calibrate or Return, in the working window.
    void clickCalculate() { clickButton(working()->findChild<QPushButton*>("Command1")); }
    void clickCalibrateOrReturn() { clickButton(working()->findChild<QPushButton*>("Command3")); }
    void clickAnyButton() { clickButton(any(children<QPushButton>())); }

    // F1 or F5, with modifiers or not, as a real key to the focus widget.
    void key()
    {
        if (below(5) == 0 || !QApplication::activeWindow())
            activate(anyWindow());
        const Qt::Key k = below(5) < 3 ? Qt::Key_F1 : Qt::Key_F5;
        // None, or any of Shift, Control, Alt and Meta (the flags 1 << 25 to 1 << 28).
        const auto m =
            Qt::KeyboardModifiers::fromInt(below(2) ? 0u : static_cast<unsigned>(below(16)) << 25);
        QWidget* active = QApplication::activeWindow();
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : active;
        if (!target || !target->isEnabled())
            return;
        last_ = QString("F%1 (modifiers %2) to ").arg(k - Qt::Key_F1 + 1).arg(m.toInt(), 0, 16) +
                nameOf(target->window()) + '.' + nameOf(target);
        const bool forMain = active == window("Main") && target->window() == window("Main");
        f1_ = forMain && k == Qt::Key_F1;
        reset_ = forMain && k == Qt::Key_F5 ? "Main" : "";
        QTest::keyClick(target, k, m);
    }

    void pickItem(QComboBox* list)
    {
        if (!list->isEnabled())
            return;
        const QString item = list->itemText(below(list->count()));
        last_ = "pick " + nameOf(list->window()) + '.' + nameOf(list) + ' ' + item;
        modeChosen_ = list->window() == window("Main") && nameOf(list) == "Combo1";
        activate(list->window());
        pick(nameOf(list->window()), nameOf(list), item);
    }
    void pickMode() { pickItem(window("Main")->findChild<QComboBox*>("Combo1")); }
    void pickAnyItem() { pickItem(any(children<QComboBox>())); }

    // Alt+F4: the window manager asks the window to close.
    void closeWindow()
    {
        QWidget* w = anyWindow();
        last_ = "Alt+F4 on " + w->objectName();
        w->close();
    }

    // "About" in Main's menu bar, with the mouse.
    void about()
    {
        QWidget* main = window("Main");
        if (!main->isEnabled())
            return;
        last_ = "About";
        activate(main);
        auto* bar = main->findChild<QMenuBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[0]).center());
    }

    struct Action {
        const char* name;
        double weight; // in a hundred actions
        void (RandomUserTest::*run)();
    };
    static constexpr Action actions[] = {
        {"type a reading", 12, &RandomUserTest::typeReading},
        {"type anything", 22, &RandomUserTest::typeAnything},
        {"Calculate", 5, &RandomUserTest::clickCalculate},
        {"Calibrate or Return", 3, &RandomUserTest::clickCalibrateOrReturn},
        {"click any button", 16, &RandomUserTest::clickAnyButton},
        {"F1 or F5", 16, &RandomUserTest::key},
        {"choose a mode", 8, &RandomUserTest::pickMode},
        {"pick an item of any list", 8, &RandomUserTest::pickAnyItem},
        {"Alt+F4", 7, &RandomUserTest::closeWindow},
        {"About", 3, &RandomUserTest::about},
    };

    std::discrete_distribution<std::size_t> chooseAction_;

    void step()
    {
        const Action& action = actions[chooseAction_(rng_)];
        last_ = action.name; // until the action says more
        (this->*action.run)();
    }

    QString check()
    {
        if (!window("Main")) { // Alt+F4 closed it: the user starts the program again
            if (!openWindows().filter("_Image").isEmpty())
                return "Main closed, pictures still open: " + openWindows().join(", ");
            if (!startProgram())
                return "the program did not start again";
            modeChosen_ = true; // a new Main chooses its mode
        }
        const qsizetype boxes = BoxCatcher::instance().take().size();
        for (const QLineEdit* e : children<QLineEdit>()) // what the program wrote, never inf or nan
            if (e->property("typed") != e->text() &&
                e->text().contains(QRegularExpression("(?i)inf|nan")))
                return e->window()->objectName() + '.' + e->objectName() + " shows " + e->text();
        if (std::exchange(f1_, false)) { // F1 did what Calculate does: the same result or warning
            const QString results = text("Main", "Text2") + text("Main", "Text4");
            click("Main", "Command1");
            QTest::qWait(0);
            if (BoxCatcher::instance().take().size() != boxes ||
                text("Main", "Text2") + text("Main", "Text4") != results)
                return "F1 did not calculate as Calculate does";
        }
        if (!reset_.isEmpty()) {
            // Main's Reset empties the entry and the results, a calibration's its readings and
            // results; Main's Text5 is the calibration's C1, which no Reset empties.
            const QList<const char*> emptied =
                reset_ == "Main" ? QList<const char*>{"Text1", "Text2", "Text4"}
                                 : QList<const char*>{"Text1", "Text2", "Text4", "Text5"};
            for (const char* f : emptied)
                if (!text(reset_.constData(), f).isEmpty())
                    return QStringLiteral("Reset left %1 filled").arg(QLatin1String(f));
        }
        reset_.clear();
        // After a mode change exactly the mode's picture is open.
        const QString mode = text("Main", "Combo1");
        const QString picture = mode == cxc ? "CxC_Image" : mode == cxl ? "CxL_Image" : "Lx_Image";
        if (std::exchange(modeChosen_, false) &&
            openWindows().filter("_Image") != QStringList{picture})
            return "in mode " + mode + " the windows open are " + openWindows().join(", ");
        if (const bool on = window("Main")->isEnabled();
            on == (window("Cal_Lx") || window("Cal_Cx")))
            return "Main is enabled: " + QString::number(on);
        if (!std::exchange(recordMayChange_, false) && !(program().record() == record_))
            return "the calibration record changed without Calculate";
        record_ = program().record();
        return {};
    }

public:
    RandomUserTest() : WindowTest(Start::Empty)
    {
        std::vector<double> weights;
        for (const Action& a : actions)
            weights.push_back(a.weight);
        chooseAction_ = std::discrete_distribution<std::size_t>(weights.begin(), weights.end());
    }

private slots:

    void run()
    {
        const int steps = qEnvironmentVariable("QUORVANT_RANDOM_ACTIONS", "21000").toInt() / 3;
        const quint64 more = qEnvironmentVariable("QUORVANT_RANDOM_SEED").toULongLong();
        for (const auto& [seed, locale] : // three seeds, the last with a decimal comma
             {std::pair{1ull, "C"}, std::pair{20240607ull, "C"}, std::pair{77ull, "de_DE"}}) {
            freshProgram();
            QLocale::setDefault(QLocale(locale));
            rng_.seed(seed + more);
            record_ = program().record();
            QVERIFY(startProgram());
            for (int i = 0; i < steps; ++i) {
                step();
                QTest::qWait(0); // what the action queued is done, a closed window is gone
                const QString problem = check();
                const QString at = QString("seed %1, action %2, ").arg(seed + more).arg(i);
                QVERIFY2(problem.isEmpty(), qPrintable(at + last_ + ": " + problem));
            }
        }
    }
};

QUORVANT_TEST_MAIN(RandomUserTest)
#include "random_user_test.moc"
