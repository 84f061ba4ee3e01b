// The count of open windows and the end of the program.
#include <toolkit/registry.hpp>

namespace toolkit {

Registry& Registry::instance()
{
    static Registry registry;
    return registry;
}

void Registry::track(Window* window)
{
    ++open_;
    connect(window, &QObject::destroyed, this, [this] {
        if (--open_ == 0)
            emit lastWindowClosed();
    });
}

} // namespace toolkit
