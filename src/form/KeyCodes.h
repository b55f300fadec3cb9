// SPDX-License-Identifier: MIT
#pragma once

namespace lexidor::vk {

// Virtual-key codes as KeyUp reports them. Letters are their capitals'
// codes (65..90), digits 48..57. A key that has no code reports 0.
inline constexpr int None = 0;
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18; // Alt
inline constexpr int Pause = 19;
inline constexpr int Capital = 20; // Caps Lock
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Prior = 33; // Page Up
inline constexpr int Next = 34;  // Page Down
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Key0 = 48;
inline constexpr int KeyA = 65;
inline constexpr int Numpad0 = 96;
inline constexpr int F1 = 112;
inline constexpr int NumLock = 144;
inline constexpr int ScrollLock = 145;

} // namespace lexidor::vk
