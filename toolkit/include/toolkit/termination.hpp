// A termination request from outside the program (SIGTERM) delivered on the user-interface
// thread, so that the program closes its windows in order instead of being cut off.
#pragma once

#include <QObject>

#include <functional>

namespace toolkit {

// `onRequest` runs in the event loop after each request, for as long as `owner` lives. Only one
// owner at a time: the pair of sockets the requests come through has one reader.
void onTerminationRequest(QObject* owner, std::function<void()> onRequest);

} // namespace toolkit
