// The gap rules of the fill-the-blanks player: the window's half of them.
#include "core/random.h"
#include "core/services.h"
#include "textwork/gaprules.h"
#include "textwork/gaptypingbinding.h"
#include "textwork/player.h"

#include <QLabel>

namespace {
using gaprules::Blanked;
using gaprules::Source;

// Copy-out makes what Text1 shows the answer; restore starts again from the answer.
QString sourceText(Form14& f, Source source) {
    return source == Source::CopyOut ? f.engine.Text1() : f.engine.Text2();
}

// Text1 takes the result, Text2 the source, the caret goes to 1 and the counters take the count.
void present(Form14& f, const QString& answer, const Blanked& made, bool counterShown = true) {
    const QString shown = f.Label11->text();
    f.typing->startExercise(made.gapped, answer, made.blanks);
    if (!counterShown) {
        f.engine.Label11 = shown;
        f.typing->refresh();
    }
    f.Label19->setText(QString::number(made.blanks));
}

void applyPatternRule(Form14& f, QStringView name) {
    const std::optional<gaprules::PatternRule> rule = gaprules::patternRule(name);
    if (!rule) return;
    const QString answer = sourceText(f, rule->source);
    present(f, answer, gaprules::scan(answer, rule->tests));
}

template <typename Scan> void applyCopyOut(Form14& f, Scan scan, bool counterShown = true) {
    const QString answer = f.engine.Text1();
    present(f, answer, scan(answer), counterShown);
}
} // namespace

void Form14::pb() {
    applyPatternRule(*this, u"pb");
}
void Form14::dt() {
    applyPatternRule(*this, u"dt");
}
void Form14::çz() {
    applyPatternRule(*this, u"çz");
}
void Form14::ae() {
    applyPatternRule(*this, u"ae");
}
void Form14::cç() {
    applyPatternRule(*this, u"cç");
}
void Form14::cs() {
    applyPatternRule(*this, u"cs");
}
void Form14::trencada() {
    applyPatternRule(*this, u"trencada");
}
void Form14::zeta() {
    applyPatternRule(*this, u"zeta");
}
void Form14::jg() {
    applyPatternRule(*this, u"jg");
}
void Form14::mn() {
    applyPatternRule(*this, u"mn");
}
void Form14::rl() {
    applyPatternRule(*this, u"rl");
}
void Form14::uo() {
    applyPatternRule(*this, u"uo");
}
void Form14::vb() {
    applyPatternRule(*this, u"vb");
}
void Form14::vvbb() {
    applyPatternRule(*this, u"vvbb");
}
void Form14::cqu() {
    applyPatternRule(*this, u"cqu");
}
void Form14::SSS() {
    applyPatternRule(*this, u"SSS");
}
void Form14::xix() {
    applyPatternRule(*this, u"xix");
}
void Form14::aaa() {
    applyPatternRule(*this, u"aaa");
}
void Form14::eee() {
    applyPatternRule(*this, u"eee");
}
void Form14::iii() {
    applyPatternRule(*this, u"iii");
}
void Form14::uuu() {
    applyPatternRule(*this, u"uuu");
}
void Form14::vocals() {
    applyPatternRule(*this, u"vocals");
}
void Form14::aquid() {
    applyPatternRule(*this, u"aquid");
}
void Form14::laslos() {
    applyPatternRule(*this, u"laslos");
}
void Form14::unouna() {
    applyPatternRule(*this, u"unouna");
}
void Form14::sense() {
    applyCopyOut(*this, gaprules::sense);
}
void Form14::inicial() {
    applyCopyOut(*this, gaprules::inicial);
}
// The learner's counter keeps its text until the next blank is filled.
void Form14::TOT() {
    applyCopyOut(*this, gaprules::everything, false);
}

void Form14::atzar() {
    Random& random = services.random;
    random.reseedFromClock();
    const QString answer = engine.Text1();
    const std::optional<Blanked> made = gaprules::atzar(answer, random.Rnd());
    if (!made) {
        // Too short to draw from: only the answer changes.
        engine.setText2(answer);
        typing->refresh();
        return;
    }
    present(*this, answer, *made);
}
