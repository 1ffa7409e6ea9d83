#pragma once
#include "core/formwindow.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QWindow>
#include <array>

class ClickZone;
class ImageBox;
class PictureBox;
class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
struct WordFilter;

// Write a word: the learner copies a model word; a wrong letter is taken back at once.
class escritors : public MainForm {
    Q_OBJECT
public:
    explicit escritors(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    // The window became the active window coming from another window of the program.
    void Form_Activate();

    static constexpr int ClientWidthTwips = 15000;
    static constexpr int ClientHeightTwips = 9810;
    static QString caption() { return QStringLiteral("Taudrin'TXT Escriu paraules"); }

    // The comic strip's start: it has filled Picture7 and appended its captions to List3 and List4.
    void PALABRAS();

    void DRR_Click();
    void Text1_KeyUp();
    void Text1_KeyPress(int KeyAscii);
    void Label12_Click();
    void Label13_Click();
    void List5_Click();
    void Command2_Click(int Index);
    void Label4_Click();
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void Label9_Click();
    void Label10_Click();
    void Label11_Click();
    void Picture4_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void Picture3_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void Picture6_Click();
    void MAYOR_Click();
    void MENOR_Click();
    // Every item of "FILTRE".
    void FILTRE_Click(const WordFilter& filter);

    QWidget* client = nullptr;
    PictureBox* Picture8 = nullptr; // the background panel all controls lie on

    QLineEdit* Text2 = nullptr;     // the model word
    QLineEdit* Text1 = nullptr;     // the typing box
    PictureBox* Picture2 = nullptr; // font buttons of the model
    ClickZone* Label4 = nullptr;
    ClickZone* Label5 = nullptr;
    ClickZone* Label6 = nullptr;
    ClickZone* Label7 = nullptr;
    PictureBox* Picture1 = nullptr; // font buttons of the typing box
    ClickZone* Label8 = nullptr;
    ClickZone* Label9 = nullptr;
    ClickZone* Label10 = nullptr;
    ClickZone* Label11 = nullptr;
    PictureBox* Picture4 = nullptr;         // colour strip of the model
    PictureBox* Picture3 = nullptr;         // colour strip of the typing box
    PictureBox* Picture5 = nullptr;         // page and arrow
    ClickZone* Label13 = nullptr;           // the page: shows or hides the written words
    ClickZone* Label12 = nullptr;           // the arrow: the next word
    std::array<QPushButton*, 2> Command2{}; // hide the model, show it again
    PictureBox* Picture6 = nullptr;         // the speaker
    ImageBox* Image2 = nullptr;             // the picture of the current word

    QListWidget* List3 = nullptr;          // the word pool (hidden)
    QListWidget* List4 = nullptr;          // the working pool every model is dealt from (hidden)
    QListWidget* List5 = nullptr;          // the written words
    std::array<PictureBox*, 9> Picture7{}; // picture slots (hidden); slot k goes with entry k of List4

    QAction* DRR = nullptr; // "LLISTES"
    QMenu* FIL = nullptr;   // "FILTRE"
    QAction* CAPS = nullptr;
    QAction* SENSESSS = nullptr;
    QMenu* LLES = nullptr; // "LLETRES"
    QAction* INICI = nullptr;
    QAction* MEDI = nullptr;
    QAction* TOT = nullptr;
    QAction* CQ = nullptr;
    QAction* GJ = nullptr;
    QMenu* MOR = nullptr; // "MORFEMES"
    QAction* BR = nullptr;
    QAction* TR = nullptr;
    QAction* DR = nullptr;
    QAction* BL = nullptr;
    QAction* PL = nullptr;
    QAction* GRASA = nullptr;
    QAction* CL = nullptr;
    QAction* GR = nullptr;
    QMenu* SSD = nullptr; // "MOSTRES"
    QAction* MAYOR = nullptr;
    QAction* MENOR = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Picture { Keep, Show };
    enum class Typing { Keep, Empty };
    enum class Model { ByMostres, AsStored };
    void DealModelWord(Picture picture, Typing typing, Model model = Model::ByMostres);
    void readList(const QString& path);
    QStringList pool() const;
    void setWorkingPool(const QStringList& words);
    // Whether the typing box holds a correct beginning of the model (the typing check's test).
    bool typedBeginsModel() const;
    void injectBackspace();
    void setFontName(QLineEdit* box, const QString& family);
    void pickColour(PictureBox* strip, QLineEdit* box, QPointF pos);
    void makeMenus();
    void focusWindowChanged(QWindow* now);
    void shownByProgram(const QString& name);
    bool isOtherProgramWindow(const QWindow* window) const;

    // An injected Backspace not yet processed: the check waits for its key release.
    bool backspacePending_ = false;
    // The window that had the focus last, to tell where an activation comes from.
    QPointer<QWindow> lastFocus_;
    // Shown by the program, which already ran Form_Activate: the window system's activation that
    // follows belongs to that showing.
    bool activationHandled_ = false;
    QElapsedTimer activationHandledAt_;
};
