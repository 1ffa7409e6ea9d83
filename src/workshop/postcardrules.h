#pragma once
#include "workshop/tint.h"

#include <QRect>
#include <array>
#include <optional>

// The postcard's rules that need no screen: its stamps, its tint buttons and its size steps.

// The stamps, in the order a click on the shown one steps through them; the one at PlainStamp is
// a white cover that hides the stamp corner, and the card opens on it.
inline constexpr int StampCount = 15;
inline constexpr int PlainStamp = 3;

// Where each stamp lies on the writing side, in twips: each box is its picture's size.
QRect stampPlaceTwips(int index);

// The stamp that follows the shown one, after the last the first again. An index outside the
// stamps gives the first.
int nextStamp(int shown);

// What a tint button does to the picture side's overlay.
struct TintButton {
    enum class Action { Show, Hide, Nothing };
    int leftTwips = 0; // the buttons lie in one row, not in index order
    Action action = Action::Nothing;
    TintMode mode = TintMode::MergePenNot;
    int paletteIndex = 0; // entry of the 16-colour palette
};
inline constexpr int TintButtonCount = 8;
const TintButton& tintButton(int index);

// Text sizes step by this many points, within core's range (steppedPointSize).
inline constexpr double PointSizeStep = 2;
