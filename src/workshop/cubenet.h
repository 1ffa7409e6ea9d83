#pragma once
#include <QImage>
#include <QPoint>
#include <QSize>
#include <array>

// The paper cube's net: six square faces laid out as a cross, numbered 0 to 4 and 6 (there is no
// face 5), and the cut of one picture into those six faces.

inline constexpr int CubeFaceTwips = 1965;     // side of a face
inline constexpr int CubeFaceSlots = 7;        // face numbers run 0 to 6, 5 unused
inline constexpr int CubeNetWidthTwips = 9780; // the net picture: 652 x 470 pixels
inline constexpr int CubeNetHeightTwips = 7050;
inline constexpr std::array<int, 6> CubeFaces = {0, 1, 2, 3, 4, 6};

constexpr bool isCubeFace(int index) {
    return index >= 0 && index < CubeFaceSlots && index != 5;
}

// The face's top-left corner on the net, in twips (faces overlap their neighbours by a hair).
QPoint cubeFacePlace(int face);

// The cutting grid: three columns and two rows of squares; the face each square goes to.
int cubeFaceAt(int column, int row);

// The picture stretched to three by two face squares, in pixels.
QSize cubeStretchSize();

// A picture stretched to three by two face squares, whatever its proportions; null stays null.
QImage stretchForCube(const QImage& picture);

// One picture cut into the six faces (index = face number; index 5 and every entry stay null
// when the picture is null): the picture is stretched to three by two squares first, and each
// square goes to its face by the cutting grid.
using CubeFacePictures = std::array<QImage, CubeFaceSlots>;
CubeFacePictures cutIntoFaces(const QImage& picture);

// The net's picture (652 x 470): the outline of the cross with glue tabs on the top and bottom
// edges of the first, third and fourth squares of the middle row and on the right edge of the
// fourth; the faces lie over the squares.
QImage drawCubeNet();

// The tool strip (339 x 76): the office suite, a document, a paint pot and a small filled cube
// net, from left to right.
QImage drawCubeToolStrip();

// The net and the tool strip as the window shows them: painted by the build (workshopimages.h).
QImage cubeNetImage();
QImage cubeToolStripImage();

// The beige strip along the window's left edge.
QImage drawBeigeStrip(QSize size);
