#include "workshop/newspagelayout.h"

#include <array>

namespace {
const std::array<NewsLayout, NewsLayoutCount>& layouts() {
    static const std::array<NewsLayout, NewsLayoutCount> table{{
        {12, {1}, {1}},
        {9, {4, 5, 6}, {4, 5, 6}},
        {11, {0, 7, 8}, {0}},
        {10, {2, 3}, {2, 3}},
    }};
    return table;
}
} // namespace

const NewsLayout& newsLayout(int layout) {
    return layouts()[layout >= 0 && layout < NewsLayoutCount ? layout : 0];
}

int newsLayoutOfBox(int box) {
    for (int l = 0; l < NewsLayoutCount; ++l) {
        const NewsLayout& layout = layouts()[l];
        if (layout.title == box || layout.bodies.contains(box)) return l;
    }
    return 0;
}

int newsLayoutOfSlot(int slot) {
    for (int l = 0; l < NewsLayoutCount; ++l)
        if (layouts()[l].pictures.contains(slot)) return l;
    return 0;
}

NewsBoxDesign newsBoxDesign(int box) {
    static const std::array<NewsBoxDesign, NewsTextBoxCount> design{{
        {QRect(45, 900, 12570, 1770)},                   // 0: layout 2, lead paragraph
        {QRect(4725, 855, 7800, 7935)},                  // 1: layout 0, body beside the picture
        {QRect(135, 4185, 6135, 4560)},                  // 2: layout 3, left body
        {QRect(6300, 4185, 6315, 4515)},                 // 3: layout 3, right body
        {QRect(90, 3600, 4245, 5145)},                   // 4: layout 1, first column
        {QRect(4365, 3600, 4245, 5145)},                 // 5: layout 1, second column
        {QRect(8640, 3600, 4200, 5145)},                 // 6: layout 1, third column
        {QRect(5310, 2700, 7260, 6090)},                 // 7: layout 2, body beside the picture
        {QRect(0, 6840, 5280, 1950)},                    // 8: layout 2, text under the picture
        {QRect(90, 45, 12525, 690), 21.75, false, true}, // 9: layout 1, title
        {QRect(135, 90, 12435, 870), 27.75, true, true}, // 10: layout 3, title
        {QRect(45, 90, 12570, 780), 27.75, true, true},  // 11: layout 2, title
        {QRect(270, 45, 12300, 780), 26.25, true, true}, // 12: layout 0, title
    }};
    return design[box >= 0 && box < NewsTextBoxCount ? box : 0];
}

QRect newsSlotPlace(int slot) {
    static const std::array<QRect, NewsSlotCount> places{{
        QRect(45, 2700, 5280, 4110),  // 0: layout 2
        QRect(180, 855, 4515, 4470),  // 1: layout 0
        QRect(135, 945, 3660, 3165),  // 2: layout 3, left
        QRect(6345, 990, 3660, 3165), // 3: layout 3, right
        QRect(90, 810, 3885, 2760),   // 4: layout 1, first
        QRect(4365, 810, 3885, 2760), // 5: layout 1, second
        QRect(8640, 810, 3885, 2760), // 6: layout 1, third
    }};
    return places[slot >= 0 && slot < NewsSlotCount ? slot : 0];
}
