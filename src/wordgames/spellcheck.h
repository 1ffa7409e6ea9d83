#pragma once
#include "core/formwindow.h"

class PictureBox;
class QPlainTextEdit;
class QPushButton;

// Spell check: the user types or pastes a text and "CORRECTOR" walks its misspelt words with
// the Catalan dictionary; the corrected text stays in the box.
class dicci : public Form {
    Q_OBJECT
public:
    explicit dicci(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Command2_Click();

    static constexpr int WidthTwips = 12630; // the background panel, 842 x 579
    static constexpr int HeightTwips = 8685;
    static QString caption() { return QStringLiteral("Taudrin'TXT-corrector ortogràfic"); }

    PictureBox* Picture1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command2 = nullptr;
};
