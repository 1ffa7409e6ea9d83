#pragma once
#include "core/formwindow.h"
#include "textwork/letterorderingrules.h"

#include <QImage>
#include <QLabel>
#include <array>
#include <optional>

class PictureBox;
class QAction;
class QFrame;
class QListWidget;
class QPushButton;

// Order the letters: a word drawn from the pool is shown whole and as scrambled letter buttons;
// the learner picks a letter and drops it on its slot, and a finished word brings the next one
// and colours one more cell of the track.
class Form26 : public MainForm {
    Q_OBJECT
public:
    explicit Form26(Services& services);

    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14955;
    static constexpr int ClientHeightTwips = 9480;
    static QString caption() { return QStringLiteral("Rodevuvo'Zidazo"); }
    // The design Left of each slot and each letter button, in twips, in the frame.
    static constexpr std::array<int, letterordering::Letters> SlotLeft{240,  1260, 2280, 3300,
                                                                       4320, 5340, 6360, 7365};
    static constexpr std::array<int, letterordering::Letters> LetterLeft{225,  1260, 2295, 3300,
                                                                         4320, 5340, 6360, 7380};

    // Draws a new word from the pool and lays it out.
    void CASA();
    // A word is complete: the next word, and one more yellow cell.
    void corre();
    void dedalo();

    void Command1_Click(int Index);
    void Command1_MouseUp(int Index, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void Command2_Click();
    void Command3_Click(int Index);
    void SSSSS_Click();
    void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);

    // The name-list road: nothing the learner can reach starts it.
    void dis_Click();
    void File2_Click();
    void pintar_Click(int Index);
    void LoadNameListByNumber(int number);
    void AskNameListFile();

    QWidget* client = nullptr;
    QAction* SSSSS = nullptr; // menu "LLISTES"
    PictureBox* base = nullptr;
    QListWidget* List1 = nullptr; // the pool
    QFrame* Frame1 = nullptr;
    std::array<QPushButton*, letterordering::Letters> Command1{}; // the slots
    std::array<QPushButton*, letterordering::Letters> Command3{}; // the letters
    QLabel* Label15 = nullptr;                                    // the model word
    QPushButton* Command2 = nullptr;                              // ">>>>>>>"
    std::array<PictureBox*, letterordering::TrackCells> Picture2{};
    PictureBox* Picture1 = nullptr; // holds the pointer of a picked letter
    PictureBox* dis = nullptr;
    std::array<PictureBox*, 3> pintar{}; // only index 2 exists
    QListWidget* File2 = nullptr;        // name files of "dib"
    QString File2Path;                   // the folder File2 lists

    QList<int> List2;          // Lefts of the current word's slots, in slot order
    std::optional<int> Label2; // the letter button picked, while a pick lasts
    int Label6 = 0;            // letters accepted in the current word
    int Label7 = 0;            // words completed since the window was loaded

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList pool() const;
    // Adds names read by a name-list reader in place of the pool; "Error" when the file can't be read.
    bool replacePool(const QString& path, bool (*test)(const QByteArray&));
    void showPickPointer();
    void showArrow();
};

// The pointer of a picked letter: 32 x 32, an arrow holding a letter tile; its tip is the hot spot.
QImage drawLetterPointer();
