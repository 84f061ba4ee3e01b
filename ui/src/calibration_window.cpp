// Cal_Lx and Cal_Cx: one class, set up by calibration method.
#include <ui/calibration_window.hpp>

#include <ui/identity.hpp>
#include <ui/units.hpp>

#include <quorvant/messages.hpp>
#include <quorvant/units.hpp>
#include <toolkit/accessibility.hpp>
#include <toolkit/controls.hpp>
#include <toolkit/message.hpp>
#include <toolkit/text.hpp>

namespace ui {

using quorvant::CalibrationMethod;
using quorvant::UnitKind;

namespace {
QString caption(CalibrationMethod method)
{
    if (method == CalibrationMethod::SeriesInductor)
        return QStringLiteral("Calibrating Quorvant   -   Lx series") +
               QString(32, QLatin1Char(' ')) + authorTag;
    return QStringLiteral("Calibrating Quorvant   -   Cx parallel") +
           QString(26, QLatin1Char(' ')) + authorTag;
}

bool series(CalibrationMethod method) { return method == CalibrationMethod::SeriesInductor; }

// The reference part is the inductor L0 in series, the capacitor C0 in parallel.
UnitKind referenceKind(CalibrationMethod method)
{
    return series(method) ? UnitKind::Inductance : UnitKind::Capacitance;
}
} // namespace

CalibrationWindow::CalibrationWindow(toolkit::Desktop& desktop, CalibrationMethod method,
                                     quorvant::CalibrationRecord& record, QWidget* owner)
    : Window(desktop, caption(method), {7590, 4125}, toolkit::Style::Owned), method_(method),
      record_(record)
{
    setObjectName(series(method) ? QStringLiteral("Cal_Lx") : QStringLiteral("Cal_Cx"));
    setOwner(owner);
    buildControls();
    nameForScreenReaders();
    connect(Command1, &QPushButton::clicked, this, &CalibrationWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CalibrationWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &CalibrationWindow::Command3_Click);
}

void CalibrationWindow::buildControls()
{
    using namespace toolkit; // the controls and make<>()
    QWidget* w = client();
    Frame1 = make<Frame>(w, "Frame1", {120, 0, 7335, 3975});
    QWidget* f = Frame1;

    Label1 = make<Label>(f, "Label1", {120, 360, 975, 375}, "Enter Freq 1");
    Combo1 = make<UnitList>(f, "Combo1", {2400, 240, 975, 315}, UnitKind::Frequency);
    Label2 = make<Label>(f, "Label2", {3840, 360, 975, 255}, "Enter Freq 2");
    Combo2 = make<UnitList>(f, "Combo2", {6120, 240, 975, 315}, UnitKind::Frequency);
    Label3 =
        make<Label>(f, "Label3", {120, 1200, 855, 255}, series(method_) ? "Enter L0" : "Enter C0");
    Text6 = make<TextField>(f, "Text6", {1200, 1080, 1095, 315});
    Combo6 = make<UnitList>(f, "Combo6", {2400, 1080, 975, 315}, referenceKind(method_));
    Label4 = make<Label>(f, "Label4", {120, 2640, 855, 375}, "C1 Value");
    Combo4 = make<UnitList>(f, "Combo4", {2280, 2520, 975, 315}, UnitKind::Capacitance);
    Label5 = make<Label>(f, "Label5", {3720, 2640, 975, 255}, "L1+Ls Value");
    Text5 = make<TextField>(f, "Text5", {4800, 2520, 1095, 315}, FieldInput::DisplayOnly);
    // The one list whose text may be typed: a typed unit that is no item leaves Text5 as it is.
    Combo5 = make<UnitList>(f, "Combo5", {6120, 2520, 975, 315}, UnitKind::Inductance,
                            ListInput::ChooseOrType);
    Command1 = make<Button>(f, "Command1", {480, 3360, 1335, 375}, "Calculate");
    Command2 = make<Button>(f, "Command2", {3000, 3360, 1335, 375}, "Reset");
    Command3 = make<Button>(f, "Command3", {5400, 3360, 1335, 375}, "Return");

    // These three lie on the window itself, in front of the frame.
    Text1 = make<TextField>(w, "Text1", {1320, 240, 1095, 315});
    Text2 = make<TextField>(w, "Text2", {5040, 240, 1095, 315});
    Text4 = make<TextField>(w, "Text4", {1080, 2520, 1095, 315}, FieldInput::DisplayOnly);
    for (QWidget* front : {Text1, Text2, Text4})
        front->raise();

    toolkit::setTabOrder({Text1, Text2, Text4, Command1, Command2, Command3, Text5, Combo1, Combo2,
                          Combo4, Combo5, Text6, Combo6});
}

void CalibrationWindow::nameForScreenReaders()
{
    Label3->setBuddy(Text6);
    Label5->setBuddy(Text5);
    // Qt finds a buddy label only beside its field, and these three lie outside the labels'
    // frame: they are named in words.
    Text1->setAccessibleName(Label1->text());
    Text2->setAccessibleName(Label2->text());
    Text4->setAccessibleName(Label4->text());
    // A label has one buddy, so each unit list is named in words by its field.
    Combo1->nameAfter(Label1->text());
    Combo2->nameAfter(Label2->text());
    Combo6->nameAfter(Label3->text());
    Combo4->nameAfter(Label4->text());
    Combo5->nameAfter(Label5->text());
}

void CalibrationWindow::startUp()
{
    Form_Load();
    Text1->setFocus(Qt::OtherFocusReason);
}

void CalibrationWindow::Form_Load()
{
    placeClientAt(2340, 3075);
    showNonModal();
    Combo1->selectText(QStringLiteral("Hz"));
    Combo2->selectText(QStringLiteral("Hz"));
    Combo4->selectText(QStringLiteral("pF"));
    Combo5->selectText(QStringLiteral("uH"));
    Combo6->selectText(series(method_) ? QStringLiteral("uH") : QStringLiteral("pF"));
}

void CalibrationWindow::Command1_Click()
{
    const std::string f1 = toolkit::stdText(Text1->text());
    const std::string f2 = toolkit::stdText(Text2->text());
    const std::string reference = toolkit::stdText(Text6->text());
    const quorvant::CalibrationInput in{f1,
                                        Combo1->unit(),
                                        f2,
                                        Combo2->unit(),
                                        reference,
                                        Combo6->unit(),
                                        Combo4->unit(),
                                        Combo5->unit()};

    const auto result = quorvant::calibrate(method_, in, record_, toolkit::decimalSeparator());
    if (!quorvant::ok(result.code)) {
        toolkit::warn(this, toolkit::qtText(quorvant::messages::warningTitle),
                      toolkit::qtText(quorvant::messages::forCalibration(method_, result.code)));
        return;
    }
    QStringList heard;
    if (result.c1) {
        Text4->setText(toolkit::qtText(*result.c1));
        heard << spokenResult(Label4, Text4, Combo4);
    }
    if (result.l1) {
        Text5->setText(toolkit::qtText(*result.l1));
        heard << spokenResult(Label5, Text5, Combo5);
    }
    if (!heard.isEmpty())
        toolkit::announce(this, heard.join(QStringLiteral(", ")));
}

void CalibrationWindow::Command2_Click()
{
    Text1->setText(QString());
    Text2->setText(QString());
    Text4->setText(QString());
    Text5->setText(QString());
    repaint();
}

void CalibrationWindow::Command3_Click()
{
    const auto summary = quorvant::summarize(record_, toolkit::decimalSeparator());
    emit returned(toolkit::qtText(summary.f1KHz), toolkit::qtText(summary.c1PF),
                  toolkit::qtText(summary.l1UH));
    closeWithReason(toolkit::CloseReason::FromCode);
}

void CalibrationWindow::queryUnload(toolkit::CloseReason)
{
    // However this window goes (Return, the window manager's close, a termination request),
    // the main window must not be left disabled with no way back.
    emit leaving();
}

} // namespace ui
