#pragma once
// The keys the chart acts on, by the virtual-key codes that its handlers use,
// and those codes read from Qt's key events.

class QKeyEvent;

namespace lumenplot {

namespace virtual_key {
inline constexpr int Return = 13;  // Return and the keypad's Enter
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Add = 107;       // the keypad's plus
inline constexpr int Subtract = 109;  // the keypad's minus
inline constexpr int OemPlus = 187;   // the plus/equals key, shifted or not
inline constexpr int OemMinus = 189;  // the minus key
}  // namespace virtual_key

// The virtual-key code of a key event; 0 for a key the chart has no code for.
int virtualKeyOf(const QKeyEvent& event);

}  // namespace lumenplot
