#pragma once
#include "core/formwindow.h"

#include <array>

class LineControl;
class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct TopUpTask;

// The phone top-up drill: a task in one line, three boxes to fill, a point for each right entry.
class movile : public Form {
    Q_OBJECT
public:
    explicit movile(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14940;
    static constexpr int ClientHeightTwips = 9795;
    static QString caption() { return QStringLiteral("TAUDRIN  Recarregar telèfon mòvil"); }

    void Command1_Click(int Index); // an operator
    void DINEROS_Click(int Index);  // an amount
    void Command2_Click();          // "NETEJAR"
    void Command3_Click();          // "ACEPTAR"

    PictureBox* base = nullptr;      // the background panel
    PictureBox* Picture1 = nullptr;  // the panel of the inputs
    std::array<QLabel*, 4> Label1{}; // "DADES" and the three field captions
    LineControl* Line1 = nullptr;
    std::array<QLineEdit*, 3> Text1{}; // number, amount, operator
    std::array<QPushButton*, 4> DINEROS{};
    std::array<QPushButton*, 4> Command1{};
    QLabel* Label6 = nullptr;        // the score
    QPushButton* Command2 = nullptr; // "NETEJAR"
    QPushButton* Command3 = nullptr; // "ACEPTAR"
    QLabel* Label5 = nullptr;        // the instruction line

    // The task: number, amount and operator, as the texts to enter.
    QString Label2;
    QString Label3;
    QString Label4;

private:
    void drawTask();
};
