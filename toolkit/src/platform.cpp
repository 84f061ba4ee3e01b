// The platform the program runs on, the dialog font, and the window states asked of every desktop.
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

QFont dialogFont(qreal pointSize)
{
    QFont font;
    // The dialog font the layouts were made for, MS Sans Serif, in its TrueType form of the same
    // metrics that every Windows has. Where it is missing (Linux, Wine), Liberation Sans, of the
    // metrics of Arial; not Tahoma, the newer dialogs' font, in which "Stray Inductance (nH)"
    // does not fit.
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
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
