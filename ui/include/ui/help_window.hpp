// Help: the About window, naming the program, its author and where to find more.
#pragma once

#include <toolkit/window.hpp>

namespace toolkit {
class Label;
}

namespace ui {

class HelpWindow : public toolkit::Window {
    Q_OBJECT
    Q_DISABLE_COPY(HelpWindow)

public:
    explicit HelpWindow(toolkit::Desktop& desktop);
    void startUp() override;

    // The seven lines, separated by a carriage return alone.
    static QString aboutText();

private:
    void form_load();

    toolkit::Label* Label1 = nullptr;
};

} // namespace ui
