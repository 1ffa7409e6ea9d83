#pragma once
#include "shell/openactivity.h"

#include <QRect>
#include <QRegion>
#include <QString>
#include <array>

// The picture menu of the main window, without widgets: where each activity's click zone and
// picture lie, what the hover line says over it, and which window it opens under which code.
namespace picturemenu {

using First = OpenFirst;

struct Zone {
    int column;        // 1 to 6, left to right
    int row;           // place in its column, from the top
    int left, top;     // twips, in the zone's container (Picture7; zone 28: Picture9)
    const char* hover; // UTF-8
    const char* window;
    int code; // written into ActivityCode
    First first;
};

constexpr int ZoneCount = 30;
constexpr int LetterOrderingZone = 28; // the zone that lies inside Picture9
// Areas are the zones 0 to 29 and the extra icon (Picture10, which opens Form19 without a code).
constexpr int ExtraIcon = ZoneCount;
constexpr int AreaCount = ZoneCount + 1;
constexpr int NoArea = -1;

// Design geometry in twips, relative to each member's container.
constexpr int ZoneWidthTwips = 1635, ZoneHeightTwips = 1140;
constexpr QRect Picture7Twips{2580, 540, 10005, 7800}; // in the window
constexpr QRect Picture9Twips{6660, 4410, 1590, 1080}; // in Picture7
constexpr QRect Picture10Twips{1800, 6550, 1560, 1050};
constexpr QRect Label7Twips{3450, 6930, 6360, 675};

// Bitmap sizes in pixels.
constexpr QSize MenuSize{667, 520};
constexpr QSize LetterOrderingSize{106, 72};
constexpr QSize ExtraIconSize{104, 70};
// Every activity picture has this size.
constexpr QSize TileSize{92, 62};

const std::array<Zone, ZoneCount>& zones();
QString hoverText(int area); // also for ExtraIcon
QString windowName(int area);

// Pixel rectangles. zoneRect is in the zone's own container; the others are in Picture7.
QRect zoneRect(int zone);
QRect picture9Rect();
QRect picture10Rect();
QRect label7Rect();
// The area's rectangle in Picture7; zone 28 is cut to Picture9, which holds it.
QRect areaRect(int area);
// Where the area's picture lies in Picture7.
QRect tileRect(int area);

// Neighbouring zones overlap by a few pixels. A point where they overlap goes to the area whose
// picture is nearest to it (ties to the lower number), so that every point belongs to one area
// at most, and a point over an area's own picture always belongs to that area.
int areaAt(QPoint inMenu);
// The points of Picture7 that belong to the area.
QRegion ownedRegion(int area);

} // namespace picturemenu
