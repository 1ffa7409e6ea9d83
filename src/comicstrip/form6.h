#pragma once
#include "comicstrip/comicstriprules.h"
#include "comicstrip/practicesheet.h"
#include "core/formwindow.h"

#include <QImage>
#include <QPointF>
#include <array>

class ClickZone;
class ImageBox;
class LineControl;
class PictureBox;
class PictureFileList;
class QLabel;
class SheetFrame;
struct Snapshot;
class QAction;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// The comic strip maker: a board of nine panels, each a picture with a caption under it.
class Form6 : public MainForm {
    Q_OBJECT
public:
    explicit Form6(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14670;
    static constexpr int ClientHeightTwips = 10320;
    static constexpr int Panels = comicstrip::Panels;
    static QString caption() { return QStringLiteral("Taudrin'TXT LES AUQUES"); }

    // The board.
    void AAAA_Click();
    void File1_Click();
    void ESCRIU_MouseUp(int Index, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF pos);
    void Label12_Click();

    // The strip's folder.
    void Command1_Click();
    void aaa_Click();
    // Asked before changed captions go, on closing and on opening a strip.
    static QString closeQuestion();
    static QString openQuestion();

    // The hand-over to the word games: each game receives the panels' pictures and first captions
    // and starts on them; the strip stays as it was.
    enum class AucaGame { HiddenWord, WriteAWord, Typewriter, FindTheWord, Dictation };
    void SendAucaToGame(AucaGame target);
    void SOPAA_Click();
    void WE_Click();
    void MAOS_Click();
    void DPAOW_Click();
    void DITATSS_Click();

    // The practice sheets, and the board or the sheet handed to outside programs.
    void MOSTRASS_Click();
    void POLOS_Click();
    void psos_Click();
    void AQQQQ1_Click();
    void AQQ2_Click();
    void AQQQ3_Click();
    void Picture6_Click();
    void Label2_Click();
    void Label7_Click();
    void Label9_Click();

    // The caption tools.
    void Label10_Click();
    void Label11_Click();
    void Label13_Click();
    void Label14_Click();
    void Label15_Click(int Index);
    void Label16_Click();
    void Label17_Click();
    void Label18_Click();
    void Picture3_MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF pos);
    void Text3_KeyUp(int Index, int KeyCode);
    void PINTA_KeyUp(int Index, int KeyCode);

    // What panel i holds, on its white ground, at its own size.
    QImage panelImage(int i) const;
    // Whether the second captions are the set on view.
    bool secondCaptionsShown() const;

    QWidget* client = nullptr;
    QAction* AAAA = nullptr;    // "IMATGES"
    QAction* aaa = nullptr;     // "ARXIUS"
    QMenu* wee = nullptr;       // "EXERCICIS INTERACTIUS"
    QAction* SOPAA = nullptr;   // "SOPA DE LLETRES"
    QAction* WE = nullptr;      // "ESCRIU PARAULES"
    QAction* MAOS = nullptr;    // "MÀQUINA D'ESCRIURE"
    QAction* DPAOW = nullptr;   // "PARAULA AMAGADA"
    QAction* DITATSS = nullptr; // "DICTATS"
    QMenu* PARA = nullptr;      // "MOSTRES CALIGRÀFIQUES"
    QAction* SSSEEE = nullptr;  // the font notice, disabled
    QAction* MOSTRASS = nullptr;
    QAction* POLOS = nullptr;
    QMenu* psos = nullptr; // "MOSTRE MÉS GUIA GRUESA": builds its sheet as it opens
    QAction* AQQQQ1 = nullptr;
    QAction* AQQ2 = nullptr;
    QAction* AQQQ3 = nullptr;
    QAction* SSS = nullptr; // "NAVEGADOR"

    // The side column.
    PictureBox* Picture4 = nullptr;
    PictureFileList* File1 = nullptr;
    ImageBox* Image1 = nullptr;
    PictureBox* Picture1 = nullptr; // the tool panel
    ClickZone* Label16 = nullptr;
    ClickZone* Label17 = nullptr;
    ClickZone* Label12 = nullptr;
    ClickZone* Label18 = nullptr;
    std::array<ClickZone*, 4> Label15{};
    ClickZone* Label13 = nullptr;
    ClickZone* Label14 = nullptr;
    ClickZone* Label11 = nullptr;
    ClickZone* Label10 = nullptr;
    ClickZone* Label9 = nullptr;
    ClickZone* Label7 = nullptr;
    ClickZone* Label2 = nullptr;
    PictureBox* Picture3 = nullptr;  // the caption palette
    QPushButton* Command1 = nullptr; // "DESAR COM"
    QLineEdit* Text2 = nullptr;      // the strip's name

    // The board.
    PictureBox* Picture11 = nullptr;
    std::array<PictureBox*, Panels> ESCRIU{};
    std::array<QLineEdit*, Panels> Text3{};      // the first captions
    std::array<QPlainTextEdit*, Panels> PINTA{}; // the second captions, in the same places
    QLineEdit* Text1 = nullptr;                  // the title line
    LineControl* Line1 = nullptr;
    PictureBox* Picture2 = nullptr;                            // the practice sheet, over the board
    std::array<SheetFrame*, comicstrip::SheetFrames> Image2{}; // frame k shows panel k
    std::array<QLabel*, comicstrip::SheetLines> Label19{};     // model lines (even), guide lines (odd)
    PictureBox* Picture6 = nullptr;                            // the sheet's close box
    PictureBox* Picture18 = nullptr;                           // scratch box of the hand-offs

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Saves as Command1 does: true once the strip is saved.
    bool saveStrip();
    // The captions, first and second of each panel in turn.
    QStringList captions() const;
    // Which picture each panel holds (a key a picture keeps until it changes).
    QList<qint64> panelPictures() const;
    // False when changed captions or pictures must stay: the user wants the strip saved and it
    // was not.
    bool mayLetCaptionsGo(const QString& question);
    // Takes the captions and pictures as they stand as what is not lost (opened, loaded, saved).
    void keepAsIs();
    QStringList kept_;
    QList<qint64> keptPictures_;

    void makeMenus();
    void makeSideColumn();
    void makeBoard();
    void makeSheet();
    void buildSheet(comicstrip::SheetStyle style);
    Snapshot pageSnapshot() const;
    void stepFontSizes(qreal step);
    void setFontNames(const QString& family);
    void setBorders(bool on);
    void showCaptionSet(bool second);
    QString firstCaption(int i) const;
    void handPicture(int i, PictureBox* target);
};
