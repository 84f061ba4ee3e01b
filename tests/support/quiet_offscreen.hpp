// Keeps the offscreen platform's complaint that it cannot raise or activate windows, which it
// makes at every such request, out of the output of the window tests and benchmarks.
#pragma once

#include <QString>
#include <QtGlobal>

namespace support {

inline QtMessageHandler& wrappedHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void quietOffscreenHandler(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        wrappedHandler()(type, context, message);
}

// Wraps the handler installed now; call once.
inline void quietOffscreen() { wrappedHandler() = qInstallMessageHandler(quietOffscreenHandler); }

} // namespace support
