#pragma once

class QKeyEvent;

// The Windows virtual-key code of a key press as the Spanish (and Catalan) layout gives it: main-row
// digits 48-57, keypad digits 96-105, letters 65-90, the named keys, and the punctuation keys
// 186-191, 219-222 and 226 found by the characters that layout prints on them, shifted or not.
// 0 for a key with no such code.
int windowsKeyCode(const QKeyEvent& event);
