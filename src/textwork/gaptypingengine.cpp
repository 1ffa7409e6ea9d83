#include "textwork/gaptypingengine.h"
#include "core/cp1252.h"
#include "textwork/linebreaks.h"

#include <algorithm>

namespace {
// Three spaces stop the walk.
bool threeSpacesAt(const QString& text, int position) {
    return QStringView(text).mid(position, 3) == u"   ";
}

QString counterCaption(int count) {
    return QStringLiteral("Espais: ") + QString::number(count);
}
} // namespace

GapTypingEngine::GapTypingEngine(Variant variant)
    : Label6(variant == Variant::Spelling ? 0 : 2),
      Label11(variant == Variant::Spelling ? QStringLiteral("Label11") : QString()), variant_(variant) {}

QString GapTypingEngine::normalised(const QString& text) {
    return toCrLf(text);
}

void GapTypingEngine::setText1(const QString& text) {
    text1_ = normalised(text);
    caret_ = 0;
    Label3 = 0;
    editWhileBlank_ = false;
}

void GapTypingEngine::editText1(const QString& text, int caret) {
    text1_ = normalised(text);
    if (editWhileBlank_) {
        // The text the edit was prepared on is gone.
        Label3 = 0;
        editWhileBlank_ = false;
    }
    setCaret(caret);
}

void GapTypingEngine::setCaret(int position) {
    caret_ = std::clamp(position, 0, int(text1_.size()));
}

void GapTypingEngine::startExercise(const QString& gapped, const QString& answer, int blanks) {
    text1_ = normalised(gapped);
    text2_ = normalised(answer);
    Label10 = blanks;
    Label11 = counterCaption(blanks);
    // An edit prepared on the previous text would bring that text back.
    Label3 = 0;
    editWhileBlank_ = false;
    setCaret(1);
}

bool GapTypingEngine::blankAt(int position) const {
    return position >= 0 && position < text1_.size() && text1_[position] == Blank &&
           !(position < text2_.size() && text2_[position] == Blank);
}

bool GapTypingEngine::hasBlank() const {
    for (int p = 0; p < text1_.size(); ++p)
        if (blankAt(p)) return true;
    return false;
}

bool GapTypingEngine::resting() const {
    if (threeSpacesAt(text1_, caret_)) return true;
    if (caret_ >= text1_.size()) return true;
    if (!blankAt(caret_)) return false;
    return Label3 != 1;
}

GapTypingEngine::KeyResult GapTypingEngine::Text1_KeyPress(QChar typed) {
    if (variant_ == Variant::Player && keyFilter && typed != Backspace && !keyFilter(typed))
        return KeyResult::TakenBack;
    settle();
    if (linebreaks::insideBreak(text1_, caret_)) ++caret_;
    const int p = caret_;
    const bool blankLeft = hasBlank();
    if (blankLeft) {
        // Only a key at a blank goes in: anything else would shift the text against its answer.
        if (typed == Backspace || !blankAt(p)) return KeyResult::TakenBack;
    } else if (typed == Blank) {
        // A blank typed into a finished text would lock it: only its answer could change it again.
        return KeyResult::TakenBack;
    } else if (typed == Backspace && variant_ == Variant::Spelling) {
        typeIntoBox(typed, p);
        return KeyResult::Typed;
    }

    Label9 = QString::number(p);
    Label3 = 1;
    Label6 = p;
    editWhileBlank_ = blankLeft;
    // A line break is never hidden, so Enter is never the answer.
    const bool right = p < text2_.size() && text2_[p] == typed && typed != Enter;
    if (right) {
        Label4 = text1_.left(p) + typed;
        Label5 = text1_.mid(p + 1);
        if (blankAt(p)) bata();
    } else {
        Label4 = text1_.left(p);
        Label5 = text1_.mid(p);
        if (variant_ == Variant::Spelling) showHint(p);
    }
    typeIntoBox(typed, p);
    return KeyResult::Typed;
}

void GapTypingEngine::typeIntoBox(QChar typed, int p) {
    if (typed == Backspace) {
        if (p == 0) return;
        const int from = linebreaks::insideBreak(text1_, p - 1) ? p - 2 : p - 1;
        text1_.remove(from, p - from);
        caret_ = from;
        return;
    }
    const QString text = typed == Enter ? QStringLiteral("\r\n") : QString(typed);
    text1_.insert(p, text);
    caret_ = p + int(text.size());
}

void GapTypingEngine::showHint(int p) {
    // Positions of the source text count from 1 here: p is the character just before the blank.
    const QString& t = text3_;
    const int n = int(t.size());
    const auto spaceAt = [&t](int position) {
        return position >= 1 && position <= t.size() && t[position - 1] == QLatin1Char(' ');
    };
    int i = 0;
    while (i <= n && !spaceAt(p + i))
        ++i;
    if (i > n) return;
    int j = 0;
    while (j <= n && !spaceAt(p - j))
        ++j;
    if (j > n) return; // the first word of the text
    Label17 = i > 0 ? t.mid(p - j - 1, i + j) : t.mid(p - 1, 10);
    Picture2 = true;
}

void GapTypingEngine::Text1_KeyDown() {
    settle();
    if (variant_ != Variant::Spelling) return;
    Label9 = QString::number(caret_);
    Picture2 = false;
}

void GapTypingEngine::Text1_KeyUp(int KeyCode) {
    settle();
    if (variant_ != Variant::Spelling) return;
    if (KeyCode != KeyCodeDelete) Label3 = 0;
}

void GapTypingEngine::Text1_Click() {
    if (variant_ != Variant::Spelling) return;
    settle();
    caret_ = 0;
}

void GapTypingEngine::Text1_MouseDown() {
    settle();
    if (variant_ == Variant::Spelling)
        Label9 = QString::number(caret_);
    else
        caret_ = 0;
}

void GapTypingEngine::Text1_MouseMove() {
    if (variant_ == Variant::Player) Label9 = QString::number(caret_);
}

void GapTypingEngine::Timer1_Timer() {
    walk();
    if (variant_ == Variant::Spelling) Label9 = QString::number(caret_);
}

void GapTypingEngine::bata() {
    --Label10;
    Label11 = counterCaption(Label10);
}

void GapTypingEngine::settle() {
    if (Label3 != 1 || !editWhileBlank_) return;
    applyEdit();
    Timer1_Timer(); // what the tick would have done next
}

void GapTypingEngine::applyEdit() {
    text1_ = Label4 + Label5;
    Label3 = 0;
    editWhileBlank_ = false;
    setCaret(Label6);
}

void GapTypingEngine::walk() {
    // Each pass moves the caret on or applies the edit once, so the walk ends.
    for (;;) {
        if (threeSpacesAt(text1_, caret_)) return;
        if (caret_ >= text1_.size()) return;
        if (!blankAt(caret_)) {
            ++caret_;
        } else if (Label3 == 1) {
            applyEdit();
        } else {
            return;
        }
    }
}
