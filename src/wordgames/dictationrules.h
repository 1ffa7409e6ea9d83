#pragma once
#include <QString>
#include <QStringList>
#include <array>

class Random;

// The rules of the dictation, without widgets.
namespace dictation {

constexpr int Words = 9;
// "SENSE ACENTS" keeps words of at most this many characters.
constexpr int ShortWord = 8;

// Nine words drawn at random from the pool (repeats possible); an empty pool gives nine empty words.
std::array<QString, Words> drawNine(const QStringList& pool, Random& random);
// Whether a word holds one of the ten small accented vowels à á è é ì í ò ó ù ú among its first
// 20 characters.
bool isAccented(const QString& word);
// The pool narrowed to short words without those vowels, blanks around them removed, in order.
QStringList withoutAccents(const QStringList& pool);
// Whether an answer is right: its first L characters equal the word's, L being the length of the
// word without surrounding blanks; case counts, further letters of the answer do not.
bool isRight(const QString& answer, const QString& word);

} // namespace dictation
