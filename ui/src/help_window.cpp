// The About window.
#include <ui/help_window.hpp>

#include <ui/identity.hpp>

#include <toolkit/controls.hpp>

namespace ui {

HelpWindow::HelpWindow(toolkit::Desktop& desktop)
    : Window(desktop, QStringLiteral("About  -   Quorvant ") + authorTag, {4935, 2385},
             toolkit::Style::Dialog)
{
    setObjectName(QStringLiteral("Help"));
    auto* frame = toolkit::make<toolkit::Frame>(client(), "Frame1", {120, 0, 4695, 2295});
    Label1 = toolkit::make<toolkit::Label>(frame, "Label1", {1080, 480, 3015, 1575}, "Label1");
}

void HelpWindow::startUp() { form_load(); }

QString HelpWindow::aboutText()
{
    const QChar cr = QLatin1Char('\r');
    QString text = QStringLiteral("Inductance and Capacitance Meter");
    text += cr + QStringLiteral("                       by ");
    text += cr + QStringLiteral("              ") + author;
    text += cr + QStringLiteral("                *  ") + authorMark + QStringLiteral("  *");
    text += cr + QStringLiteral("          full info on my web");
    text += cr;
    text += cr + QStringLiteral("     ") + homePage;
    return text;
}

void HelpWindow::form_load()
{
    placeClientAt(2595, 3330);
    showNonModal();
    Label1->setCaption(aboutText());
}

} // namespace ui
