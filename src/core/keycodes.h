#pragma once
#include <QKeyEvent>

#include <algorithm>
#include <iterator>

// The key codes that windows' KeyUp handlers take: Enter (either key) is 13 and Backspace 8;
// any other key is Qt's own code.
constexpr int KeyEnter = 13;
constexpr int KeyBack = 8;

inline int keyCode(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Backspace:
        return KeyBack;
    default:
        return key.key();
    }
}

// The index of a control in a control array (a std::array of pointers), -1 when it is none of them.
template <class Controls> int controlIndex(const Controls& controls, const QObject* control) {
    const auto it = std::find(std::begin(controls), std::end(controls), control);
    return it == std::end(controls) ? -1 : int(std::distance(std::begin(controls), it));
}
