// The warning box.
#include "message.hpp"

#include "text.hpp"

#include <quorvant/messages.hpp>

#include <QMessageBox>

namespace toolkit {

void warn(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, qtText(quorvant::messages::warningTitle),
                    displayText(text), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("Warning"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace toolkit
