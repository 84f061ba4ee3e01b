// Key preview through an application-wide event filter: a text field or an editable list accepts
// key releases, so a filter on the window itself would never see them.
#include <toolkit/keys.hpp>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace toolkit {

namespace {
// The window a widget belongs to for the user: an open drop-down list is a popup window of its
// own, but it belongs to the window of its list.
QWidget* homeWindow(QWidget* widget)
{
    QWidget* window = widget->window();
    while (window->windowType() == Qt::Popup && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}
} // namespace

int virtualKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return vkF1 + (qtKey - Qt::Key_F1);
    return 0;
}

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), window_(window), handler_(std::move(handler))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() { qApp->removeEventFilter(this); }

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyRelease || !window_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    // A held key repeats its release; only the physical release counts.
    if (!widget || key->isAutoRepeat())
        return false;
    if (homeWindow(widget) != window_ || !window_->isActiveWindow() || !window_->isEnabled())
        return false;
    // The filter sees the event again on every parent it climbs to: take it at its first
    // receiver only, the focus widget of the open popup or of the window (or the window itself
    // when nothing has the focus).
    QWidget* first = QApplication::activePopupWidget();
    if (first && first->focusWidget())
        first = first->focusWidget();
    if (!first)
        first = QApplication::focusWidget() ? QApplication::focusWidget() : window_.data();
    if (widget != first)
        return false;
    handler_(virtualKeyCode(key->key()));
    return false; // not consumed: the control gets the key as well
}

} // namespace toolkit
