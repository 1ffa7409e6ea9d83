#pragma once
#include <QString>
#include <array>

// One row of the worksheet grid: its caption, the kind of sheet it prints and the size code it
// hands that kind (0 for none).
struct ExerciseKind {
    int row = 0;
    const char* caption = "";
    const char* generator = "";
    int sizeCode = 0;

    QString captionText() const { return QString::fromUtf8(caption); }
};

// The 51 rows of the grid, 3 to 53, in the order the print run visits them.
const std::array<ExerciseKind, 51>& exerciseKindTable();
