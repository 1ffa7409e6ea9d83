#include "textwork/sampletextcorpus.h"

namespace SampleTextCorpus {
namespace {
bool isEntry(int n) {
    return n >= 0 && n < EntryCount;
}
} // namespace

QString body(int n) {
    return isEntry(n) ? QString::fromUtf8(Entries[n].body) : QString();
}

QString author(int n) {
    return isEntry(n) && Entries[n].author ? QString::fromUtf8(Entries[n].author) : QString();
}

QString text(int n) {
    const QString by = author(n);
    return by.isEmpty() ? body(n) : body(n) + QLatin1String("\r\n") + by;
}

bool isSpanish(int n) {
    return isEntry(n) && n >= FirstSpanishEntry;
}

QString copyTypingCatalanText(int k) {
    if (k < 0 || k >= CopyTypingCatalanCount) return {};
    const int n = FirstCopyTypingEntry + k;
    // The copy window's holder of entry 38 has always had a space in front of it.
    return n == 38 ? QLatin1Char(' ') + body(n) : body(n);
}

QString copyTypingSpanishText(int k) {
    if (k < 0 || k >= CopyTypingSpanishCount) return {};
    return body(FirstSpanishEntry + k);
}

QString extraCatalanText() {
    return QString::fromUtf8(ExtraCatalanText);
}
} // namespace SampleTextCorpus
