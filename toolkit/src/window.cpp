// Window styles, placement and close requests.
#include <toolkit/window.hpp>

#include <toolkit/desktop.hpp>
#include <toolkit/geometry.hpp>
#include <toolkit/platform.hpp>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace toolkit {

namespace {
Qt::WindowFlags flagsFor(Style style)
{
    // Only the hints named here are shown: no minimise or maximise button on any window.
    const Qt::WindowFlags common = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (style) {
    case Style::Main:
    case Style::Dialog:
        return Qt::Window | common | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    case Style::Plain:
        // Not a tool window: window managers keep those above every window of the program.
        return Qt::Window | common;
    case Style::Owned:
        // Only a dialog's transient parent reaches the window manager.
        return Qt::Dialog | common;
    }
    return Qt::Window | common;
}
} // namespace

Window::Window(Desktop& desktop, const QString& caption, QSize clientTwips, Style style)
    : QWidget(nullptr, flagsFor(style)), desktop_(desktop), style_(style)
{
    // No parent: a window parented to the main window would be disabled together with it.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    desktop.track(this);

    // The window is exactly its client area and, once it has one, the menu bar above it.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    client_ = new QWidget(this);
    client_->setFixedSize(sizeFromTwips(clientTwips));
    layout->addWidget(client_);
    layout->activate();
    // An owned window has no task-bar entry to bring it back from, and its owner waits for it.
    if (style == Style::Owned)
        comeBackWhenMinimised(this);
}

QAction* Window::addMenuItem(const QString& caption)
{
    auto* menuBar = static_cast<QMenuBar*>(layout()->menuBar());
    if (!menuBar) {
        menuBar = new QMenuBar(this);
        menuBar->setNativeMenuBar(false);
        layout()->setMenuBar(menuBar);
    }
    QAction* action = menuBar->addAction(caption);
    // Placed now, not at the first show: the client area's screen position depends on it.
    layout()->activate();
    return action;
}

void Window::placeClientAt(int leftTwips, int topTwips)
{
    // For a top-level widget the geometry is that of the client area, without the frame.
    setGeometry(QRect(QPoint(px(leftTwips), px(topTwips) - client_->y()), size()));
}

void Window::centreOnScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    QRect area = screen->availableGeometry();
    setGeometry(QRect(area.center() - QPoint(width() / 2, height() / 2), size()));
}

void Window::showNonModal()
{
    if (!shownOnce_) {
        shownOnce_ = true;
        if (style_ == Style::Plain || style_ == Style::Owned) {
            winId();
            desktop_.skipTaskBar(this);
        }
        if (style_ == Style::Owned && owner_)
            keepAbove(this, owner_);
    }
    show();
    raise();
    activateWindow();
}

void Window::closeWithReason(CloseReason reason)
{
    pendingReason_ = reason;
    close();
    pendingReason_.reset();
}

void Window::closeEvent(QCloseEvent* event)
{
    const CloseReason reason = pendingReason_.value_or(CloseReason::FromUser);
    // A disabled window takes no input, its close box included; the program's own closes and
    // the system's still go through, so that the program can always end.
    if (reason == CloseReason::FromUser && !isEnabled()) {
        event->ignore();
        return;
    }
    closed_ = true;
    queryUnload(reason);
    event->accept();
}

} // namespace toolkit
