#pragma once
#include "core/formwindow.h"
#include "wordgames/dictationrules.h"

#include <QLabel>
#include <array>

class PictureBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// Dictation: nine hidden words behind nine tiles; a click on a tile says its word, the user
// types it into the tile's box and presses Enter.
class Form15 : public Form {
    Q_OBJECT
public:
    explicit Form15(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int WidthTwips = 12630; // the background panel, 842 x 579
    static constexpr int HeightTwips = 8685;
    static QString caption() { return QStringLiteral("Taudrin"); }

    void Picture2_Click(int Index);
    void Text1_KeyUp(int Index, int KeyCode);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    PictureBox* Picture3 = nullptr;
    std::array<PictureBox*, dictation::Words> Picture2{};
    std::array<QLineEdit*, dictation::Words> Text1{};
    std::array<QLabel*, dictation::Words> Label1{}; // hidden: the nine words
    int Label2 = 0;                                 // the tile clicked last
    QLineEdit* Text14 = nullptr;                    // help box
    QPushButton* Command1 = nullptr;                // "Ajuda"
    QPushButton* Command2 = nullptr;                // "Llistes"
    QPushButton* Command3 = nullptr;                // "SENSE ACENTS"
    QListWidget* List1 = nullptr;                   // the word pool
    QListWidget* List2 = nullptr;                   // the narrowing's working list

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList pool() const;
    void drawNine();
};

// The tile every word hides behind (197 x 123).
QImage drawDictationTile();
