// The warning box.
#include <toolkit/message.hpp>

#include <toolkit/platform.hpp>
#include <toolkit/text.hpp>

#include <QMessageBox>
#include <QPointer>

namespace toolkit {

void warn(QWidget* owner, const QString& title, const QString& text)
{
    // A parent window makes the box its transient: it opens over the window that raised it. The
    // parent may be closed and destroyed while the box waits (a termination request), taking
    // the box with it: the box lives on the heap and is watched.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Warning, title, displayText(text),
                                                QMessageBox::Ok, owner ? owner->window() : nullptr);
    box->setObjectName(QStringLiteral("Warning"));
    box->setWindowModality(Qt::ApplicationModal);
    comeBackWhenMinimised(box); // every window waits for it
    box->exec();
    delete box;
}

} // namespace toolkit
