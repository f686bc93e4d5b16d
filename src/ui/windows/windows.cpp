// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/windows.h"

#include <stdexcept>
#include <vector>

namespace Windows {

namespace {
std::vector<std::function<void()>> &unloads()
{
    static std::vector<std::function<void()>> list;
    return list;
}

QPointer<QWidget> owner;
Model *ownerModel = nullptr;
} // namespace

void SetOwner(QWidget *window, Model *model)
{
    owner = window;
    ownerModel = model;
}

QWidget *Owner() { return owner; }

Model &OwnerModel()
{
    if (!ownerModel)
        throw std::logic_error("no main window holds a model");
    return *ownerModel;
}

void RegisterUnload(std::function<void()> unload) { unloads().push_back(std::move(unload)); }

void UnloadAll()
{
    for (const auto &unload : unloads())
        unload();
}

} // namespace Windows
