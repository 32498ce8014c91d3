#pragma once

#include <QMetaObject>
#include <QObject>
#include <functional>

namespace quintix {

// Hands a function from any thread to the event loop of `context`'s thread, where it runs once
// the loop gets to it; dropped if `context` has gone by then. For the solver table's worker,
// whose news must reach the windows on their own thread.
inline std::function<void(std::function<void()>)> PostTo(QObject& context) {
    return [&context](std::function<void()> run) {
        QMetaObject::invokeMethod(&context, std::move(run), Qt::QueuedConnection);
    };
}

}  // namespace quintix
