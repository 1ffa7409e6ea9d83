#pragma once
#include <QImage>
#include <QRect>
#include <array>

// The family letter's toolbar, drawn in code: two rows of four icons, each under its click zone.
namespace lettertoolbar {

constexpr int Width = 217;
constexpr int Height = 123;

// The click zones, in twips within the toolbar, in the order of Zones.
struct Zone {
    const char* name;
    int left, top, width, height;
};
constexpr std::array<Zone, 8> Zones{{
    {"Label4", 150, 180, 690, 600},   // font of all parts: a letter A
    {"Label5", 930, 150, 660, 630},   // empty all parts: an eraser
    {"Label6", 1650, 210, 690, 585},  // borders off: a magnifier over a page in a grey frame
    {"Label8", 2490, 165, 540, 600},  // borders on: a magnifier over a page in a red frame
    {"Label7", 225, 1035, 690, 570},  // page picture to the office suite: a stack of sheets
    {"Label2", 1005, 990, 525, 555},  // letter text to the word processor: a text document
    {"Label9", 1770, 960, 630, 555},  // page picture to the picture editor: a paint pot
    {"Label10", 2445, 990, 525, 585}, // sample letter: a page of ruled lines
}};

// The toolbar picture, Width x Height.
QImage draw();

} // namespace lettertoolbar
