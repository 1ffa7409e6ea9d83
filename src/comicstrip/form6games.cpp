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

void Form6::SOPAA_Click() {
    amaga& game = services.forms.show<amaga>();
    game.List1[4]->clear();
    for (int i = 0; i < Panels; ++i) {
        handPicture(i, game.Picture7[i]);
        game.List1[4]->addItem(firstCaption(i) + HiddenWordPadding);
        game.List3->addItem(QString::number(i + 1));
    }
    game.ENTRALO();
}

void Form6::WE_Click() {
    escritors& game = services.forms.show<escritors>();
    for (int i = 0; i < Panels; ++i) {
        handPicture(i, game.Picture7[i]);
        const QString word = firstCaption(i).left(EscritorsCaptionLength);
        game.List3->addItem(word);
        game.List4->addItem(word);
    }
    game.PALABRAS();
}

void Form6::MAOS_Click() {
    palabrejas& game = services.forms.show<palabrejas>();
    for (int i = 0; i < Panels; ++i) {
        handPicture(i, game.Picture7[i]);
        game.List2->addItem(firstCaption(i));
    }
    game.llena();
}

void Form6::DPAOW_Click() {
    trobass& game = services.forms.show<trobass>();
    game.List1->clear();
    // The game has eight word buttons: the ninth panel stays behind.
    for (int i = 0; i < findtheword::Buttons; ++i) {
        handPicture(i, game.Picture7[i]);
        game.List1->addItem(firstCaption(i));
    }
    game.metess();
}

void Form6::DITATSS_Click() {
    Form15& game = services.forms.show<Form15>();
    for (int i = 0; i < Panels; ++i)
        game.Label1[i]->setText(firstCaption(i));
}
