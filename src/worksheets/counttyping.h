#pragma once
#include <QString>

// What a key pressed in the grid of sheet counts sees and changes. Key codes are the Windows
// virtual-key codes of the Spanish layout (windowskeys.h).
struct CountKey {
    int row = 0; // the current cell, rows numbered with the header as row 0
    int col = 0;
    QString text;        // the current cell's text
    QString typingState; // "", "1" plain, "2" after Shift, "3" after the grave, "4" after the acute
    int scrollRow = 1;   // the first data row shown at the top
    int keyCode = 0;
    friend bool operator==(const CountKey&, const CountKey&) = default;
};

// The scroll rows the grid can show at its top.
struct ScrollRange {
    int first = 1;
    int last = 1;
};

// One key on a count cell: only column 0 of rows 3 up changes. Digits of the main row build the
// count; Delete and Backspace empty it; Shift, Caps Lock and the two accent keys change the typing
// state; End and Home scroll ten rows, within the range. Returns the new text, state, scroll row
// and key code.
CountKey countKeyDown(CountKey key, ScrollRange range);

// The shortest text that reads back as the number: a whole number as its digits, 0 as "0".
QString countText(double value);
