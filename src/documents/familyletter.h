#pragma once
#include "core/formwindow.h"
#include "documents/letterfile.h"

#include <array>

class ClickZone;
class LetterTextBox;
class PictureBox;
class QAction;
class QFrame;
class QLabel;
class QMenu;
struct Snapshot;

// The family letter: six parts typed on a page, heard through the speaker, saved and opened as
// letter files, and handed on as a picture of the page or as an editable table of its text.
class Form12 : public MainForm {
    Q_OBJECT
public:
    explicit Form12(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14700;
    static constexpr int ClientHeightTwips = 10755;
    static QString caption() { return QStringLiteral("Taudrin'TXT REDACCIÓ D'UNA CARTA"); }
    // Asked before a save replaces another letter.
    static QString replaceQuestion(const QString& fileName);
    // Asked before a changed letter goes, on closing and on opening another.
    static QString closeQuestion();
    static QString openQuestion();

    // The hint shown over each part, in part order.
    static const std::array<QString, letterfile::PartCount>& hintNames();
    // The sample letter's texts, in part order.
    static const std::array<QString, letterfile::PartCount>& sampleLetter();

    void Text1_MouseMove(int Index);
    void Picture1_MouseMove();
    void Picture2_MouseMove();
    void Text1_Click(int Index);
    void Picture5_Click();
    void Label10_Click();    // sample letter
    void Label5_Click();     // empty the parts
    void Label6_Click();     // borders off
    void Label8_Click();     // borders on
    void Label4_Click();     // font of all parts
    void Label9_Click();     // page to the picture editor
    void Label7_Click();     // page to the office suite
    void Label2_Click();     // letter text to the word processor
    void sssssssfff_Click(); // "Desar una carta"
    void hhhh_Click();       // "Obrir una carta"

    // The six parts' texts, line breaks as CR LF.
    letterfile::Parts parts() const;
    // The folder letters are saved in and opened from.
    QString lettersFolder() const;

    QWidget* client = nullptr;
    QMenu* AAAASX = nullptr;       // "ARXIUS"
    QAction* hhhh = nullptr;       // "Obrir una carta"
    QAction* sssssssfff = nullptr; // "Desar una carta"

    QFrame* Shape1 = nullptr;       // the white panel behind the working area
    PictureBox* Picture5 = nullptr; // the speaker
    PictureBox* Picture1 = nullptr; // the page
    std::array<LetterTextBox*, letterfile::PartCount> Text1{};
    PictureBox* Picture3 = nullptr; // the hint panel
    QLabel* Label1 = nullptr;       // the hint
    PictureBox* Picture2 = nullptr; // the toolbar
    ClickZone* Label4 = nullptr;
    ClickZone* Label5 = nullptr;
    ClickZone* Label6 = nullptr;
    ClickZone* Label8 = nullptr;
    ClickZone* Label7 = nullptr;
    ClickZone* Label2 = nullptr;
    ClickZone* Label9 = nullptr;
    ClickZone* Label10 = nullptr;
    PictureBox* Picture4 = nullptr; // scratch of the page pictures, never shown

    // The text of the part clicked last, as it was at the click: what the speaker says.
    QString Label11 = QStringLiteral("clica un text");

private:
    // The page as the picture hand-offs take it.
    Snapshot page() const;
    // The save dialog and the save: true once the letter is saved.
    bool saveLetter();
    // False when a changed letter must stay: the user wants it saved and it was not.
    bool mayLetLetterGo(const QString& question);

    // The parts as last saved, opened, emptied or filled with the sample: what is not lost.
    letterfile::Parts kept_{};
};
