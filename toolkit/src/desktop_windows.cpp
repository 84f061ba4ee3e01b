// The Windows desktop: out of the task bar under an owner that is never shown; Windows's classic
// dialog font.
#include <toolkit/desktop.hpp>

#include "desktop_native.hpp"

#include <QWidget>
#include <QWindow>

namespace toolkit {

struct Desktop::Native {
    // Made with the first window that asks, destroyed with the desktop.
    std::unique_ptr<QWindow> hiddenOwner;
};

Desktop::Desktop(QObject* parent) : QObject(parent), native_(std::make_unique<Native>()) {}

Desktop::~Desktop() = default;

void Desktop::skipTaskBar(QWidget* window)
{
    // Windows gives every top-level window without an owner a task-bar button. An owner that is
    // never shown takes the button away and leaves the title bar as it is; a window that gets a
    // real owner later (keepAbove) keeps that one.
    auto& owner = native_->hiddenOwner;
    if (!owner) {
        owner = std::make_unique<QWindow>();
        owner->create();
    }
    window->winId();
    if (!window->windowHandle()->transientParent())
        window->windowHandle()->setTransientParent(owner.get());
}

QStringList native::dialogFontFamilies()
{
    // The dialog font the layouts were made for, MS Sans Serif, in its TrueType form of the same
    // metrics that every Windows has. Where it is missing (Wine), Liberation Sans, of the metrics
    // of Arial; not Tahoma, the newer dialogs' font, in which "Stray Inductance (nH)" does not fit.
    return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")};
}

QFont::HintingPreference native::dialogFontHinting() { return QFont::PreferDefaultHinting; }

} // namespace toolkit
