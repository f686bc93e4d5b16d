// SPDX-License-Identifier: GPL-3.0-or-later
// The character codes the windows answer, as a key press on a control delivers them.
#pragma once

namespace KeyCode {

constexpr int Enter = 13;
constexpr int Plus = 43;

} // namespace KeyCode
