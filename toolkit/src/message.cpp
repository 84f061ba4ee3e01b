// The warning box.
#include <toolkit/message.hpp>

#include <toolkit/text.hpp>

#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace toolkit {

namespace {
// Every window waits for the box: it must not be minimised out of reach.
class StayUp : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && box->isMinimized())
            QTimer::singleShot(0, box, [box] {
                box->setWindowState(box->windowState() & ~Qt::WindowMinimized);
                box->show();
                box->raise();
                box->activateWindow();
            });
        return false;
    }
};
} // namespace

void warn(QWidget* owner, const QString& title, const QString& text)
{
    // A parent window makes the box its transient: it opens over the window that raised it. The
    // parent may be closed and destroyed while the box waits (a termination request), taking
    // the box with it: the box lives on the heap and is watched.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Warning, title, displayText(text),
                                                QMessageBox::Ok, owner ? owner->window() : nullptr);
    box->setObjectName(QStringLiteral("Warning"));
    box->setWindowModality(Qt::ApplicationModal);
    box->installEventFilter(new StayUp(box));
    box->exec();
    delete box;
}

} // namespace toolkit
