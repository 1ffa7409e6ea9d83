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

void Form6::SendAucaToGame(AucaGame target) {
    switch (target) {
    case AucaGame::HiddenWord: {
        amaga& game = services.forms.show<amaga>();
        game.List1[4]->clear();
        for (int i = 0; i < Panels; ++i) {
            handPicture(i, game.Picture7[size_t(i)]);
            game.List1[4]->addItem(firstCaption(i) + HiddenWordPadding);
            game.List3->addItem(QString::number(i + 1));
        }
        game.ENTRALO();
        break;
    }
    case AucaGame::WriteAWord: {
        escritors& game = services.forms.show<escritors>();
        for (int i = 0; i < Panels; ++i) {
            handPicture(i, game.Picture7[size_t(i)]);
            const QString word = firstCaption(i).left(EscritorsCaptionLength);
            game.List3->addItem(word);
            game.List4->addItem(word);
        }
        game.PALABRAS();
        break;
    }
    case AucaGame::Typewriter: {
        palabrejas& game = services.forms.show<palabrejas>();
        for (int i = 0; i < Panels; ++i) {
            handPicture(i, game.Picture7[size_t(i)]);
            game.List2->addItem(firstCaption(i));
        }
        game.llena();
        break;
    }
    case AucaGame::FindTheWord: {
        trobass& game = services.forms.show<trobass>();
        game.List1->clear();
        // The game has eight word buttons: the ninth panel stays behind.
        for (int i = 0; i < findtheword::Buttons; ++i) {
            handPicture(i, game.Picture7[size_t(i)]);
            game.List1->addItem(firstCaption(i));
        }
        game.metess();
        break;
    }
    case AucaGame::Dictation: {
        Form15& game = services.forms.show<Form15>();
        for (int i = 0; i < Panels; ++i)
            game.Label1[size_t(i)]->setText(firstCaption(i));
        break;
    }
    }
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
