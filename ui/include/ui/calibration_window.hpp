// Cal_Lx and Cal_Cx: the twin windows that find the oscillator's own L1 and C1 from two
// frequency readings and a known reference part, by the series or the parallel method.
#pragma once

#include <quorvant/calibration.hpp>
#include <toolkit/window.hpp>

class QLineEdit;
class QPushButton;

namespace toolkit {
class Frame;
class Label;
} // namespace toolkit

namespace ui {

class UnitList;

class CalibrationWindow : public toolkit::Window {
    Q_OBJECT
    Q_DISABLE_COPY(CalibrationWindow)

public:
    // Writes `record` on "Calculate"; stays above `owner`, the main window, which waits for it.
    CalibrationWindow(toolkit::Desktop& desktop, quorvant::CalibrationMethod method,
                      quorvant::CalibrationRecord& record, QWidget* owner);
    void startUp() override;

signals:
    // "Return": the calibration for the main window's display, then the window closes.
    void returned(const QString& f1KHz, const QString& c1PF, const QString& l1UH);
    // The window is closing, whatever the way: the main window is to take input again.
    void leaving();

protected:
    void queryUnload(toolkit::CloseReason reason) override;

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    void buildControls();
    void nameForScreenReaders();

    quorvant::CalibrationMethod method_;
    quorvant::CalibrationRecord& record_;

    toolkit::Frame* Frame1 = nullptr;
    toolkit::Label* Label1 = nullptr;
    toolkit::Label* Label2 = nullptr;
    toolkit::Label* Label3 = nullptr;
    toolkit::Label* Label4 = nullptr;
    toolkit::Label* Label5 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    UnitList* Combo1 = nullptr;
    UnitList* Combo2 = nullptr;
    UnitList* Combo4 = nullptr;
    UnitList* Combo5 = nullptr;
    UnitList* Combo6 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};

} // namespace ui
