// Out of the task bar on Windows: under an owner that is never shown.
#include <toolkit/desktop.hpp>

#include <QWidget>
#include <QWindow>

namespace toolkit {

void Desktop::skipTaskBar(QWidget* window)
{
    // Windows gives every top-level window without an owner a task-bar button. An owner that is
    // never shown takes the button away and leaves the title bar as it is; a window that gets a
    // real owner later (keepAbove) keeps that one.
    if (!hiddenOwner_) {
        hiddenOwner_ = std::make_unique<QWindow>();
        hiddenOwner_->create();
    }
    window->winId();
    if (!window->windowHandle()->transientParent())
        window->windowHandle()->setTransientParent(hiddenOwner_.get());
}

} // namespace toolkit
