#pragma once
#include "core/formwindow.h"
#include "wordgames/alphabeticalorder.h"

#include <QStringList>
#include <array>

class PictureBox;
class QListWidget;
class QPushButton;

// Alphabetical order: eight dealt words are put in order by sending one word at a time to the
// bottom of their column; every column completed colours the next cell of the score row.
class formk : public Form {
    Q_OBJECT
public:
    explicit formk(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 12585;
    static constexpr int ClientHeightTwips = 8640;
    static QString caption() { return QStringLiteral("Ordenar alfabèticament.."); }
    // The Top of slot k, in twips; slot 0 is the top of the column.
    static constexpr int slotTop(int slot) { return 240 + 540 * slot; }

    // Deals eight words from the current list.
    void llena();

    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Picture1_Click(int Index);

    // The words of the column, top to bottom.
    QStringList columnWords() const;

    PictureBox* base = nullptr;
    std::array<QPushButton*, alphabeticalorder::Words> Command1{};
    QListWidget* List1 = nullptr;    // the answer, in alphabetical order
    QPushButton* Command2 = nullptr; // reveal the answer
    QPushButton* Command3 = nullptr; // hide it
    QPushButton* Command4 = nullptr; // "llista"
    QPushButton* Command5 = nullptr; // ">>>>"
    // The score row, by cell index; 40 and 41 have no cell.
    std::array<PictureBox*, alphabeticalorder::ScoreIndexEnd> Picture1{};

    alphabeticalorder::SlotMap Label1 = alphabeticalorder::identitySlots(); // button in each slot
    int Label2 = 0;  // words in place after the last move
    int Label3 = 0;  // moves since the last deal
    int Label5 = 0;  // columns completed, and the index of the next score cell
    QString Label11; // the current list file; empty until one is chosen

private:
    void placeButtons();
    void setAnswerColour(const QColor& colour);
};
