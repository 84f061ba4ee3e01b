// Platform choice and the X11 window states the window managers read.
#include <toolkit/platform.hpp>

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#ifdef QUORVANT_HAVE_XCB
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#endif

#include <cstring>

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
#ifdef Q_OS_WIN
    // The dialog font the layouts were made for, MS Sans Serif, in its TrueType form of the same
    // metrics that every Windows has. Where it is missing (Wine), Liberation Sans, as on Linux;
    // not Tahoma, the newer dialogs' font, in which "Stray Inductance (nH)" does not fit.
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")});
#else
    font.setFamily(QStringLiteral("Liberation Sans"));
#endif
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

#ifdef QUORVANT_HAVE_XCB
namespace {
xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}
} // namespace

void skipTaskBar(QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const xcb_atom_t states[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    // Qt keeps a state set before the window is mapped and adds its own to it.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window->winId()),
                        atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}
#elif defined(Q_OS_WIN)
void skipTaskBar(QWidget* window)
{
    // Windows gives every top-level window without an owner a task-bar button. An owner that is
    // never shown takes the button away and leaves the title bar as it is; a window that gets a
    // real owner later (keepAbove) keeps that one.
    static QWindow* const owner = [] {
        auto* hidden = new QWindow;
        hidden->create();
        return hidden;
    }();
    window->winId();
    if (!window->windowHandle()->transientParent())
        window->windowHandle()->setTransientParent(owner);
}
#else
void skipTaskBar(QWidget*) {}
#endif

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
