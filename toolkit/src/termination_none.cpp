// Where there is no termination signal to catch: the system ends the program as it likes.
#include <toolkit/termination.hpp>

namespace toolkit {

void onTerminationRequest(QObject*, std::function<void()>) {}

} // namespace toolkit
