#include "worksheets/windowskeys.h"

#include <QKeyEvent>

namespace {
struct Mapping {
    int qtKey;
    int code;
};

// Named keys, and the keypad's own keys.
constexpr Mapping Named[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
};

constexpr Mapping Keypad[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

// The punctuation keys of the Spanish layout, by both characters on each.
constexpr Mapping Punctuation[] = {
    {Qt::Key_Dead_Grave, 186},     {Qt::Key_QuoteLeft, 186},   {Qt::Key_Dead_Circumflex, 186},
    {Qt::Key_AsciiCircum, 186},    {Qt::Key_Plus, 187},        {Qt::Key_Asterisk, 187},
    {Qt::Key_Comma, 188},          {Qt::Key_Semicolon, 188},   {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},     {Qt::Key_Period, 190},      {Qt::Key_Colon, 190},
    {Qt::Key_Ccedilla, 191},       {Qt::Key_Apostrophe, 219},  {Qt::Key_Question, 219},
    {Qt::Key_masculine, 220},      {Qt::Key_ordfeminine, 220}, {Qt::Key_exclamdown, 221},
    {Qt::Key_questiondown, 221},   {Qt::Key_Dead_Acute, 222},  {Qt::Key_acute, 222},
    {Qt::Key_Dead_Diaeresis, 222}, {Qt::Key_diaeresis, 222},   {Qt::Key_Less, 226},
    {Qt::Key_Greater, 226},
};

int lookUp(const Mapping* begin, const Mapping* end, int key) {
    for (const Mapping* m = begin; m != end; ++m)
        if (m->qtKey == key) return m->code;
    return 0;
}
} // namespace

int windowsKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return (keypad ? 96 : 48) + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
    if (keypad) {
        if (const int code = lookUp(std::begin(Keypad), std::end(Keypad), key)) return code;
    }
    if (const int code = lookUp(std::begin(Named), std::end(Named), key)) return code;
    return lookUp(std::begin(Punctuation), std::end(Punctuation), key);
}
