#include "platform/ShellOpen.h"

namespace {
ShellOpenHandler& Handler()
{
    static ShellOpenHandler handler;
    return handler;
}
} // namespace

bool ShellOpen(const QString& path)
{
    const ShellOpenHandler& handler = Handler();
    return handler ? handler(path) : false;
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler)
{
    ShellOpenHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
