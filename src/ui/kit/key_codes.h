// The key codes the windows answer, numbered as the window system of the design does.
#pragma once

namespace KeyCode {

// Character codes, as a key press on a control delivers them.
constexpr int Enter = 13;
constexpr int Plus = 43;

// Virtual key codes, as the main window's key preview sees them.
constexpr int EqualsKey = 187; // "=", "+" when shifted
constexpr int MinusKey = 189;  // "-", "_" when shifted
constexpr int LetterT = 84;

} // namespace KeyCode
