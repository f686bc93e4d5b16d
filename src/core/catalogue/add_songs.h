// SPDX-License-Identifier: GPL-3.0-or-later
// "Add Directorys": the songs of a directory tree added, tagged, sorted and shown.
#pragma once

#include "core/state/model.h"

#include <QString>

// The walk of `startDir` into the catalogue, then FinishAddition, under one progress
// window; the tags are read while the walk's tree is rebuilt.
void AddDirectorySongs(Model &model, const QString &startDir);
