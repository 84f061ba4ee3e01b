// The warning box.
#pragma once

#include <QString>

class QWidget;

namespace toolkit {

// A modal box with an exclamation icon and one OK button, kept above `owner` (the window that
// raises it). No window of the program takes input while it is up; returns when the user has
// dismissed it. Lines of `text` are separated by carriage returns.
void warn(QWidget* owner, const QString& title, const QString& text);

} // namespace toolkit
