// The word processor's pictures and objects: the picture list and its preview, pictures inserted
// at their own size or scaled down, the ruled lines, and files brought in as pictures or links.
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/mouseevents.h"
#include "core/services.h"
#include "platform/launcher.h"
#include "textwork/richtextbox.h"
#include "textwork/wordprocessing.h"
#include "textwork/wordprocessor.h"
#include "textwork/wordprocessorart.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenuBar>
#include <QTextCursor>
#include <QTextImageFormat>

void Form18::makePictureTools() {
    IMATGESS = menuBarItem(this, "IMATGESS", QStringLiteral("IMATGES"));
    OBRE = menuBarItem(this, "OBRE", QStringLiteral("OBJECTES"));
    connect(IMATGESS, &QAction::triggered, this, &Form18::IMATGESS_Click);
    connect(OBRE, &QAction::triggered, this, &Form18::OBRE_Click);

    File1 = pictureFileList(services, Picture2, "File1", 210, 4230, 2175, 3180);
    keepScrollBarPictures(File1);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPointSizeF(14.25);
    File1->setFont(listFont);
    connect(File1, &QListWidget::itemClicked, this, &Form18::File1_Click);

    Image1 = control<ImageBox>(Picture2, "Image1", 240, 7440, 2145, 1260);
    Image1->setStretch(true);
    Image1->setBorderStyle(1);
    connect(new MouseEvents(Image1), &MouseEvents::Click, this, &Form18::Image1_Click);

    Picture5 = control<PictureBox>(client, "Picture5");
    Picture5->setAutoSize(true);
    Picture6 = control<PictureBox>(client, "Picture6");
    using wordprocessorart::RuledLines;
    const std::pair<PictureBox**, RuledLines> ruled[] = {{&Picture4, RuledLines::Picture4},
                                                         {&Picture7, RuledLines::Picture7},
                                                         {&Picture8, RuledLines::Picture8},
                                                         {&Picture9, RuledLines::Picture9}};
    const char* const ruledNames[] = {"Picture4", "Picture7", "Picture8", "Picture9"};
    for (int i = 0; i < 4; ++i) {
        *ruled[i].first = control<PictureBox>(client, ruledNames[i]);
        (*ruled[i].first)->setAutoSize(true);
        (*ruled[i].first)->setPicture(wordprocessorart::drawRuledLines(ruled[i].second));
    }
    for (PictureBox* hidden : {Picture4, Picture5, Picture6, Picture7, Picture8, Picture9})
        hidden->hide();

    struct Zone {
        ClickZone** zone;
        const char* name;
        int left, top, width, height;
        void (Form18::*handler)();
    };
    const Zone zones[] = {
        {&Label28, "Label28", 90, 9000, 855, 615, &Form18::Label28_Click},
        {&Label30, "Label30", 900, 8970, 855, 615, &Form18::Label30_Click},
        {&Label29, "Label29", 1740, 9030, 855, 615, &Form18::Label29_Click},
        {&Label35, "Label35", 330, 9660, 495, 615, &Form18::Label35_Click},
        {&Label26, "Label26", 810, 9690, 465, 675, &Form18::Label26_Click},
        {&Label36, "Label36", 1320, 9720, 465, 615, &Form18::Label36_Click},
        {&Label37, "Label37", 1800, 9720, 495, 615, &Form18::Label37_Click},
        {&Label38, "Label38", 2070, 10140, 495, 615, &Form18::Label38_Click},
    };
    for (const Zone& z : zones) {
        *z.zone = control<ClickZone>(Picture2, z.name, z.left, z.top, z.width, z.height);
        connect(*z.zone, &ClickZone::Click, this, z.handler);
    }
    connect(RichTextBox1, &RichTextBox::linkOpened, this, [this](const QUrl& url) {
        if (wordprocessing::opensAsLink(url)) services.launcher.openUrl(url);
    });
}

void Form18::IMATGESS_Click() {
    ChoosePictureFolder(services, this, File1);
}

void Form18::File1_Click() {
    PreviewPictureFile(File1, Image1);
    previewedFile = Image1->Picture().isNull() ? QString() : File1->selectedFile().value_or(QString());
}

void Form18::PastePictureIntoDocument(const QImage& picture) {
    if (picture.isNull()) return;
    RichTextBox1->setFocus();
    RichTextBox1->insertPicture(picture);
    QApplication::clipboard()->setImage(picture);
}

void Form18::PasteFourLinePicture(const QImage& picture) {
    if (picture.isNull()) return;
    PastePictureIntoDocument(picture);
    QTextCursor c = RichTextBox1->textCursor();
    c.insertBlock();
    RichTextBox1->setTextCursor(c);
}

// The preview may show a large picture decoded at its own small size: the file goes in whole.
void Form18::Image1_Click() {
    if (previewedFile.isEmpty()) return;
    PastePictureIntoDocument(loadPicture(previewedFile));
}

void Form18::Label28_Click() {
    Image1_Click();
}

void Form18::insertScaled(int k) {
    const QImage picture = loadListedPicture(File1);
    if (picture.isNull()) return;
    Picture5->setPicture(picture);
    const QImage scaled = wordprocessing::scaledPicture(picture, k);
    Picture6->setPicture(scaled);
    PastePictureIntoDocument(scaled);
}

void Form18::Label30_Click() {
    insertScaled(4);
}

void Form18::Label29_Click() {
    insertScaled(8);
}

void Form18::Label35_Click() {
    PasteFourLinePicture(Picture8->Picture());
}

void Form18::Label26_Click() {
    PasteFourLinePicture(Picture9->Picture());
}

void Form18::Label36_Click() {
    PasteFourLinePicture(Picture4->Picture());
}

void Form18::Label37_Click() {
    PasteFourLinePicture(Picture7->Picture());
}

void Form18::Label38_Click() {
    PasteFourLinePicture(Picture4->Picture());
}

// A picture file goes in as a picture, any other file as a link that shows its name.
void Form18::OBRE_Click() {
    const std::optional<QString> chosen = chooseFile(
        services, this, {.initDir = services.currentFolder, .filter = {}, .title = {}, .save = false});
    if (!chosen) return;
    if (const QImage picture = loadPicture(*chosen); !picture.isNull()) {
        PastePictureIntoDocument(picture);
        return;
    }
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QUrl::fromLocalFile(*chosen).toString());
    link.setForeground(QColor(0, 0, 255));
    link.setFontUnderline(true);
    QTextCursor c = RichTextBox1->textCursor();
    const QTextCharFormat before = c.charFormat();
    c.insertText(QFileInfo(*chosen).fileName(), link);
    RichTextBox1->setTextCursor(c);
    QTextCharFormat plain = before;
    plain.setAnchor(false);
    plain.clearProperty(QTextFormat::AnchorHref);
    RichTextBox1->setCurrentCharFormat(plain);
    RichTextBox1->setFocus();
}
