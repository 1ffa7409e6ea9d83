#pragma once
#include "core/formwindow.h"
#include "workshop/handoff.h"
#include "workshop/newspagelayout.h"
#include "workshop/newsstore.h"

#include <QPointF>
#include <array>

class ClickZone;
class ImageBox;
class NewsSlot;
class NewsTextBox;
class PictureBox;
class PictureFileList;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;

// The news page: a page in one of four layouts, its texts styled box by box, its pictures taken
// from a picture list or the clipboard, handed out as one picture.
class Form61 : public MainForm {
    Q_OBJECT
public:
    explicit Form61(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 15360;
    static constexpr int ClientHeightTwips = 10050;
    static QString caption() { return QStringLiteral("Taudrin'TXT TALLER ESCRITORI"); }

    // Size steps of the selected box, in points.
    static constexpr double SizeStep = 5;
    static constexpr double SmallestSize = 10;

    void Label4_Click(int index);
    void Text1_Click(int index);
    void Label11_Click(int index);
    void Label8_Click();
    void Label9_Click();
    void Picture4_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void Label5_Click();
    void Label6_Click();
    void DIBU1_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void Label12_Click();
    void Label7_Click();
    void Label2_Click();
    void AAAA_Click();
    void File1_Click();
    void sssdddff_Click();
    // Saves the page on view as the piece named by Text2, in "noticies".
    void Command1_Click();
    // Opens a saved piece chosen in "noticies".
    void POLO_Click();

    // Asked before changed texts go, on closing and on opening a piece.
    static QString closeQuestion();
    static QString openQuestion();

    // The text box the font, size and colour tools act on.
    NewsTextBox* selectedBox() const;

    QWidget* client = nullptr;   // the white background, below the menu bar
    QAction* AAAA = nullptr;     // menu "IMATGES"
    QMenu* ARXIUS = nullptr;     // menu "ARXIUS"
    QAction* POLO = nullptr;     // its item "OBRIR"
    QAction* sssdddff = nullptr; // menu "NAVEGADOR"

    PictureBox* Picture2 = nullptr; // the beige strip along the left edge
    PictureFileList* File1 = nullptr;
    ImageBox* Image1 = nullptr;
    PictureBox* Picture1 = nullptr;      // the tool panel
    std::array<ClickZone*, 4> Label4{};  // the layouts
    std::array<ClickZone*, 4> Label11{}; // the font dialog, then "Arial", "Courier New", "Zahareña"
    ClickZone* Label8 = nullptr;         // size up
    ClickZone* Label9 = nullptr;         // size down
    PictureBox* Picture4 = nullptr;      // the palette
    ClickZone* Label5 = nullptr;         // borders off
    ClickZone* Label6 = nullptr;         // borders on
    ClickZone* Label2 = nullptr;         // page to the office suite
    ClickZone* Label12 = nullptr;        // page to an office document
    ClickZone* Label7 = nullptr;         // page to the picture editor

    std::array<PictureBox*, NewsLayoutCount> Picture11{}; // the layout panels, one on view
    std::array<NewsTextBox*, NewsTextBoxCount> TEXT1{};
    std::array<NewsSlot*, NewsSlotCount> DIBU1{};
    QPushButton* Command1 = nullptr; // "DESAR NOTÍCIA COM"
    QLineEdit* Text2 = nullptr;      // the name a page is saved under
    PictureBox* Picture18 = nullptr; // hidden: keeps the last page handed out

    int Label1 = 0; // the layout on view
    int Label3 = 1; // the selected text box

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Saves as Command1 does: true once the page is saved.
    bool savePage();
    // Every text box's text, in box order.
    QStringList boxTexts() const;
    // False when changed texts must stay: the user wants the page saved and it was not.
    bool mayLetTextsGo(const QString& question);
    // Which picture each slot holds (a key a picture keeps until it changes).
    QList<qint64> slotPictures() const;
    // Takes the texts and pictures as they stand as what is not lost (opened, loaded, saved).
    void keepAsIs();
    QStringList kept_;
    QList<qint64> keptPictures_;

    void showLayout(int layout);
    void setBorders(int style);
    Snapshot handOffSnapshot() const;
    QString newsFolder() const;
    NewsTexts pageTexts() const;
};
