#include "workshop/postcardrules.h"

namespace {
constexpr std::array<std::array<int, 4>, StampCount> StampPlaces{{
    {6465, 390, 1590, 1170},
    {6420, 405, 1665, 1095},
    {6510, 525, 1515, 780},
    {6480, 270, 1620, 1200},
    {6495, 435, 1470, 990},
    {6525, 450, 1470, 1005},
    {6450, 435, 1605, 1065},
    {6405, 465, 1620, 1050},
    {6585, 525, 1350, 825},
    {6570, 570, 1365, 825},
    {6645, 525, 1245, 900},
    {6720, 435, 1560, 960},
    {6465, 495, 1590, 945},
    {6570, 510, 1380, 870},
    {6585, 525, 1305, 900},
}};

using A = TintButton::Action;
const std::array<TintButton, TintButtonCount> TintButtons{{
    {270, A::Show, TintMode::MergePenNot, 4},
    {810, A::Show, TintMode::MergePenNot, 5},
    {1620, A::Show, TintMode::MergePenNot, 6},
    {1350, A::Show, TintMode::MergePenNot, 7},
    {1890, A::Show, TintMode::Not, 6},
    {540, A::Show, TintMode::Not, 7},
    {2160, A::Hide, TintMode::MergePenNot, 0},
    {1080, A::Nothing, TintMode::MergePenNot, 0},
}};
} // namespace

QRect stampPlaceTwips(int index) {
    if (index < 0 || index >= StampCount) index = 0;
    const auto& p = StampPlaces[size_t(index)];
    return QRect(p[0], p[1], p[2], p[3]);
}

int nextStamp(int shown) {
    if (shown < 0 || shown >= StampCount) return 0;
    return (shown + 1) % StampCount;
}

const TintButton& tintButton(int index) {
    static const TintButton none{};
    if (index < 0 || index >= TintButtonCount) return none;
    return TintButtons[size_t(index)];
}
