#include "core/tata.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "platform/speechengine.h"

#include <QLayout>
#include <QMenuBar>

TATA::TATA(Services& services) : MainForm(services), labios(services.speech) {
    setWindowTitle(caption());
    // Only the caption and the menu bar show.
    makeClient(this, ClientWidthTwips, ClientHeightTwips);

    ER = menuBar()->addMenu(QStringLiteral("VEUS"));
    ER->setObjectName(QStringLiteral("ER"));
    addVoiceItem(0);
}

QAction* TATA::addVoiceItem(int index) {
    auto* item = ER->addAction(QString());
    item->setObjectName(QStringLiteral("VOCES_%1").arg(index));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, index] { VOCES_Click(index); });
    VOCES.append(item);
    return item;
}

void TATA::Form_Load() {
    labios.reset();
    const int n = labios.voiceCount();
    for (int i = 1; i <= n; ++i)
        addVoiceItem(i);
    VOCES[0]->setText(QStringLiteral("Català"));
    for (int i = 1; i <= n; ++i)
        VOCES[i]->setText(labios.voiceName(i));
}

void TATA::VOCES_Click(int Index) {
    locutor = Index;
    for (QAction* item : VOCES)
        item->setChecked(false);
    VOCES[Index]->setChecked(true);
}

void TATA::Form_Unload(bool&) {
    // The voice goes with its window: what it was saying stops.
    labios.stop();
    services.state.clearActivityCode();
}

void SpeakText(Services& services, const QString& text) {
    TATA& tata = services.forms.get<TATA>();
    tata.labios.stop();
    if (tata.locutor) tata.labios.setVoice(*tata.locutor);
    tata.labios.speak(text);
}
