#pragma once
// The vocabulary of rich text: the control words the reader knows, named characters, code page
// 1252 bytes and link targets of fields.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <array>

namespace rtf {

// clang-format off
enum class Kw : quint8 {
    Skip, // a destination whose group is skipped whole (\nonesttables: the text of a nested
          // table for readers that cannot read one)
    Rtf, Deff, Uc, U, Bin, FontTable, ColourTable, Red, Green, Blue,
    Par, Sect, Page, Pard, Ql, Qr, Qc, Qj, Li, Ri, Fi, Line, Tab, Cell, Row,
    Plain, B, I, Ul, UlNone, F, Fs, Cf, V,
    Symbol, // a named character, looked up in the symbol table
    Pict, PngBlip, JpegBlip, DibBitmap, OtherPicture, PicW, PicH, PicWGoal, PicHGoal, PicScaleX, PicScaleY,
    Field, FldInst, FldRslt, Object, Result, ShpPict, Shp, ShpInst, ShpRslt, Sn, Sv,
    ShpLeft, ShpTop, ShpRight, ShpBottom,
    NestTableProps, // a nested table's row properties: only its row end counts
};
// clang-format on

// The control words by name; a word not in the table is unknown.
const QHash<QByteArray, Kw>& keywords();
// The character a named-character control word stands for, or 0.
char16_t symbolOf(QByteArrayView name);
// The character of each byte in code page 1252.
const std::array<char16_t, 256>& byteTable();
// The link target of a field instruction, or an empty string when the field is not a link.
QString hyperlinkTarget(const QString& instruction);

inline int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
inline bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace rtf
