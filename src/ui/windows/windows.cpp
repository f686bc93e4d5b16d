#include "ui/windows/windows.h"

#include "ui/main/main_window.h"

#include <vector>

namespace Windows {

namespace {
std::vector<std::function<void()>> &unloads()
{
    static std::vector<std::function<void()>> list;
    return list;
}
} // namespace

void RegisterUnload(std::function<void()> unload) { unloads().push_back(std::move(unload)); }

QWidget *Owner() { return Main::instance(); }

void UnloadAll()
{
    for (const auto &unload : unloads())
        unload();
}

} // namespace Windows
