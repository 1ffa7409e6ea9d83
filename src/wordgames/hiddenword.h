#pragma once
#include "core/formwindow.h"

#include <QLabel>
#include <QString>
#include <array>

class PictureBox;
class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;

// The hidden-word game: a word of the pool hides in a row of a 7 x 7 letter grid and the player
// finds it by clicking its letters in order.
class amaga : public MainForm {
    Q_OBJECT
public:
    explicit amaga(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14955;
    static constexpr int ClientHeightTwips = 9465;
    static QString caption() { return QStringLiteral("Paraula amagada"); }
    static constexpr int PauseAfterFind = 1300; // milliseconds

    // Deals a new puzzle from the pool; the comic strip calls it once it has filled the pool.
    void ENTRALO();
    // Deals a new puzzle from the pool.
    void LINEA();

    void SASASA_Click();
    void Label1_MouseDown(int Index);
    void Label1_MouseUp(int Index);
    void Command2_Click();
    void Picture144_Click(int Index);
    void Picture155_Click(int Index);
    void Picture3_Click();

    QWidget* client = nullptr;
    QAction* SASASA = nullptr; // menu "LLISTES"

    PictureBox* Picture1 = nullptr; // the background holding every visible control
    std::array<QLabel*, 49> Label1{};
    QLineEdit* Text2 = nullptr;              // the word to find
    QLabel* Image1 = nullptr;                // its panel's picture
    QListWidget* List4 = nullptr;            // the words found
    std::array<PictureBox*, 1> Picture144{}; // element 0: upper case
    std::array<PictureBox*, 2> Picture155{}; // element 1 only: lower case
    QLabel* Label17 = nullptr;               // the case mode: "MIN", "Mayús" or "Minus"
    PictureBox* Picture3 = nullptr;          // the speaker
    QPushButton* Command2 = nullptr;         // "AJUT"

    // The pool: of the array only element 4 exists. The comic strip fills it, with List3 and
    // Picture7, and then calls ENTRALO.
    std::array<QListWidget*, 5> List1{};
    QListWidget* List3 = nullptr;          // record numbers of the pool's words; kept for the comic strip
    std::array<PictureBox*, 9> Picture7{}; // the pictures of pool words 0 to 8

    QString Label10;        // the hidden word, as the pool gives it (case mode applied)
    bool wordDealt = false; // whether Label10 holds a word yet
    int Label8 = 1;         // the word's position (from 1) whose letter is to be clicked next
    QString Text1;          // the letters found in this puzzle, in order
    int Label2 = 0;         // the cell of the word's first position

private:
    void paintCell(int index, int foreground, int background);
    void applyCase();
    void showPanelPicture(int index);
    QString listsFolder() const;
};
