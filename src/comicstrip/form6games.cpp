// The comic strip's hand-over to the word games: each game receives the panels' pictures and
// first captions, and starts on them.
#include "comicstrip/form6.h"
#include "comicstrip/log.h"
#include "core/controls.h"
#include "wordgames/dictation.h"
#include "wordgames/findtheword.h"
#include "wordgames/hiddenword.h"
#include "wordgames/typewriter.h"
#include "wordgames/writeaword.h"
#include "workshop/handoff.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <functional>

using namespace comicstrip;

namespace {
constexpr int EscritorsCaptionLength = 12;
const QString HiddenWordPadding(9, QLatin1Char(' '));
} // namespace

QString Form6::firstCaption(int i) const {
    return Text3[i]->text();
}

void Form6::handPicture(int i, PictureBox* target) {
    // The hand-off picture keeps the panel last sent, as the outside programs expect; the game
    // takes the picture straight from the panel, so a failed write stops nothing.
    Snapshot snapshot;
    snapshot.source = ESCRIU[i];
    snapshot.paintedPictureOnly = true;
    if (!SnapshotPicture(services, snapshot)) qCInfo(lcComicStrip) << "hand-off picture not written";
    target->setPicture(panelImage(i));
}

// What a hand-over needs of one game: how many panels it takes, where panel i's picture goes (none
// for the dictation), where its caption goes, and how the game starts.
struct Form6::GameReceiver {
    int panels = Panels;
    std::function<PictureBox*(int)> picture;
    std::function<void(int, const QString&)> caption;
    std::function<void()> start;
};

// Shows the game (loading it first when needed), empties the list that is replaced each time, and
// says where the strip goes in it.
Form6::GameReceiver Form6::openGame(AucaGame target) {
    GameReceiver r;
    switch (target) {
    case AucaGame::HiddenWord: {
        amaga& game = services.forms.show<amaga>();
        game.List1[4]->clear();
        r.picture = [&game](int i) { return game.Picture7[size_t(i)]; };
        r.caption = [&game](int i, const QString& text) {
            game.List1[4]->addItem(text + HiddenWordPadding);
            game.List3->addItem(QString::number(i + 1));
        };
        r.start = [&game] { game.ENTRALO(); };
        break;
    }
    case AucaGame::WriteAWord: {
        escritors& game = services.forms.show<escritors>();
        r.picture = [&game](int i) { return game.Picture7[size_t(i)]; };
        r.caption = [&game](int, const QString& text) {
            const QString word = text.left(EscritorsCaptionLength);
            game.List3->addItem(word);
            game.List4->addItem(word);
        };
        r.start = [&game] { game.PALABRAS(); };
        break;
    }
    case AucaGame::Typewriter: {
        palabrejas& game = services.forms.show<palabrejas>();
        r.picture = [&game](int i) { return game.Picture7[size_t(i)]; };
        r.caption = [&game](int, const QString& text) { game.List2->addItem(text); };
        r.start = [&game] { game.llena(); };
        break;
    }
    case AucaGame::FindTheWord: {
        trobass& game = services.forms.show<trobass>();
        game.List1->clear();
        // The game has eight word buttons: the ninth panel stays behind.
        r.panels = findtheword::Buttons;
        r.picture = [&game](int i) { return game.Picture7[size_t(i)]; };
        r.caption = [&game](int, const QString& text) { game.List1->addItem(text); };
        r.start = [&game] { game.metess(); };
        break;
    }
    case AucaGame::Dictation: {
        Form15& game = services.forms.show<Form15>();
        r.caption = [&game](int i, const QString& text) { game.Label1[size_t(i)]->setText(text); };
        break;
    }
    }
    return r;
}

void Form6::SendAucaToGame(AucaGame target) {
    const GameReceiver game = openGame(target);
    for (int i = 0; i < game.panels; ++i) {
        if (game.picture) handPicture(i, game.picture(i));
        game.caption(i, firstCaption(i));
    }
    if (game.start) game.start();
}

void Form6::SOPAA_Click() {
    SendAucaToGame(AucaGame::HiddenWord);
}

void Form6::WE_Click() {
    SendAucaToGame(AucaGame::WriteAWord);
}

void Form6::MAOS_Click() {
    SendAucaToGame(AucaGame::Typewriter);
}

void Form6::DPAOW_Click() {
    SendAucaToGame(AucaGame::FindTheWord);
}

void Form6::DITATSS_Click() {
    SendAucaToGame(AucaGame::Dictation);
}
