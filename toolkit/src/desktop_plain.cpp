// Out of the task bar where the platform has no way to ask for it: nothing to do.
#include <toolkit/desktop.hpp>

namespace toolkit {

void Desktop::skipTaskBar(QWidget*) {}

} // namespace toolkit
