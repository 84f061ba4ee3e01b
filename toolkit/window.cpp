// Window styles, placement and close requests.
#include "window.hpp"

#include "geometry.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>

namespace toolkit {

namespace {
Qt::WindowFlags flagsFor(TitleBar titleBar)
{
    // Only the hints named here are shown: no minimise or maximise button on any window.
    const Qt::WindowFlags common = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (titleBar == TitleBar::SystemMenu)
        return Qt::Window | common | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    // A tool window keeps out of the task bar.
    return Qt::Tool | common;
}
} // namespace

std::string decimalSeparator() { return QLocale().decimalPoint().toStdString(); }

Window::Window(const QString& caption, QSize clientTwips, TitleBar titleBar, bool withMenuBar)
    : QWidget(nullptr, flagsFor(titleBar))
{
    // No parent: a window parented to the main window would be disabled together with it.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);

    if (withMenuBar) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
    }
    client_ = new QWidget(this);
    client_->resize(sizeFromTwips(clientTwips.width(), clientTwips.height()));
    layOut();
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
    show();
    raise();
    activateWindow();
}

void Window::setWindowEnabled(bool enabled) { setEnabled(enabled); }

void Window::repaintNow() { repaint(); }

void Window::closeWithReason(int reason)
{
    pendingReason_ = reason;
    close();
    pendingReason_ = -1;
}

void Window::closeEvent(QCloseEvent* event)
{
    const int reason = pendingReason_ >= 0 ? pendingReason_ : CloseFromUser;
    // A disabled window takes no input, its close box included; the program's own closes and
    // the system's still go through, so that the program can always end.
    if (reason == CloseFromUser && !isEnabled()) {
        event->ignore();
        return;
    }
    closed_ = true;
    queryUnload(reason);
    event->accept();
}

} // namespace toolkit
