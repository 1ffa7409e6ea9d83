#include "shell/picturemenu/picturemenu.h"
#include "core/twips.h"

#include <vector>

namespace picturemenu {

namespace {
using enum First;

// One row per zone, by zone number.
constexpr std::array<Zone, ZoneCount> Table{{
    {1, 0, 90, 180, "Auca, montar històries", "Form6", 11, Code},
    {1, 1, 135, 1170, "Ordre alfabètic", "formk", 1, Code},
    {1, 2, 135, 2250, "Sopa de lletres", "amaga", 2, Code},
    {1, 3, 135, 3330, "Escriu una paraula", "escritors", 3, Window},
    {1, 4, 90, 4320, "Màquina d'escriure", "palabrejas", 100, Window},
    {1, 5, 225, 5445, "Busca una paraula", "trobass", 6, Window},
    {1, 6, 135, 6480, "Dictat de paraules", "Form15", 2, Window},
    {2, 0, 1800, 180, "Calendari", "Form2", 7, Code},
    {2, 1, 1800, 1215, "Fes un cub", "Form5", 8, Code},
    {2, 2, 1845, 2340, "Crea una postal", "Form7", 9, Code},
    {2, 3, 1935, 3420, "Sopa de lletres inicial", "letrascolores", 200, Window},
    {2, 4, 1800, 4320, "Crea una sopa de lletres", "Form16", 300, Window},
    {2, 5, 1755, 5400, "Taller d'escriptura", "Form61", 10, Code},
    {3, 0, 3330, 180, "Retallar, estisores", "Form3", 12, Code},
    {3, 1, 3420, 1260, "Efectes fotogràfics", "Form10", 5000, Code},
    {3, 2, 3420, 2295, "Muntatge fotogràfic", "Form9", 14, Code},
    {3, 3, 3375, 3330, "Puzzle", "Form4", 20, Code},
    {4, 0, 5040, 180, "Fes una carta", "Form12", 15, Code},
    {4, 1, 5040, 1170, "Telèfon", "Form11", 16, Code},
    {4, 2, 4860, 2205, "Calculadora", "COMPRAWWW", 17, Code},
    {4, 3, 5085, 3285, "Carga telefònica", "movile", 500, Window},
    {4, 4, 5040, 4365, "Omplir documents", "Form13", 1000, Window},
    {5, 0, 6660, 180, "Ortografia", "cancions", 700, Window},
    {5, 1, 6660, 1170, "Completar paraules", "form50", 18, Code},
    {5, 2, 6705, 2340, "Taller omplir paraules", "Form14", 19, Code},
    {5, 3, 6615, 3330, "Processador de text", "Form18", 999, Window},
    {6, 0, 8280, 135, "Empaqueta fotografies", "Form8", 21, Code},
    {6, 1, 8325, 1215, "Imprimir fulls de càlcul", "todossi", 101, Window},
    {5, 4, 90, 45, "Ordenar lletres", "Form26", 4444, Window}, // inside Picture9
    {4, 5, 5040, 5490, "Targetes de visita", "Form17", 44444, Window},
}};

// The pictures lie in a regular grid that fits under every zone of its row and column: the
// zones themselves sit a few pixels off it.
constexpr std::array<int, 6> ColumnLeft{23, 129, 235, 341, 450, 556};
constexpr int FirstRowTop = 16, RowPitch = 71;
constexpr int ExtraIconRow = 6; // Picture10 lies in column 2, under zone 12

bool validArea(int area) {
    return area >= 0 && area < AreaCount;
}

// Squared distance from a point to a rectangle (0 inside it).
int distance2(QPoint p, const QRect& r) {
    const int dx = p.x() < r.left() ? r.left() - p.x() : (p.x() > r.right() ? p.x() - r.right() : 0);
    const int dy = p.y() < r.top() ? r.top() - p.y() : (p.y() > r.bottom() ? p.y() - r.bottom() : 0);
    return dx * dx + dy * dy;
}
} // namespace

const std::array<Zone, ZoneCount>& zones() {
    return Table;
}

QString hoverText(int area) {
    if (area == ExtraIcon) return QStringLiteral("Sopa de lletres amb dibuix");
    return validArea(area) ? QString::fromUtf8(Table[area].hover) : QString();
}

QString windowName(int area) {
    if (area == ExtraIcon) return QStringLiteral("Form19");
    return validArea(area) ? QString::fromLatin1(Table[area].window) : QString();
}

QRect zoneRect(int zone) {
    const Zone& z = Table.at(zone);
    return twRect(z.left, z.top, ZoneWidthTwips, ZoneHeightTwips);
}

QRect picture9Rect() {
    return twRect(Picture9Twips.x(), Picture9Twips.y(), Picture9Twips.width(), Picture9Twips.height());
}

QRect picture10Rect() {
    return twRect(Picture10Twips.x(), Picture10Twips.y(), Picture10Twips.width(), Picture10Twips.height());
}

QRect label7Rect() {
    return twRect(Label7Twips.x(), Label7Twips.y(), Label7Twips.width(), Label7Twips.height());
}

QRect areaRect(int area) {
    if (area == ExtraIcon) return picture10Rect();
    if (area == LetterOrderingZone) {
        const QRect p9 = picture9Rect();
        return zoneRect(area).translated(p9.topLeft()) & p9;
    }
    return zoneRect(area);
}

QRect tileRect(int area) {
    if (area == ExtraIcon)
        return QRect(QPoint(ColumnLeft[1], FirstRowTop + ExtraIconRow * RowPitch), TileSize);
    const Zone& z = Table.at(area);
    return QRect(QPoint(ColumnLeft[z.column - 1], FirstRowTop + z.row * RowPitch), TileSize);
}

namespace {
struct Layout {
    std::array<QRect, AreaCount> areas, tiles;
};
const Layout& layout() {
    static const Layout l = [] {
        Layout out;
        for (int a = 0; a < AreaCount; ++a) {
            out.areas[a] = areaRect(a);
            out.tiles[a] = tileRect(a);
        }
        return out;
    }();
    return l;
}
} // namespace

int areaAt(QPoint p) {
    const Layout& l = layout();
    int best = NoArea, bestDistance = 0;
    for (int a = 0; a < AreaCount; ++a) {
        if (!l.areas[a].contains(p)) continue;
        const int d = distance2(p, l.tiles[a]);
        if (best == NoArea || d < bestDistance) {
            best = a;
            bestDistance = d;
        }
    }
    return best;
}

namespace {
QRegion computeOwnedRegion(int area) {
    const Layout& l = layout();
    const QRect own = l.areas[area];
    QList<int> neighbours;
    for (int other = 0; other < AreaCount; ++other)
        if (other != area && own.intersects(l.areas[other])) neighbours << other;
    // Only where another area overlaps can a point go elsewhere: there, it goes to a neighbour
    // whose picture is nearer (or as near, with a lower number), as areaAt decides.
    std::vector<char> mine(size_t(own.width() * own.height()), 1);
    for (const int n : neighbours) {
        const QRect shared = own & l.areas[n];
        for (int y = shared.top(); y <= shared.bottom(); ++y)
            for (int x = shared.left(); x <= shared.right(); ++x) {
                const QPoint p(x, y);
                const int dn = distance2(p, l.tiles[n]), da = distance2(p, l.tiles[area]);
                if (dn < da || (dn == da && n < area))
                    mine[size_t((y - own.top()) * own.width() + (x - own.left()))] = 0;
            }
    }
    // Row by row, the runs of points that stay with this area.
    QList<QRect> runs;
    for (int row = 0; row < own.height(); ++row) {
        int start = -1;
        for (int col = 0; col <= own.width(); ++col) {
            const bool keep = col < own.width() && mine[size_t(row * own.width() + col)];
            if (keep && start < 0) start = col;
            if (!keep && start >= 0) {
                runs << QRect(own.left() + start, own.top() + row, col - start, 1);
                start = -1;
            }
        }
    }
    QRegion region;
    region.setRects(runs.constData(), int(runs.size()));
    return region;
}
} // namespace

QRegion ownedRegion(int area) {
    if (!validArea(area)) return {};
    // The layout never changes: worked out once.
    static const std::array<QRegion, AreaCount> regions = [] {
        std::array<QRegion, AreaCount> all;
        for (int a = 0; a < AreaCount; ++a)
            all[a] = computeOwnedRegion(a);
        return all;
    }();
    return regions[area];
}

} // namespace picturemenu
