#pragma once
#include "core/formwindow.h"
#include "documents/sampleperson.h"

#include <QHash>
#include <QRect>
#include <array>

class PictureBox;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The identity-document drill: a fictional person is copied into a blank form, and "CORREGIR"
// empties and marks in dark red every answer that differs from its model.
class Form13 : public MainForm {
    Q_OBJECT
public:
    explicit Form13(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14055;
    static constexpr int ClientHeightTwips = 9465;
    static QString caption() { return QStringLiteral("Passaport-Document d'identitat"); }

    // A fresh exercise: every answer black and empty, and a new person.
    void FUNCIONA();
    void ENTRASS_Click();
    void Command1_Click(); // "CORREGIR"

    // Writes a new person into the model labels, drawing the provinces from Combo1's list.
    void DrawSamplePerson();
    // Writes a person into the model labels, each fitted to its label.
    void showPerson(const sampleperson::Person& person);

    // The fourteen items of the form, in form order (first name to telephone): each model label
    // and its answer field (a text box, or a combo for the two provinces).
    struct Item {
        QLabel* model = nullptr;
        QWidget* answer = nullptr;
        QLineEdit* text = nullptr;  // the answer, when it is a text box
        QComboBox* combo = nullptr; // the answer, when it is a combo
    };
    static constexpr int ItemCount = 14;
    std::array<Item, ItemCount> items() const;
    // The text of an answer field, as typed.
    static QString answerText(const Item& item);

    QWidget* client = nullptr;
    QAction* ENTRASS = nullptr;         // "ENTRAR DADES"
    PictureBox* Picture1 = nullptr;     // the background panel every control lies on
    std::array<QLabel*, 12> Label2{};   // the captions of the form
    QLabel* i1 = nullptr;               // the model: first name
    QLabel* i2 = nullptr;               // first surname
    QLabel* i3 = nullptr;               // second surname
    QLabel* i4 = nullptr;               // document number
    QLabel* i5 = nullptr;               // day of birth
    QLabel* i6 = nullptr;               // month of birth
    QLabel* i7 = nullptr;               // year of birth
    QLabel* i8 = nullptr;               // province of birth
    QLabel* i9 = nullptr;               // town
    QLabel* i10 = nullptr;              // street
    QLabel* i11 = nullptr;              // town of birth
    QLabel* i14 = nullptr;              // province
    QLabel* numero = nullptr;           // house number
    QLabel* telefono = nullptr;         // telephone
    std::array<QLineEdit*, 13> Text1{}; // the answers; there is no Text1(8)
    QComboBox* Combo1 = nullptr;        // province of birth
    QComboBox* Combo2 = nullptr;        // province
    QPushButton* Command1 = nullptr;    // "CORREGIR"

private:
    void setAnswerColour(const Item& item, const QColor& colour);
    static void clearAnswer(const Item& item);
    // Shrinks the label's font until its value fits, and wraps it when even the least size does not.
    void fitModel(QLabel* label);

    QHash<const QLabel*, QRect> designPlaces_; // the model labels' places, before any fitting
};
