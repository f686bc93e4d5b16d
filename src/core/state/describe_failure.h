// SPDX-License-Identifier: GPL-3.0-or-later
// The number, description and source of a failed step, for the diagnostics that name it.
#pragma once

#include <QString>
#include <exception>

// One line naming the failure: "Subscript out of range (9, Korvel)".
QString FailureLine(const std::exception &error);
