// Key preview: a window's key-release handler sees every key released in it before the focused
// control does, by virtual-key code, and the key still reaches the control.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace toolkit {

inline constexpr int vkF1 = 112;
inline constexpr int vkF5 = 116;

// The desktop's virtual-key code of a function key (F1 112 ... F24 135); 0 for any other key,
// which no handler of the program looks at.
int virtualKeyCode(int qtKey);

class KeyPreview : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(KeyPreview)

public:
    using Handler = std::function<void(int virtualKey)>;

    // Watches every key release of the application on behalf of `window`, including those in
    // the open drop-down list of one of its lists.
    KeyPreview(QWidget* window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    Handler handler_;
};

} // namespace toolkit
