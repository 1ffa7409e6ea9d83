#pragma once
#include "core/formwindow.h"
#include "textwork/wordprocessing.h"

class ClickZone;
class ImageBox;
class PictureBox;
class PictureFileList;
class QComboBox;
class QTextCharFormat;
class RichTextBox;

// The word processor: a rich-text document on the right, a column of tools on the left that
// format the selection, edit, open, save and print it.
class Form18 : public MainForm {
    Q_OBJECT
public:
    explicit Form18(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 15240;
    static constexpr int ClientHeightTwips = 10635;
    static QString caption() { return QStringLiteral("TAUDRIN'PROCESSADOR DE TEXT"); }
    static inline const QString DocumentFilter = QStringLiteral("*.RTF;*.doc");

    void Combo1_Click(int index);
    void Picture3_MouseUp(Qt::MouseButton Button, QPointF pos);
    void Label1_Click();  // bold
    void Label3_Click();  // underline
    void Label4_Click();  // italic
    void Label5_Click();  // undo
    void Label6_Click();  // copy
    void Label7_Click();  // select all
    void Label12_Click(); // delete
    void Label9_Click();  // paste
    void Label10_Click(); // preset: Arial, red, 28
    void Label11_Click(); // preset: Courier New, magenta, 22
    void Label8_Click();  // preset: Cuagat, green, 22
    void Label13_Click(); // size down
    void Label14_Click(); // left
    void Label15_Click(); // right
    void Label16_Click(); // centre
    void Label17_Click(); // size up
    void Label18_Click(); // indent 300
    void Label19_Click(); // indent 1200
    void Label20_Click(); // indent 2900
    void Label21_Click(); // caret to the start
    void Label22_Click(); // open
    void Label23_Click(); // save
    void Label24_Click(); // print
    void Label25_Click(); // caret to the end
    // Hands the text to the office suite; nothing invokes it.
    void ExportDocumentToWord();
    // Asked before a changed document goes, on closing and on opening another.
    static QString closeQuestion();
    static QString openQuestion();

    // Pictures and objects.
    void IMATGESS_Click();
    void OBRE_Click();
    void File1_Click();
    void Image1_Click();
    void Label28_Click(); // the previewed picture at its own size
    void Label30_Click(); // at a quarter
    void Label29_Click(); // at an eighth
    void Label35_Click(); // the ruled lines of Picture8
    void Label26_Click(); // Picture9
    void Label36_Click(); // Picture4
    void Label37_Click(); // Picture7
    void Label38_Click(); // Picture4
    // The picture at the caret, replacing the selection, then on the clipboard.
    void PastePictureIntoDocument(const QImage& picture);
    // The same, then a paragraph break.
    void PasteFourLinePicture(const QImage& picture);

    QWidget* client = nullptr;
    RichTextBox* RichTextBox1 = nullptr;
    PictureBox* Picture2 = nullptr; // the tool column
    PictureBox* Picture3 = nullptr; // the palette
    QComboBox* Combo1 = nullptr;    // the font list
    ClickZone* Label1 = nullptr;
    ClickZone* Label3 = nullptr;
    ClickZone* Label4 = nullptr;
    ClickZone* Label5 = nullptr;
    ClickZone* Label6 = nullptr;
    ClickZone* Label7 = nullptr;
    ClickZone* Label8 = nullptr;
    ClickZone* Label9 = nullptr;
    ClickZone* Label10 = nullptr;
    ClickZone* Label11 = nullptr;
    ClickZone* Label12 = nullptr;
    ClickZone* Label13 = nullptr;
    ClickZone* Label14 = nullptr;
    ClickZone* Label15 = nullptr;
    ClickZone* Label16 = nullptr;
    ClickZone* Label17 = nullptr;
    ClickZone* Label18 = nullptr;
    ClickZone* Label19 = nullptr;
    ClickZone* Label20 = nullptr;
    ClickZone* Label21 = nullptr;
    ClickZone* Label22 = nullptr;
    ClickZone* Label23 = nullptr;
    ClickZone* Label24 = nullptr;
    ClickZone* Label25 = nullptr;

    QAction* IMATGESS = nullptr; // "IMATGES"
    QAction* OBRE = nullptr;     // "OBJECTES"
    PictureFileList* File1 = nullptr;
    ImageBox* Image1 = nullptr;     // the preview
    PictureBox* Picture5 = nullptr; // holder of the picture to be scaled, hidden
    PictureBox* Picture6 = nullptr; // the scaled picture, hidden
    PictureBox* Picture4 = nullptr; // the ruled-line pictures, hidden
    PictureBox* Picture7 = nullptr;
    PictureBox* Picture8 = nullptr;
    PictureBox* Picture9 = nullptr;
    ClickZone* Label26 = nullptr;
    ClickZone* Label28 = nullptr;
    ClickZone* Label29 = nullptr;
    ClickZone* Label30 = nullptr;
    ClickZone* Label35 = nullptr;
    ClickZone* Label36 = nullptr;
    ClickZone* Label37 = nullptr;
    ClickZone* Label38 = nullptr;
    QString previewedFile; // the file whose picture Image1 shows

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeToolGrid();
    void makePictureTools();
    void insertScaled(int k);
    void mergeFormat(const QTextCharFormat& format);
    void toggle(wordprocessing::Flag flag);
    void preset(const QString& family, int paletteIndex, double points);
    void stepSize(double delta);
    void align(Qt::Alignment alignment);
    void indent(int twips);
    double defaultPointSize() const;
    // The save dialog and the save: true once the document is saved.
    bool saveDocument();
    // False when a changed document must stay: the user wants it saved and it was not.
    bool mayLetDocumentGo(const QString& question);
};
