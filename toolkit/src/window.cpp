// Window styles, placement and close requests.
#include <toolkit/window.hpp>

#include <toolkit/geometry.hpp>
#include <toolkit/platform.hpp>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

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

Window::Window(const QString& caption, QSize clientTwips, Style style, MenuBar menuBar)
    : QWidget(nullptr, flagsFor(style)), style_(style)
{
    // No parent: a window parented to the main window would be disabled together with it.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);

    if (menuBar == MenuBar::Present) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
    }
    client_ = new QWidget(this);
    client_->resize(sizeFromTwips(clientTwips.width(), clientTwips.height()));
    layOut();
    // An owned window has no task-bar entry to bring it back from, and its owner waits for it.
    if (style == Style::Owned)
        comeBackWhenMinimised(this);
}

QAction* Window::addMenuItem(const QString& caption)
{
    QAction* action = menuBar_->addAction(caption);
    layOut();
    return action;
}

void Window::layOut()
{
    const QSize clientSize = client_->size();
    const int menuHeight = menuBar_ ? menuBar_->sizeHint().height() : 0;
    if (menuBar_)
        menuBar_->setGeometry(0, 0, clientSize.width(), menuHeight);
    client_->move(0, menuHeight);
    setFixedSize(clientSize.width(), clientSize.height() + menuHeight);
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
            skipTaskBar(this);
        }
        if (style_ == Style::Owned && owner_)
            keepAbove(this, owner_);
    }
    show();
    raise();
    activateWindow();
}

void Window::setWindowEnabled(bool enabled) { setEnabled(enabled); }

void Window::repaintNow() { repaint(); }

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
