// Key preview: a window's key-release handler sees every key released in it before the focused
// control does, by virtual-key code, and the key still reaches the control.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

namespace toolkit {

inline constexpr int vkF1 = 112;
inline constexpr int vkF5 = 116;

// The desktop's virtual-key code of a Qt key; 0 for a key without one.
int virtualKeyCode(int qtKey);

class KeyPreview : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(KeyPreview)

public:
    using Handler = std::function<void(int virtualKey, Qt::KeyboardModifiers shift)>;

    // Watches every key release of the application on behalf of `window`.
    KeyPreview(QWidget* window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    Handler handler_;
};

} // namespace toolkit
