// A termination request from outside the program (SIGTERM) delivered on the user-interface
// thread, so that the program closes its windows in order instead of being cut off.
#pragma once

#include <functional>

namespace toolkit {

// Installs the handler; `onRequest` runs in the event loop after each request.
void onTerminationRequest(std::function<void()> onRequest);

} // namespace toolkit
