// The Qt platform the program runs on, and the window behaviours asked of every desktop alike.
#include <toolkit/platform.hpp>

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace toolkit {

std::optional<QByteArray> preferredPlatform(const std::function<QByteArray(const char*)>& variable)
{
    if (!variable("QT_QPA_PLATFORM").isEmpty())
        return std::nullopt;
    const bool wayland =
        variable("XDG_SESSION_TYPE") == "wayland" || !variable("WAYLAND_DISPLAY").isEmpty();
    if (wayland && !variable("DISPLAY").isEmpty())
        return QByteArrayLiteral("xcb");
    return std::nullopt;
}

void choosePlatform()
{
    const auto platform = preferredPlatform([](const char* name) { return qgetenv(name); });
    if (platform)
        qputenv("QT_QPA_PLATFORM", *platform);
}

namespace {
class ComeBack : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && window->isMinimized())
            QTimer::singleShot(0, window, [window] {
                window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
                window->show();
                window->raise();
                window->activateWindow();
            });
        return false;
    }
};
} // namespace

void comeBackWhenMinimised(QWidget* window) { window->installEventFilter(new ComeBack(window)); }

void keepAbove(QWidget* window, QWidget* owner)
{
    window->winId();
    owner->winId();
    window->windowHandle()->setTransientParent(owner->windowHandle());
}

} // namespace toolkit
