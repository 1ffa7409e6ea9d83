#include "textwork/copytypingrules.h"
#include "core/cp1252.h"
#include "core/fonts.h"

namespace copytyping {
KeyDown keyDown(const QString& typed, const QString& check, int caret, Mode mode) {
    KeyDown out;
    out.restartClock = caret == 1;
    if (mode == Mode::Free) return out;
    const int p = qBound(0, caret, int(typed.size()));
    out.checked = true;
    out.marker = typed.left(p) != check.left(p);
    out.position = p + 1;
    return out;
}

KeyUp keyUp(const QString& typed, const QString& check, int keyCode, Mode mode) {
    if (mode == Mode::Free || keyCode == KeyEnter || typed.isEmpty()) return {false, typed};
    // A check text shorter than the typed one is no beginning of it either.
    if (typed != check.left(typed.size())) return {true, withoutLastCharacter(typed)};
    return {true, typed};
}

QString withoutLastCharacter(const QString& text) {
    if (text.endsWith(QLatin1String("\r\n"))) return text.chopped(2);
    return text.isEmpty() ? text : text.chopped(1);
}

int secondsOfDay(QTime time) {
    if (!time.isValid()) return 0;
    return ((time.msecsSinceStartOfDay() + 500) / 1000) % SecondsPerDay;
}

int elapsedSeconds(int start, int now) {
    return ((now - start) % SecondsPerDay + SecondsPerDay) % SecondsPerDay;
}

QString dateText(QDate date) {
    return date.toString(QStringLiteral("dd/MM/yy"));
}

QString upperCase(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        c = c.toUpper();
    return out;
}

QString lowerCase(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        c = c.toLower();
    return out;
}

QChar withoutAccent(QChar c) {
    // Tried in this order; no character matches two rows.
    static const char16_t table[][2] = {
        {u'Á', u'A'}, {u'É', u'E'}, {u'Í', u'I'}, {u'Ó', u'O'}, {u'Ú', u'U'}, //
        {u'á', u'a'}, {u'é', u'e'}, {u'í', u'i'}, {u'ó', u'o'}, {u'ú', u'u'}, //
        {u'à', u'a'}, {u'è', u'e'}, {u'ì', u'i'}, {u'ò', u'o'}, {u'ù', u'u'}, //
        {u'À', u'A'}, {u'È', u'E'}, {u'Ì', u'I'}, {u'Ò', u'O'}, {u'Ù', u'U'},
    };
    for (const auto& row : table)
        if (c.unicode() == row[0]) return QChar(row[1]);
    return c;
}

QString withoutAccents(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        c = withoutAccent(c);
    return out;
}

double largerSize(double size) {
    return boundedPointSize(size, SizeStep, SmallestSize);
}

double smallerSize(double size) {
    return boundedPointSize(size, -SizeStep, SmallestSize);
}

QString openedText(const QByteArray& file) {
    const QString text = fromCp1252(file.left(TextRecordLength));
    return text + QString(TextRecordLength - text.size(), QLatin1Char(' '));
}

QByteArray savedFile(const QByteArray& oldFile, const QString& text) {
    QByteArray record = toCp1252(text).left(TextRecordLength);
    record.append(QByteArray(TextRecordLength - record.size(), ' '));
    QByteArray out = oldFile;
    out.replace(0, qMin<qsizetype>(out.size(), TextRecordLength), record);
    return out;
}

QString resultField(int number) {
    return QString::number(number).rightJustified(4, QLatin1Char(' '));
}

QString resultRecord(const QString& date, int typed, int seconds) {
    const QString speed = seconds > 0 ? resultField(int(qint64(typed) * 60 / seconds)) : QString(4, ' ');
    const QString record =
        QString(30, QLatin1Char(' ')) + date + resultField(typed) + resultField(seconds) + speed;
    return record.left(ResultRecordLength).leftJustified(ResultRecordLength, QLatin1Char(' '));
}

int resultRecordNumber(const QByteArray& file) {
    const int count = int(file.size() / ResultRecordLength);
    for (int r = 1; r < ResultRecords && r <= count; ++r)
        if (file.at(qsizetype(r - 1) * ResultRecordLength) == ' ') return r;
    return ResultRecords;
}
} // namespace copytyping
