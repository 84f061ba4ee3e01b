// The count of open windows.
#include <toolkit/desktop.hpp>

#include <toolkit/window.hpp>

#include <QWindow>

namespace toolkit {

Desktop::Desktop(QObject* parent) : QObject(parent) {}

Desktop::~Desktop() = default;

void Desktop::track(Window* window)
{
    ++open_;
    connect(window, &QObject::destroyed, this, [this] {
        if (--open_ == 0)
            emit lastWindowClosed();
    });
}

} // namespace toolkit
