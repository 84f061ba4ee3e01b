// Main: the measuring mode, the frequency entry, the results, the calibration display, and the
// way to every other window.
#pragma once

#include <quorvant/measurement.hpp>
#include <quorvant/record.hpp>
#include <toolkit/window.hpp>

#include <optional>

class QAction;
class QLineEdit;
class QPushButton;

namespace toolkit {
class ComboBox;
class Frame;
class Label;
} // namespace toolkit

namespace ui {

class UnitList;

class MainWindow : public toolkit::Window {
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    // Reads C1 and L1 from `record` for every measurement; never writes it.
    MainWindow(toolkit::Desktop& desktop, const quorvant::CalibrationRecord& record);
    void startUp() override;

    // What a calibration window hands back on "Return".
    void showCalibration(const QString& f1KHz, const QString& c1PF, const QString& l1UH);
    // Main back from a calibration window, however that went: enabled, active, and with the focus
    // on "Calibrate", which opened it.
    void resumeAfterCalibration();

signals:
    // A mode was chosen (also the one already shown): its picture is to be shown, the others'
    // closed.
    void modeChosen(quorvant::Mode mode);
    // "Calibrate": Main is disabled and waits for the mode's calibration window.
    void calibrationRequested(quorvant::Mode mode);
    void aboutRequested();
    // Closed from outside the program, by the user or by a termination request (not by the
    // program itself): the pictures go with Main.
    void closingFromOutside();

protected:
    void queryUnload(toolkit::CloseReason reason) override;

private:
    void Form_Load();
    void Combo1_Click();
    void form_keyup(int keyCode);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void MnuAbout_Click();

    // The mode the list shows; nullopt for a text that is none of the mode names.
    std::optional<quorvant::Mode> currentMode() const;
    // The controls of one measured quantity: "Lx Value" with Text2 and Combo3, or "Cx Value" with
    // Text4 and Combo4.
    struct ResultRow {
        toolkit::Label* label;
        QLineEdit* field;
        UnitList* units;
    };
    ResultRow resultRow(quorvant::Quantity quantity) const;

    void buildControls();
    void nameForScreenReaders();
    void orderTabs();

    toolkit::Frame* Frame1 = nullptr;
    toolkit::Label* Label1 = nullptr;
    toolkit::Label* Label2 = nullptr;
    toolkit::Label* Label3 = nullptr;
    toolkit::Label* Label4 = nullptr;
    toolkit::Label* Label5 = nullptr;
    toolkit::Label* Label6 = nullptr;
    toolkit::Label* Label7 = nullptr;
    toolkit::Label* Label8 = nullptr;
    toolkit::Label* Label9 = nullptr;
    toolkit::Label* Label10 = nullptr;
    toolkit::Label* Label11 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    toolkit::ComboBox* Combo1 = nullptr;
    UnitList* Combo2 = nullptr;
    UnitList* Combo3 = nullptr;
    UnitList* Combo4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QAction* MnuAbout = nullptr;

    const quorvant::CalibrationRecord& record_;
};

} // namespace ui
