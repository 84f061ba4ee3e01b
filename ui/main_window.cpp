// Main: start-up, mode change, keys, reset, the calibration hand-off and closing.
#include "main_window.hpp"

#include "forms.hpp"
#include "identity.hpp"
#include "picture_window.hpp"
#include "units.hpp"

#include <quorvant/units.hpp>
#include <toolkit/controls.hpp>
#include <toolkit/keys.hpp>
#include <toolkit/message.hpp>
#include <toolkit/text.hpp>

#include <QAction>

namespace ui {

using toolkit::makeButton;
using toolkit::makeLabel;
using toolkit::place;

namespace {
const QString modeLxSeries = toolkit::qtText(quorvant::modeLxSeries);
const QString modeCxParallel = toolkit::qtText(quorvant::modeCxParallel);
const QString modeLxParallel = toolkit::qtText(quorvant::modeLxParallel);

QString caption()
{
    return QStringLiteral("Quorvant        * by Dorvin Keltsby - QQ9QQQ *       >>>  ") +
           homePageWithBackslashes();
}

} // namespace

MainWindow::MainWindow()
    : Window(caption(), {7695, 4815}, toolkit::TitleBar::SystemMenu, /*withMenuBar=*/true)
{
    setObjectName(QStringLiteral("Main"));
    buildControls();
    setTabOrder();

    connect(Combo1, &toolkit::ComboBox::clicked, this, &MainWindow::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MainWindow::Command3_Click);
    connect(MnuAbout, &QAction::triggered, this, &MainWindow::MnuAbout_Click);
}

void MainWindow::buildControls()
{
    MnuAbout = addMenuItem(QStringLiteral("About"));
    MnuAbout->setObjectName(QStringLiteral("MnuAbout"));

    Frame1 = new toolkit::Frame(client());
    place(Frame1, "Frame1", 120, 0, 7455, 4695);
    QWidget* f = Frame1;

    Label10 = makeLabel(f, "Label10", "Select Mode", 1320, 480, 1095, 255);
    Combo1 = new toolkit::ComboBox(
        f, {modeCxParallel, modeLxParallel, modeLxSeries}, /*typable=*/false);
    place(Combo1, "Combo1", 2760, 480, 2655, 315);

    Label1 = makeLabel(f, "Label1", "Enter Freq", 480, 1440, 855, 315);
    Text1 = toolkit::makeTextField(f);
    place(Text1, "Text1", 1560, 1440, 1335, 315);
    Combo2 = new toolkit::ComboBox(f, unitList(quorvant::UnitKind::Frequency), false);
    place(Combo2, "Combo2", 3240, 1440, 975, 315);
    Label11 = makeLabel(f, "Label11", "Stray Inductance (nH)", 4680, 1440, 1695, 255);
    Text7 = toolkit::makeTextField(f);
    place(Text7, "Text7", 6360, 1440, 495, 285);

    Label3 = makeLabel(f, "Label3", "Lx Value", 480, 2640, 855, 315);
    Text2 = toolkit::makeTextField(f, /*displayOnly=*/true);
    place(Text2, "Text2", 1560, 2640, 1335, 315);
    Combo3 = new toolkit::ComboBox(f, unitList(quorvant::UnitKind::Inductance), false);
    place(Combo3, "Combo3", 3240, 2640, 975, 315);

    Label4 = makeLabel(f, "Label4", "Cx Value", 480, 3240, 855, 315);
    Text4 = toolkit::makeTextField(f, true);
    place(Text4, "Text4", 1560, 3120, 1335, 315);
    Combo4 = new toolkit::ComboBox(f, unitList(quorvant::UnitKind::Capacitance), false);
    place(Combo4, "Combo4", 3240, 3120, 975, 315);

    Label2 = makeLabel(f, "Label2", "F1", 5520, 2520, 255, 255);
    Text3 = toolkit::makeTextField(f, true);
    place(Text3, "Text3", 5880, 2520, 735, 285);
    Label5 = makeLabel(f, "Label5", "KHz", 6720, 2520, 375, 255);
    Label9 = makeLabel(f, "Label9", "C1", 5520, 2880, 255, 255);
    Text5 = toolkit::makeTextField(f, true);
    place(Text5, "Text5", 5880, 2880, 735, 285);
    Label7 = makeLabel(f, "Label7", "pF", 6720, 2880, 375, 255);
    Label8 = makeLabel(f, "Label8", "L1", 5520, 3240, 255, 255);
    Text6 = toolkit::makeTextField(f, true);
    place(Text6, "Text6", 5880, 3240, 735, 285);
    Label6 = makeLabel(f, "Label6", "uH", 6720, 3240, 375, 255);

    Command3 = makeButton(f, "Command3", "Calibrate", 480, 4080, 1335, 375);
    Command2 = makeButton(f, "Command2", "Reset (F5)", 3000, 4080, 1335, 375);
    Command1 = makeButton(f, "Command1", "Calculate (F1)", 5640, 4080, 1335, 375);

    // Screen readers name each field by the label in front of it.
    Label1->setBuddy(Text1);
    Label3->setBuddy(Text2);
    Label4->setBuddy(Text4);
    Label10->setBuddy(Combo1);
    Label11->setBuddy(Text7);
    Label2->setBuddy(Text3);
    Label9->setBuddy(Text5);
    Label8->setBuddy(Text6);
    // A label has one buddy, so the lists are named in words: each unit list by its field.
    Combo1->setAccessibleName(Label10->text());
    Combo2->setAccessibleName(Label1->text() + QStringLiteral(" unit"));
    Combo3->setAccessibleName(Label3->text() + QStringLiteral(" unit"));
    Combo4->setAccessibleName(Label4->text() + QStringLiteral(" unit"));
}

void MainWindow::setTabOrder()
{
    // The order of the layout's tab indexes; labels and the frame take no focus.
    QWidget* order[] = {Command2, Command3, Command1, Combo1, Text1, Combo2, Text2, Combo3,
                        Text3,    Text4,    Combo4,   Text5,  Text6, Text7};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
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
    keyPreview_ = new toolkit::KeyPreview(
        this, [this](int keyCode, Qt::KeyboardModifiers shift) { form_keyup(keyCode, shift); });
    // Runs the mode change, which opens the mode's picture window before Main is on screen.
    Combo1->selectText(modeCxParallel);
    Combo2->selectText(QStringLiteral("Hz"));
    Combo3->selectText(QStringLiteral("uH"));
    Combo4->selectText(QStringLiteral("pF"));
    Text7->setText(QStringLiteral("0"));
    values_.Ls = 0;
}

void MainWindow::Combo1_Click()
{
    const QString mode = Combo1->currentText();
    const bool lxSeries = mode == modeLxSeries;
    const bool cxParallel = mode == modeCxParallel;
    const bool lxParallel = mode == modeLxParallel;
    if (!lxSeries && !cxParallel && !lxParallel)
        return;

    const bool inductance = !cxParallel;
    Label3->setEnabled(inductance);
    Label4->setEnabled(!inductance);
    Text2->setText(QString());
    Text4->setText(QString());
    Combo3->setEnabled(inductance);
    Combo4->setEnabled(!inductance);
    Label11->setVisible(lxSeries);
    Text7->setVisible(lxSeries);

    Forms& f = forms();
    if (lxSeries) {
        f.cxcImage.close();
        f.cxlImage.close();
    } else if (cxParallel) {
        f.lxImage.close();
        f.cxlImage.close();
    } else {
        f.lxImage.close();
        f.cxcImage.close();
    }
    repaintNow();
    if (lxSeries)
        openLxImage();
    else if (cxParallel)
        openCxCImage();
    else
        openCxLImage();
}

void MainWindow::form_keyup(int keyCode, Qt::KeyboardModifiers)
{
    if (keyCode == toolkit::vkF1)
        Command1_Click();
    else if (keyCode == toolkit::vkF5)
        Command2_Click();
}

void MainWindow::Command1_Click()
{
    const std::string mode = toolkit::stdText(Combo1->currentText());
    const std::string frequency = toolkit::stdText(Text1->text());
    const std::string frequencyUnit = toolkit::stdText(Combo2->currentText());
    const std::string stray = toolkit::stdText(Text7->text());
    const std::string inductanceUnit = toolkit::stdText(Combo3->currentText());
    const std::string capacitanceUnit = toolkit::stdText(Combo4->currentText());
    const quorvant::MeasurementInputs in{mode,  frequency,      frequencyUnit,
                                         stray, inductanceUnit, capacitanceUnit};

    const auto outcome =
        quorvant::measure(in, global::record, values_, toolkit::decimalSeparator());
    using Kind = quorvant::MeasurementOutcome::Kind;
    switch (outcome.kind) {
    case Kind::Text2: Text2->setText(toolkit::qtText(outcome.text)); break;
    case Kind::Text4: Text4->setText(toolkit::qtText(outcome.text)); break;
    case Kind::Warning: toolkit::warn(toolkit::qtText(outcome.text)); break;
    case Kind::Nothing: break;
    }
}

void MainWindow::Command2_Click()
{
    Text1->setText(QString());
    Text2->setText(QString());
    Text4->setText(QString());
}

void MainWindow::Command3_Click()
{
    setWindowEnabled(false);
    const QString mode = Combo1->currentText();
    if (mode == modeLxSeries)
        openCalLx();
    else if (mode == modeCxParallel || mode == modeLxParallel)
        openCalCx();
    else
        setWindowEnabled(true); // no calibration window would ever give Main back
}

void MainWindow::MnuAbout_Click() { openHelp(); }

void MainWindow::showCalibration(const QString& f1KHz, const QString& c1PF, const QString& l1UH)
{
    Text3->setText(f1KHz);
    Text5->setText(c1PF);
    Text6->setText(l1UH);
}

void MainWindow::queryUnload(int reason)
{
    if (reason == toolkit::CloseFromUser || reason == toolkit::CloseFromTaskManager) {
        Forms& f = forms();
        f.lxImage.close();
        f.cxcImage.close();
        f.cxlImage.close();
    }
}

} // namespace ui
