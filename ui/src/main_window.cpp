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
using toolkit::makeButton;
using toolkit::makeLabel;
using toolkit::place;

namespace {
QString modeText(Mode mode) { return toolkit::qtText(quorvant::modeName(mode)); }

QString caption()
{
    return QStringLiteral("Quorvant        ") + authorTag + QStringLiteral("       >>>  ") +
           homePageWithBackslashes();
}

} // namespace

MainWindow::MainWindow(const quorvant::CalibrationRecord& record)
    : Window(caption(), {7695, 4815}, toolkit::Style::Main, toolkit::MenuBar::Present),
      record_(record)
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
    // Alt+A reaches the item; the caption still shows "About".
    MnuAbout = addMenuItem(QStringLiteral("&About"));
    MnuAbout->setObjectName(QStringLiteral("MnuAbout"));

    Frame1 = new toolkit::Frame(client());
    place(Frame1, "Frame1", 120, 0, 7455, 4695);
    QWidget* f = Frame1;

    Label10 = makeLabel(f, "Label10", "Select Mode", 1320, 480, 1095, 255);
    QStringList modes;
    for (Mode mode : quorvant::modes)
        modes << modeText(mode);
    Combo1 = new toolkit::ComboBox(f, modes, toolkit::ListInput::ChooseOnly);
    place(Combo1, "Combo1", 2760, 480, 2655, 315);

    Label1 = makeLabel(f, "Label1", "Enter Freq", 480, 1440, 855, 315);
    Text1 = toolkit::makeTextField(f);
    place(Text1, "Text1", 1560, 1440, 1335, 315);
    Combo2 =
        new toolkit::ComboBox(f, unitList(UnitKind::Frequency), toolkit::ListInput::ChooseOnly);
    place(Combo2, "Combo2", 3240, 1440, 975, 315);
    Label11 = makeLabel(f, "Label11", "Stray Inductance (nH)", 4680, 1440, 1695, 255);
    Text7 = toolkit::makeTextField(f);
    place(Text7, "Text7", 6360, 1440, 495, 285);

    Label3 = makeLabel(f, "Label3", "Lx Value", 480, 2640, 855, 315);
    Text2 = toolkit::makeTextField(f, toolkit::FieldInput::DisplayOnly);
    place(Text2, "Text2", 1560, 2640, 1335, 315);
    Combo3 =
        new toolkit::ComboBox(f, unitList(UnitKind::Inductance), toolkit::ListInput::ChooseOnly);
    place(Combo3, "Combo3", 3240, 2640, 975, 315);

    Label4 = makeLabel(f, "Label4", "Cx Value", 480, 3240, 855, 315);
    Text4 = toolkit::makeTextField(f, toolkit::FieldInput::DisplayOnly);
    place(Text4, "Text4", 1560, 3120, 1335, 315);
    Combo4 =
        new toolkit::ComboBox(f, unitList(UnitKind::Capacitance), toolkit::ListInput::ChooseOnly);
    place(Combo4, "Combo4", 3240, 3120, 975, 315);

    Label2 = makeLabel(f, "Label2", "F1", 5520, 2520, 255, 255);
    Text3 = toolkit::makeTextField(f, toolkit::FieldInput::DisplayOnly);
    place(Text3, "Text3", 5880, 2520, 735, 285);
    Label5 = makeLabel(f, "Label5", "KHz", 6720, 2520, 375, 255);
    Label9 = makeLabel(f, "Label9", "C1", 5520, 2880, 255, 255);
    Text5 = toolkit::makeTextField(f, toolkit::FieldInput::DisplayOnly);
    place(Text5, "Text5", 5880, 2880, 735, 285);
    Label7 = makeLabel(f, "Label7", "pF", 6720, 2880, 375, 255);
    Label8 = makeLabel(f, "Label8", "L1", 5520, 3240, 255, 255);
    Text6 = toolkit::makeTextField(f, toolkit::FieldInput::DisplayOnly);
    place(Text6, "Text6", 5880, 3240, 735, 285);
    Label6 = makeLabel(f, "Label6", "uH", 6720, 3240, 375, 255);

    Command3 = makeButton(f, "Command3", "Calibrate", 480, 4080, 1335, 375);
    Command2 = makeButton(f, "Command2", "Reset (F5)", 3000, 4080, 1335, 375);
    Command1 = makeButton(f, "Command1", "Calculate (F1)", 5640, 4080, 1335, 375);
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
    nameUnitList(Combo2, Label1->text());
    nameUnitList(Combo3, Label3->text());
    nameUnitList(Combo4, Label4->text());
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

void MainWindow::Combo1_Click()
{
    const auto mode = quorvant::parseMode(toolkit::stdText(Combo1->currentText()));
    if (!mode)
        return;
    const bool lxSeries = *mode == Mode::LxSeries;
    const bool inductance = *mode != Mode::CxParallel;
    Label3->setEnabled(inductance);
    Label4->setEnabled(!inductance);
    Text2->setText(QString());
    Text4->setText(QString());
    Combo3->setEnabled(inductance);
    Combo4->setEnabled(!inductance);
    Label11->setVisible(lxSeries);
    Text7->setVisible(lxSeries);
    repaintNow();
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
    const auto mode = quorvant::parseMode(toolkit::stdText(Combo1->currentText()));
    if (!mode)
        return;
    const bool inductance = quorvant::measuredQuantity(*mode) == quorvant::Quantity::Inductance;
    QComboBox* unitList = inductance ? Combo3 : Combo4;
    const std::string frequency = toolkit::stdText(Text1->text());
    const std::string stray = toolkit::stdText(Text7->text());
    const quorvant::MeasurementInput in{
        frequency, unitOf(Combo2, UnitKind::Frequency), stray,
        unitOf(unitList, inductance ? UnitKind::Inductance : UnitKind::Capacitance)};

    const auto result = quorvant::measure(*mode, in, record_, toolkit::decimalSeparator());
    if (!quorvant::ok(result.code)) {
        toolkit::warn(this, toolkit::qtText(quorvant::messages::warningTitle),
                      toolkit::qtText(quorvant::messages::forMeasurement(result.code)));
        return;
    }
    if (!result.text)
        return; // the result's list shows none of its units: the field keeps its text
    QLineEdit* field = inductance ? Text2 : Text4;
    field->setText(toolkit::qtText(*result.text));
    const toolkit::Label* label = inductance ? Label3 : Label4;
    toolkit::announce(this, spokenResult(label, field, unitList));
}

void MainWindow::Command2_Click()
{
    Text1->setText(QString());
    Text2->setText(QString());
    Text4->setText(QString());
}

void MainWindow::Command3_Click()
{
    const auto mode = quorvant::parseMode(toolkit::stdText(Combo1->currentText()));
    if (!mode)
        return; // no calibration window would ever give Main back
    setWindowEnabled(false);
    emit calibrationRequested(*mode);
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
        emit closingByUser();
}

} // namespace ui
