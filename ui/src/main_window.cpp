// Main: start-up, mode change, keys, reset, the calibration hand-off and closing.
#include <ui/main_window.hpp>

#include <ui/identity.hpp>
#include <ui/units.hpp>

#include <quorvant/measurement.hpp>
#include <quorvant/messages.hpp>
#include <quorvant/units.hpp>
#include <toolkit/accessibility.hpp>
#include <toolkit/controls.hpp>
#include <toolkit/keys.hpp>
#include <toolkit/message.hpp>
#include <toolkit/text.hpp>

#include <QAction>

namespace ui {

using quorvant::Mode;
using quorvant::UnitKind;

namespace {
QString modeText(Mode mode) { return toolkit::qtText(quorvant::modeName(mode)); }

QString caption()
{
    return QStringLiteral("Quorvant        ") + authorTag + QStringLiteral("       >>>  ") +
           homePageWithBackslashes();
}

} // namespace

MainWindow::MainWindow(toolkit::Desktop& desktop, const quorvant::CalibrationRecord& record)
    : Window(desktop, caption(), {7695, 4815}, toolkit::Style::Main), record_(record)
{
    setObjectName(QStringLiteral("Main"));
    buildControls();
    nameForScreenReaders();
    orderTabs();

    connect(Combo1, &toolkit::ComboBox::clicked, this, &MainWindow::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MainWindow::Command3_Click);
    connect(MnuAbout, &QAction::triggered, this, &MainWindow::MnuAbout_Click);
}

void MainWindow::buildControls()
{
    using namespace toolkit; // the controls and make<>()
    // Alt+A reaches the item; the caption still shows "About".
    MnuAbout = addMenuItem(QStringLiteral("&About"));
    MnuAbout->setObjectName(QStringLiteral("MnuAbout"));

    Frame1 = make<Frame>(client(), "Frame1", {120, 0, 7455, 4695});
    QWidget* f = Frame1;

    Label10 = make<Label>(f, "Label10", {1320, 480, 1095, 255}, "Select Mode");
    QStringList modes;
    for (Mode mode : quorvant::modes)
        modes << modeText(mode);
    Combo1 = make<ComboBox>(f, "Combo1", {2760, 480, 2655, 315}, modes, ListInput::ChooseOnly);

    Label1 = make<Label>(f, "Label1", {480, 1440, 855, 315}, "Enter Freq");
    Text1 = make<TextField>(f, "Text1", {1560, 1440, 1335, 315});
    Combo2 = make<UnitList>(f, "Combo2", {3240, 1440, 975, 315}, UnitKind::Frequency);
    Label11 = make<Label>(f, "Label11", {4680, 1440, 1695, 255}, "Stray Inductance (nH)");
    Text7 = make<TextField>(f, "Text7", {6360, 1440, 495, 285});

    Label3 = make<Label>(f, "Label3", {480, 2640, 855, 315}, "Lx Value");
    Text2 = make<TextField>(f, "Text2", {1560, 2640, 1335, 315}, FieldInput::DisplayOnly);
    Combo3 = make<UnitList>(f, "Combo3", {3240, 2640, 975, 315}, UnitKind::Inductance);

    Label4 = make<Label>(f, "Label4", {480, 3240, 855, 315}, "Cx Value");
    Text4 = make<TextField>(f, "Text4", {1560, 3120, 1335, 315}, FieldInput::DisplayOnly);
    Combo4 = make<UnitList>(f, "Combo4", {3240, 3120, 975, 315}, UnitKind::Capacitance);

    Label2 = make<Label>(f, "Label2", {5520, 2520, 255, 255}, "F1");
    Text3 = make<TextField>(f, "Text3", {5880, 2520, 735, 285}, FieldInput::DisplayOnly);
    Label5 = make<Label>(f, "Label5", {6720, 2520, 375, 255}, "KHz");
    Label9 = make<Label>(f, "Label9", {5520, 2880, 255, 255}, "C1");
    Text5 = make<TextField>(f, "Text5", {5880, 2880, 735, 285}, FieldInput::DisplayOnly);
    Label7 = make<Label>(f, "Label7", {6720, 2880, 375, 255}, "pF");
    Label8 = make<Label>(f, "Label8", {5520, 3240, 255, 255}, "L1");
    Text6 = make<TextField>(f, "Text6", {5880, 3240, 735, 285}, FieldInput::DisplayOnly);
    Label6 = make<Label>(f, "Label6", {6720, 3240, 375, 255}, "uH");

    Command3 = make<Button>(f, "Command3", {480, 4080, 1335, 375}, "Calibrate");
    Command2 = make<Button>(f, "Command2", {3000, 4080, 1335, 375}, "Reset (F5)");
    Command1 = make<Button>(f, "Command1", {5640, 4080, 1335, 375}, "Calculate (F1)");
}

void MainWindow::nameForScreenReaders()
{
    // Screen readers name each field by the label in front of it.
    Label1->setBuddy(Text1);
    Label3->setBuddy(Text2);
    Label4->setBuddy(Text4);
    Label11->setBuddy(Text7);
    Label2->setBuddy(Text3);
    Label9->setBuddy(Text5);
    Label8->setBuddy(Text6);
    // A label has one buddy, so the lists are named in words: each unit list by its field.
    // The mode list is named like the unit lists and not by a buddy label, which on Linux would
    // take the place of the current mode.
    toolkit::nameList(Combo1, Label10->text());
    Combo2->nameAfter(Label1->text());
    Combo3->nameAfter(Label3->text());
    Combo4->nameAfter(Label4->text());
    // The calibration display's units are labels of their own, out of the fields' reach.
    Text3->setAccessibleDescription(Label5->text());
    Text5->setAccessibleDescription(Label7->text());
    Text6->setAccessibleDescription(Label6->text());
}

void MainWindow::orderTabs()
{
    // The order of the layout's tab indexes; labels and the frame take no focus.
    toolkit::setTabOrder({Command2, Command3, Command1, Combo1, Text1, Combo2, Text2, Combo3, Text3,
                          Text4, Combo4, Text5, Text6, Text7});
}

void MainWindow::startUp()
{
    Form_Load();
    centreOnScreen();
    showNonModal();
    Command2->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Form_Load()
{
    // Owned by Main, as a child object.
    new toolkit::KeyPreview(this, [this](int keyCode) { form_keyup(keyCode); });
    // Runs the mode change, which opens the mode's picture window before Main is on screen.
    Combo1->selectText(modeText(Mode::CxParallel));
    Combo2->selectText(QStringLiteral("Hz"));
    Combo3->selectText(QStringLiteral("uH"));
    Combo4->selectText(QStringLiteral("pF"));
    Text7->setText(QStringLiteral("0"));
}

std::optional<Mode> MainWindow::currentMode() const
{
    // Every decision on the mode is the list's current text compared with the mode names.
    return quorvant::parseMode(toolkit::stdText(Combo1->currentText()));
}

MainWindow::ResultRow MainWindow::resultRow(quorvant::Quantity quantity) const
{
    if (quantity == quorvant::Quantity::Inductance)
        return {Label3, Text2, Combo3};
    return {Label4, Text4, Combo4};
}

void MainWindow::Combo1_Click()
{
    const auto mode = currentMode();
    if (!mode)
        return;
    const bool lxSeries = *mode == Mode::LxSeries;
    // The measured quantity's row takes input, the other is greyed; both results go.
    for (const quorvant::Quantity quantity :
         {quorvant::Quantity::Inductance, quorvant::Quantity::Capacitance}) {
        const ResultRow row = resultRow(quantity);
        const bool measured = quantity == quorvant::measuredQuantity(*mode);
        row.label->setEnabled(measured);
        row.field->setText(QString());
        row.units->setEnabled(measured);
    }
    Label11->setVisible(lxSeries);
    Text7->setVisible(lxSeries);
    repaint();
    emit modeChosen(*mode);
}

void MainWindow::form_keyup(int keyCode)
{
    if (keyCode == toolkit::vkF1)
        Command1_Click();
    else if (keyCode == toolkit::vkF5)
        Command2_Click();
}

void MainWindow::Command1_Click()
{
    const auto mode = currentMode();
    if (!mode)
        return;
    const ResultRow row = resultRow(quorvant::measuredQuantity(*mode));
    const std::string frequency = toolkit::stdText(Text1->text());
    const std::string stray = toolkit::stdText(Text7->text());
    const quorvant::MeasurementInput in{frequency, Combo2->unit(), stray, row.units->unit()};

    const auto result = quorvant::measure(*mode, in, record_, toolkit::decimalSeparator());
    if (!quorvant::ok(result.code)) {
        toolkit::warn(this, toolkit::qtText(quorvant::messages::warningTitle),
                      toolkit::qtText(quorvant::messages::forMeasurement(result.code)));
        return;
    }
    if (!result.text)
        return; // the result's list shows none of its units: the field keeps its text
    row.field->setText(toolkit::qtText(*result.text));
    toolkit::announce(this, spokenResult(row.label, row.field, row.units));
}

void MainWindow::Command2_Click()
{
    Text1->setText(QString());
    Text2->setText(QString());
    Text4->setText(QString());
}

void MainWindow::Command3_Click()
{
    const auto mode = currentMode();
    if (!mode)
        return; // no calibration window would ever give Main back
    setEnabled(false);
    emit calibrationRequested(*mode);
}

void MainWindow::resumeAfterCalibration()
{
    setEnabled(true);
    activateWindow();
    // Disabled, Main lost its focus, and enabling it again gives none: without this a keyboard or
    // screen-reader user would come back to no control at all (so on Windows).
    Command3->setFocus(Qt::OtherFocusReason);
}

void MainWindow::MnuAbout_Click() { emit aboutRequested(); }

void MainWindow::showCalibration(const QString& f1KHz, const QString& c1PF, const QString& l1UH)
{
    Text3->setText(f1KHz);
    Text5->setText(c1PF);
    Text6->setText(l1UH);
}

void MainWindow::queryUnload(toolkit::CloseReason reason)
{
    using toolkit::CloseReason;
    if (reason == CloseReason::FromUser || reason == CloseReason::FromTaskManager)
        emit closingFromOutside();
}

} // namespace ui
