#pragma once
#include "core/formwindow.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <optional>

class SpeechEngine;

// The speech window: hosts the synthesiser every speaking window talks through, and lets the
// user choose its voice in the menu "VEUS". It keeps no setting: the choice lasts while it is loaded.
class TATA : public MainForm {
    Q_OBJECT
public:
    explicit TATA(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void VOCES_Click(int Index);

    static constexpr int ClientWidthTwips = 3285;
    static constexpr int ClientHeightTwips = 45;
    static QString caption() { return QStringLiteral("Taudrin'veu"); }

    SpeechEngine& labios;
    // The chosen voice number; none until the user picks an item (the label's design caption).
    std::optional<int> locutor;
    QMenu* ER = nullptr;   // "VEUS"
    QList<QAction*> VOCES; // 0 "Català", then one item per voice

private:
    QAction* addVoiceItem(int index);
};

// Has the speech window's synthesiser speak the text: stop what is being said, set the chosen
// voice (when one was chosen), speak. Loads the speech window hidden when it is not loaded.
// Reports nothing, whatever fails.
void SpeakText(Services& services, const QString& text);
