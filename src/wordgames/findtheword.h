#pragma once
#include "core/formwindow.h"
#include "wordgames/findthewordrules.h"

#include <QLabel>
#include <array>

class ImageBox;
class PictureBox;
class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;

// Find the word: a target word shown (and spoken) above eight word buttons; the player clicks the
// button that carries it.
class trobass : public MainForm {
    Q_OBJECT
public:
    explicit trobass(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 12630; // the background panel, 842 x 579
    static constexpr int ClientHeightTwips = 8685;
    static QString caption() { return QStringLiteral("Taudrin'TXT Paraules"); }

    // Deals the first eight pool entries in order and picks a target (the comic strip calls it).
    void metess();
    void AAAA_Click();
    void Command2_Click(int Index);
    void Picture2_Click();

    QWidget* client = nullptr;
    QAction* AAAA = nullptr; // menu "LLISTES"
    PictureBox* Picture1 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QPushButton*, findtheword::Buttons> Command2{};
    ImageBox* Image1 = nullptr;
    QLabel* Label1 = nullptr; // hits
    QLabel* Label2 = nullptr; // misses
    PictureBox* Picture2 = nullptr;
    std::array<PictureBox*, 9> Picture7{}; // slot pictures; the comic strip fills 0 to 7
    QListWidget* List1 = nullptr;          // the word pool

    QString Command2Caption(int k) const;

private:
    QStringList pool() const;
    findtheword::Captions captions() const;
    void showCaptions(const findtheword::Captions& captions);
    // Picks a target among the buttons; with its slot's picture unless told otherwise.
    void pickTarget(bool withPicture);
};
