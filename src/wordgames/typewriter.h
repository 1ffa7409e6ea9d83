#pragma once
#include "core/formwindow.h"
#include "wordgames/typewriterdeal.h"

#include <QString>
#include <array>

class PictureBox;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

// The typewriter: a word in large letters is copied letter by letter into the row below, with the
// keyboard or the keys on the screen; finished words gather in a list.
class palabrejas : public MainForm {
    Q_OBJECT
public:
    explicit palabrejas(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14910;
    static constexpr int ClientHeightTwips = 9240;
    static constexpr int KeyCount = 28;
    static constexpr int PanelCount = 9;
    static QString caption() { return QStringLiteral("Taudrin'TXT Màquina d'escriure"); }
    // The keys' letters in index order.
    static QString keyLetters() { return QStringLiteral(u"qwertyuiopasdfghjklñçzxcvbnm"); }

    // Deals a word from the pool List2 and sets the two rows up for it. The comic strip calls it
    // once it has handed over its pictures and captions.
    void llena();

    // A key typed in typing box Index: what it types (its text, or what an input method commits).
    void c_KeyDown(int Index, const QString& typed);
    void c_KeyUp(int Index, int KeyCode);
    void Command1_Click();
    void Command2_Click(int Index);
    void Picture3_Click();
    void idiomas_Click();
    void sas_Click();
    void tttty_Click();
    void eqw_Click();
    void a1_Click();
    void a2_Click();
    void a3_Click();

    // The length limit of the marked item of "FILTRE".
    int lengthLimit() const;
    // Whether the dealt word is typed in full.
    bool wordComplete() const;

    PictureBox* client = nullptr; // the window's own surface, below the menu bar
    QAction* idiomas = nullptr;   // "LLISTES"
    QAction* tttty = nullptr;     // "MAYÚSCULES"
    QAction* eqw = nullptr;       // "MINÚSCULES"
    QAction* sas = nullptr;       // "REFRESCAR"
    QMenu* filtress = nullptr;    // "FILTRE"
    QAction* a1 = nullptr;        // "4 LLETRES"
    QAction* a2 = nullptr;        // "6 LLETRES"
    QAction* a3 = nullptr;        // "11 LLETRES"

    PictureBox* base = nullptr; // the background panel; every visible control lies on it
    std::array<QLineEdit*, TypewriterBoxCount> Text1{}; // the model row
    std::array<QLineEdit*, TypewriterBoxCount> c{};     // the typing row
    std::array<QPushButton*, KeyCount> Command2{};      // the keys on the screen
    QPushButton* Command1 = nullptr;                    // ">>>>"
    QListWidget* List1 = nullptr;                       // the finished words
    QListWidget* List2 = nullptr;                       // the pool, hidden
    std::array<PictureBox*, PanelCount> Picture7{};     // the comic strip's panels, hidden
    QLabel* Image1 = nullptr;                           // the panel of the dealt word
    PictureBox* Picture3 = nullptr;                     // the speaker
    QFrame* Shape1 = nullptr;                           // frames the keyboard

    // The dealt word as taken from the pool, blanks included.
    QString Label1 = QStringLiteral("palabrasas");
    // How many of its letters have been revealed.
    int Label2 = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reveal(int box, const QString& shown);
    void markFilter(QAction* item);
    void drawStripes();
    void showPanel(int position);

    QString letters_;                                 // the dealt word's letters, no blanks around
    bool dealt_ = false;                              // nothing can be typed before the first deal
    std::array<bool, TypewriterBoxCount> revealed_{}; // boxes counted in Label2
};
