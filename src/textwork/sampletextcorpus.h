#pragma once
#include <QString>

// The built-in texts: what the spelling window's text buttons load, and the model texts the
// copy-typing window carries. Each body is one line; some entries add an author line.
namespace SampleTextCorpus {
constexpr int EntryCount = 55;        // entries 0 to 54
constexpr int FirstSpanishEntry = 44; // 0 to 43 are Catalan, 44 to 54 Spanish

// The copy-typing window holds entries 32 to 54: twelve Catalan, then eleven Spanish.
constexpr int FirstCopyTypingEntry = 32;
constexpr int CopyTypingCatalanCount = 12;
constexpr int CopyTypingSpanishCount = 11;

struct Entry {
    const char* body;
    const char* author; // nullptr when the entry has no author line
};
extern const Entry Entries[EntryCount];
extern const char* const ExtraCatalanText;

// Empty outside 0 to 54.
QString body(int n);
QString author(int n);
// What text button n loads: the body, then CR LF and the author line when there is one; empty
// for the buttons past the last entry.
QString text(int n);
bool isSpanish(int n);

// The copy-typing window's holders: Label13(k) for the Catalan row, ti(k) for the Spanish one;
// without author lines. Its copy of entry 38 starts with a space. Empty outside the rows.
QString copyTypingCatalanText(int k);
QString copyTypingSpanishText(int k);

// A further Catalan text of the copy-typing window, offered nowhere else.
QString extraCatalanText();
} // namespace SampleTextCorpus
