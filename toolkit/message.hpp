// The warning box.
#pragma once

#include <QString>

namespace toolkit {

// A modal box titled "Warning !" with an exclamation icon and one OK button. No window of the
// program takes input while it is up; returns when the user has dismissed it.
void warn(const QString& text);

} // namespace toolkit
