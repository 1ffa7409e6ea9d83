#pragma once
#include "core/formwindow.h"
#include "textwork/copytypingrules.h"

#include <QDateTime>
#include <array>
#include <functional>

class CopyTypingBox;
class PictureBox;
class PictureFileList;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// Copy typing: the learner copies a model text shown on the left into the typing box on the
// right; in check mode a wrong character goes as soon as its key comes up, a red frame shows
// while the text before the caret differs, and a clock counts the seconds of the copy.
class form50 : public MainForm {
    Q_OBJECT
public:
    explicit form50(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14715;
    static constexpr int ClientHeightTwips = 10710;
    static QString caption() { return QStringLiteral("Taudrin'TXT Escriu un text"); }
    static constexpr int SpanishCount = 11;  // Command1, ti
    static constexpr int CatalanCount = 13;  // ccc
    static constexpr int HolderCount = 14;   // Label13
    static constexpr int PaletteWidth = 288; // pixels
    static constexpr int PaletteHeight = 25;

    // The model, the check and the typing.
    void Command1_Click(int Index);
    void ccc_Click(int Index);
    void siss_Click(); // "SI...": free mode
    void noss_Click(); // "NO...": check mode
    void Text1_KeyDown(int KeyCode);
    void Text1_KeyUp(int KeyCode);
    void Text1_DblClick();
    void Timer1_Timer();

    // The three texts, with every line break as CR LF.
    QString shownModel() const;
    QString checkText() const;
    QString typedText() const;
    // The characters before the caret of the typing box.
    int caret() const;
    copytyping::Mode mode() const;
    // What every model source does: the shown model and the check text take the text.
    void setModel(const QString& text);

    // Other sources of the model and the text tools.
    void aey_Click();       // "OBRIR UN DOCUMENT NOU"
    void SSSS_Click();      // "ENTRAR TEXTE"
    void Command10_Click(); // "Mayúsc"
    void Command11_Click(); // "Minúsc"
    void Command12_Click(); // "{acent}"
    void Command2_Click();  // "A+"
    void Command3_Click();  // "A-"
    void Command7_Click();  // the four fonts, left to right
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Picture3_MouseUp(QPointF pos);
    void Label8_MouseDown();
    void Label8_MouseMove(QPointF pos);
    void Label8_MouseUp();
    void Text1_MouseMove(QPointF pos);
    void Picture5_Click();
    void AQAAA_Click(); // "NAVEGADOR"
    // "ortografia" in the program folder, where saved spelling texts are.
    QString spellingFolder() const;

    // Operations nothing in the window invokes.
    void mide();
    void SetCheckTextMark();
    void LoadExtraText();
    void RecordTypingResult();
    void ShowTypingBox();
    void CloseCopyWindow();
    bool OpenNotepad();
    void OpenListedText(int k);
    void SaveCheckText();

    QWidget* client = nullptr;
    QFrame* Frame1 = nullptr;        // holds the model panel and the marker
    PictureBox* Picture1 = nullptr;  // the model panel
    QFrame* Shape2 = nullptr;        // the band of the reading guide
    QWidget* Line1 = nullptr;        // its vertical line
    QLabel* Label8 = nullptr;        // the shown model
    PictureBox* Picture2 = nullptr;  // the error marker, a red frame around the typing box
    CopyTypingBox* Text1 = nullptr;  // the typing box
    QPlainTextEdit* Text2 = nullptr; // the check text, hidden
    QLabel* Label7 = nullptr;        // the position about to be typed
    QLineEdit* Text4 = nullptr;      // the seconds of the copy
    QLineEdit* Text5 = nullptr;      // today's date
    QTimer* Timer1 = nullptr;
    std::array<QPushButton*, SpanishCount> Command1{};
    std::array<QPushButton*, CatalanCount> ccc{};
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    PictureBox* Picture3 = nullptr;   // the palette
    PictureBox* Picture5 = nullptr;   // the speaker
    PictureFileList* File1 = nullptr; // text files of the current folder, hidden
    QMenu* ARXIUS = nullptr;
    QAction* aey = nullptr;
    QAction* SSSS = nullptr;
    QMenu* PERMETRE = nullptr; // "PERMETRE L'ERROR"
    QAction* siss = nullptr;
    QAction* noss = nullptr;
    QAction* AQAAA = nullptr;

    // The built-in texts of the buttons: ti(k) for Command1(k), Label13(k) for ccc(k).
    std::array<QString, SpanishCount> ti{};
    std::array<QString, HolderCount> Label13{};
    int Label6 = 0;           // the second of the day the clock started at
    bool Label12 = false;     // a button is held down on the shown model
    bool modelHidden = false; // a double click hid the model
    // The time of day; tests set their own.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

private:
    void makeTools();
    void setCheckText(const QString& text);
    // The check text takes the text, and the shown model too unless it is hidden.
    void changeBothTexts(const QString& text);
    void setFontFamily(const QString& family);
    void setFontSize(double points);
    void restartClock();
};
