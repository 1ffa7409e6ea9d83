#pragma once
#include "core/formwindow.h"

#include <QString>
#include <array>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
struct GapExercise;

// The exercise editor: browses the numbered fill-the-blanks exercises, opens and saves exercise
// files, and builds a text from a word list, one proposed word at a time.
class grabaci : public MainForm {
    Q_OBJECT
public:
    explicit grabaci(Services& services);

    static constexpr int ClientWidthTwips = 14400;
    static constexpr int ClientHeightTwips = 8760;
    static constexpr int LetterButtons = 44;
    static QString caption() { return QStringLiteral("Edició de textes"); }
    // The letter group of each letter button, row by row.
    static const std::array<const char*, LetterButtons> LetterGroups;

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void HScroll1_Change();
    void Command5_Click(int Index);
    void Command2_Click();
    void Command1_Click();
    void Command4_Click();
    void SSS_Click();
    void SSSDDD_Click();
    void SSSS_Click();
    // Saves under data/automatic; no control starts it.
    void SaveNumberedExercise();
    static QString replaceQuestion(const QString& fileName);
    // Asked before a changed exercise goes, on closing and on showing another.
    static QString closeQuestion();
    static QString openQuestion();

    QWidget* client = nullptr;
    QAction* SSS = nullptr;    // "ARXIUS"
    QAction* SSSDDD = nullptr; // "LLISTES"
    QAction* SSSS = nullptr;   // "NAVEGADOR"
    QFrame* Shape1 = nullptr;
    QLabel* Label5 = nullptr; // "TÍTOL:"
    QLineEdit* Text2 = nullptr;
    QLabel* Label7 = nullptr; // "CLAUS:"
    QLineEdit* Text3 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command4 = nullptr; // "DESAR CANVIS com:"
    QLineEdit* Text4 = nullptr;
    QLabel* Label4 = nullptr; // the file last opened with "ARXIUS"
    QLabel* Label2 = nullptr; // the file last loaded or opened
    std::array<QPushButton*, LetterButtons> Command5{};
    QPushButton* Command1 = nullptr; // "NETEJAR"
    QScrollBar* HScroll1 = nullptr;
    QPushButton* Command2 = nullptr; // the proposed word
    QListWidget* List1 = nullptr;

    int Label1 = 1;            // the numbered exercise shown
    double Label3 = 0;         // record count of the word list, fraction included
    QString Label6;            // the letter group last clicked
    bool wordProposed = false; // Command2 holds a word to append
    QString editorPath;        // the path the editor last put into Text4

private:
    void loadNumbered();
    void showExercise(const GapExercise& exercise);
    // Where a save goes: the path the editor put into Text4 while it stands unchanged, else the
    // name in Text4 as a file of the folder, once the user agrees to replace one that is there.
    std::optional<QString> saveTarget(const QString& folder);
    bool saveTo(const QString& path);
    // "DESAR CANVIS com:": true once the exercise is saved.
    bool saveExercise();
    // The three boxes as they stand.
    std::array<QString, 3> shown() const;
    // False when a changed exercise must stay: the user wants it saved and it was not.
    bool mayLetExerciseGo(const QString& question);

    // The boxes as last shown from a file or saved: what is not lost.
    std::array<QString, 3> kept_{};
};
