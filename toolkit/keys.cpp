// Key preview through an application-wide event filter: a text field or an editable list accepts
// key releases, so a filter on the window itself would never see them.
#include "keys.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace toolkit {

int virtualKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return vkF1 + (qtKey - Qt::Key_F1);
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // same codes as ASCII capitals and digits
    switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
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
    if (widget->window() != window_ || !window_->isActiveWindow() || !window_->isEnabled())
        return false;
    // The filter sees the event again on every parent it climbs to: take it at its first
    // receiver only, the focus widget (or the window itself when nothing has the focus).
    QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : window_.data();
    if (widget != first)
        return false;
    handler_(virtualKeyCode(key->key()), key->modifiers());
    return false; // not consumed: the control gets the key as well
}

} // namespace toolkit
