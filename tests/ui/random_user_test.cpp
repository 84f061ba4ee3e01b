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

    void step()
    {
        const int roll = below(100);
        QWidget* main = window("Main");
        QWidget* cal = window("Cal_Lx") ? window("Cal_Lx") : window("Cal_Cx");
        QWidget* w = cal ? cal : main;
        // What a user who means it does (roll < 12, 34 to 41): readings into a calibration
        // window or Main, and Calculate. Without it hardly any result would ever be shown.
        if (roll < 34) { // typing into any text field, the editable list included
            const QString input = cal ? any<QString>({"Text1", "Text2", "Text6"}) : "Text1";
            QLineEdit* e = roll < 12 ? w->findChild<QLineEdit*>(input) : any(children<QLineEdit>());
            const QString s = roll < 12 ? number() : arbitrary();
            const QObject* field = e->objectName().isEmpty() ? e->parent() : e; // the list
            last_ = "type \"" + s.left(60) + "\" into " + nameOf(e->window()) + '.' + nameOf(field);
            activate(e->window());
            type(nameOf(e->window()), nameOf(field), s);
            e->setProperty("typed", e->text()); // the user's own text
            return;
        }
        if (roll < 58) { // a click on a button
            const char* purposeful = roll < 39 ? "Command1" : "Command3";
            QPushButton* b =
                roll < 42 ? w->findChild<QPushButton*>(purposeful) : any(children<QPushButton>());
            const QByteArray name = nameOf(b);
            w = b->window();
            last_ = "click " + nameOf(w) + '.' + name;
            recordMayChange_ = name == "Command1" && w != main;
            reset_ = name == "Command2" ? nameOf(w) : QByteArray();
            activate(w);
            return click(nameOf(w), name);
        }
        if (roll < 74) { // F1 or F5, with modifiers or not, as a real key to the focus widget
            if (below(5) == 0 || !QApplication::activeWindow())
                activate(anyWindow());
            const Qt::Key k = below(5) < 3 ? Qt::Key_F1 : Qt::Key_F5;
            // None, or any of Shift, Control, Alt and Meta (the flags 1 << 25 to 1 << 28).
            const auto m = Qt::KeyboardModifiers::fromInt(
                below(2) ? 0u : static_cast<unsigned>(below(16)) << 25);
            QWidget* active = QApplication::activeWindow();
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : active;
            if (!target || !target->isEnabled())
                return;
            last_ =
                QString("F%1 (modifiers %2) to ").arg(k - Qt::Key_F1 + 1).arg(m.toInt(), 0, 16) +
                nameOf(target->window()) + '.' + nameOf(target);
            const bool forMain = active == main && target->window() == main;
            f1_ = forMain && k == Qt::Key_F1;
            reset_ = forMain && k == Qt::Key_F5 ? "Main" : "";
            return QTest::keyClick(target, k, m);
        }
        if (roll < 90) { // a mode, or an item of any list
            QComboBox* modes = main->findChild<QComboBox*>("Combo1");
            auto* list = roll < 82 ? modes : any(children<QComboBox>());
            if (!list->isEnabled())
                return;
            const QString item = list->itemText(below(list->count()));
            last_ = "pick " + nameOf(list->window()) + '.' + nameOf(list) + ' ' + item;
            modeChosen_ = list == modes;
            activate(list->window());
            return pick(nameOf(list->window()), nameOf(list), item);
        }
        if (roll < 97) { // Alt+F4: the window manager asks the window to close
            w = anyWindow();
            last_ = "Alt+F4 on " + w->objectName();
            w->close();
            return;
        }
        if (!main->isEnabled())
            return;
        last_ = "About";
        activate(main);
        auto* bar = main->findChild<QMenuBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[0]).center());
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
        // After a mode change exactly the mode's picture is open: "Cx Mode (Calculate C)" shows
        // CxC_Image, "Lx Mode (Calculate L)" Lx_Image.
        const QString mode = text("Main", "Combo1");
        const QString picture = mode.startsWith("Lx") ? "Lx" : "Cx" + mode.mid(mode.size() - 2, 1);
        if (std::exchange(modeChosen_, false) &&
            openWindows().filter("_Image") != QStringList{picture + "_Image"})
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
    RandomUserTest() : WindowTest(Start::Empty) {}

private slots:

    void run()
    {
        const int actions = qEnvironmentVariable("QUORVANT_RANDOM_ACTIONS", "21000").toInt() / 3;
        const quint64 more = qEnvironmentVariable("QUORVANT_RANDOM_SEED").toULongLong();
        for (const auto& [seed, locale] : // three seeds, the last with a decimal comma
             {std::pair{1ull, "C"}, std::pair{20240607ull, "C"}, std::pair{77ull, "de_DE"}}) {
            freshProgram();
            QLocale::setDefault(QLocale(locale));
            rng_.seed(seed + more);
            record_ = program().record();
            QVERIFY(startProgram());
            for (int i = 0; i < actions; ++i) {
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
