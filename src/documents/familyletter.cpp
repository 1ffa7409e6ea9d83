#include "documents/familyletter.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/fonts.h"
#include "core/mouseevents.h"
#include "core/officelayouts.h"
#include "core/sharedstate.h"
#include "core/speakerpicture.h"
#include "core/tata.h"
#include "core/twips.h"
#include "core/unsavedwork.h"
#include "documents/letterbox.h"
#include "documents/lettertoolbar.h"
#include "platform/officesuite.h"
#include "workshop/handoff.h"
#include "workshop/picturetools.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

namespace {
const QColor BackColour(224, 224, 224);
const QColor PanelBorder(64, 64, 64);
const QColor HintColour(255, 255, 192);

struct PartPlace {
    int left, top, width, height;
    bool multiLine;
};
constexpr std::array<PartPlace, letterfile::PartCount> PartPlaces{{
    {2475, 120, 6435, 615, false},
    {555, 1290, 8055, 420, false},
    {540, 1770, 8085, 1395, true},
    {540, 3195, 8085, 3840, true},
    {540, 7185, 6435, 885, true},
    {2505, 8280, 4500, 420, false},
}};
} // namespace

const std::array<QString, letterfile::PartCount>& Form12::hintNames() {
    static const std::array<QString, letterfile::PartCount> names{
        QStringLiteral("Població i data de la carta"),
        QStringLiteral("Salutació inicial"),
        QStringLiteral("Preàmbul"),
        QStringLiteral("Cos de la carta"),
        QStringLiteral("Acomiadament"),
        QStringLiteral("El nostre nom, la nostra signatura"),
    };
    return names;
}

const std::array<QString, letterfile::PartCount>& Form12::sampleLetter() {
    static const std::array<QString, letterfile::PartCount> texts{
        QStringLiteral("Barcelona, 12 de Maig del 2005"),
        QStringLiteral("Benvolguts amics"),
        QStringLiteral(
            "Com esteu?. Al final m'he decidit i m'possat a escriure la carta que feia dies que et "
            "volia fer. Hem tingut molta feina..."),
        QStringLiteral("Aquest any es l'aniversari de les festes del proble. Fant moltes activitats "
                       "relacionades amb els esports, la gastronomia. Seren unes festes molt maques. Ens "
                       "agradria que vinguessiu i així gaudir de unes vacances molt maques tots junts."),
        QStringLiteral("Els vostres amics"),
        QStringLiteral("En Joan i la Carla"),
    };
    return texts;
}

Form12::Form12(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    setGround(client, BackColour);

    AAAASX = menuBar()->addMenu(QStringLiteral("ARXIUS"));
    AAAASX->setObjectName(QStringLiteral("AAAASX"));
    hhhh = AAAASX->addAction(QStringLiteral("Obrir una carta"));
    hhhh->setObjectName(QStringLiteral("hhhh"));
    sssssssfff = AAAASX->addAction(QStringLiteral("Desar una carta"));
    sssssssfff->setObjectName(QStringLiteral("sssssssfff"));

    Shape1 = control<QFrame>(client, "Shape1", 1245, 60, 12705, 10320);
    Picture5 = control<PictureBox>(client, "Picture5", 2640, 195, 885, 360);
    Picture1 = control<PictureBox>(client, "Picture1", 4755, 240, 9045, 10095);
    for (int i = 0; i < letterfile::PartCount; ++i) {
        const PartPlace& place = PartPlaces[size_t(i)];
        const QByteArray name = "Text1_" + QByteArray::number(i);
        Text1[size_t(i)] = control<LetterTextBox>(Picture1, name.constData(), place.left, place.top,
                                                  place.width, place.height);
        Text1[size_t(i)]->setMultiLine(place.multiLine);
    }
    Picture3 = control<PictureBox>(Picture1, "Picture3", 45, 30, 2205, 525);
    Label1 = control<QLabel>(Picture3, "Label1", 15, 15, 2145, 450);
    Picture2 = control<PictureBox>(client, "Picture2", 1380, 8340, 3255, 1845);
    std::array<ClickZone*, lettertoolbar::Zones.size()> zones{};
    for (size_t z = 0; z < zones.size(); ++z) {
        const lettertoolbar::Zone& zone = lettertoolbar::Zones[z];
        zones[z] = control<ClickZone>(Picture2, zone.name, zone.left, zone.top, zone.width, zone.height);
    }
    Label4 = zones[0];
    Label5 = zones[1];
    Label6 = zones[2];
    Label8 = zones[3];
    Label7 = zones[4];
    Label2 = zones[5];
    Label9 = zones[6];
    Label10 = zones[7];
    Picture4 = control<PictureBox>(client, "Picture4", 225, 5490, 1095, 2025);

    // Colours, pictures and fonts of the design.
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    Shape1->setAutoFillBackground(true);
    QPalette panel = Shape1->palette();
    panel.setColor(QPalette::Window, Qt::white);
    panel.setColor(QPalette::WindowText, PanelBorder);
    Shape1->setPalette(panel);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture5->setPicture(drawSpeakerPicture());
    Picture5->setCursor(Qt::PointingHandCursor);
    Picture5->hide();
    Picture1->setBackColor(QGuiApplication::palette().color(QPalette::Base));
    const QFont partFont = designFont("Arial", 14.25);
    for (LetterTextBox* part : Text1)
        part->setFont(partFont);
    Picture3->setBackColor(HintColour);
    Label1->setFont(designFont("MS Sans Serif", 9.75));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    static const QImage toolbar = lettertoolbar::draw(); // drawn once, shared by every opening
    Picture2->setPicture(toolbar);
    for (ClickZone* zone : zones) {
        zone->setCursor(Qt::PointingHandCursor);
        // A move over an icon is not a move over the toolbar.
        zone->setAttribute(Qt::WA_NoMousePropagation);
    }
    Picture4->setBackColor(Qt::white);
    Picture4->hide();

    for (int i = 1; i < letterfile::PartCount; ++i)
        setTabOrder(Text1[size_t(i - 1)], Text1[size_t(i)]);

    connect(hhhh, &QAction::triggered, this, &Form12::hhhh_Click);
    connect(sssssssfff, &QAction::triggered, this, &Form12::sssssssfff_Click);
    connect(new MouseEvents(Picture5), &MouseEvents::Click, this, &Form12::Picture5_Click);
    connect(new MouseEvents(Picture1), &MouseEvents::MouseMove, this, &Form12::Picture1_MouseMove);
    new MouseEvents(Picture3); // a move over the hint panel changes nothing
    connect(new MouseEvents(Picture2), &MouseEvents::MouseMove, this, &Form12::Picture2_MouseMove);
    for (int i = 0; i < letterfile::PartCount; ++i) {
        connect(Text1[size_t(i)], &LetterTextBox::MouseMove, this, [this, i] { Text1_MouseMove(i); });
        connect(Text1[size_t(i)], &LetterTextBox::Click, this, [this, i] { Text1_Click(i); });
    }
    connect(Label4, &ClickZone::Click, this, &Form12::Label4_Click);
    connect(Label5, &ClickZone::Click, this, &Form12::Label5_Click);
    connect(Label6, &ClickZone::Click, this, &Form12::Label6_Click);
    connect(Label8, &ClickZone::Click, this, &Form12::Label8_Click);
    connect(Label7, &ClickZone::Click, this, &Form12::Label7_Click);
    connect(Label2, &ClickZone::Click, this, &Form12::Label2_Click);
    connect(Label9, &ClickZone::Click, this, &Form12::Label9_Click);
    connect(Label10, &ClickZone::Click, this, &Form12::Label10_Click);
}

void Form12::Form_Load() {
    // Whether the speaker can be used is settled once, here.
    Picture5->setVisible(services.state.SpeechFlag() == 1);
    for (LetterTextBox* part : Text1)
        part->clear();
    kept_ = parts();
}

void Form12::Form_Unload(bool& cancel) {
    if (!mayLetLetterGo(closeQuestion())) {
        cancel = true;
        return;
    }
    services.state.clearActivityCode();
}

QString Form12::closeQuestion() {
    return unsavedQuestion(QStringLiteral("La carta"), QStringLiteral("la"), QStringLiteral("de tancar"));
}

QString Form12::openQuestion() {
    return unsavedQuestion(QStringLiteral("La carta"), QStringLiteral("la"),
                           QStringLiteral("d'obrir-ne una altra"));
}

bool Form12::mayLetLetterGo(const QString& question) {
    const letterfile::Parts now = parts();
    const bool changed = now != kept_ && !allBlank(QStringList(now.begin(), now.end()));
    return mayLetWorkGo(services, this, changed, question, [this] { return saveLetter(); });
}

letterfile::Parts Form12::parts() const {
    letterfile::Parts texts;
    for (int i = 0; i < letterfile::PartCount; ++i)
        texts[size_t(i)] = Text1[size_t(i)]->Text();
    return texts;
}

QString Form12::lettersFolder() const {
    return folderPath(services.programFolder, QStringLiteral("CARTES"));
}

Snapshot Form12::page() const {
    Snapshot s;
    s.source = Picture1;
    s.scratch = Picture4;
    s.scale = 1;
    s.refreshScratch = true;
    return s;
}

void Form12::Text1_MouseMove(int Index) {
    if (Index < 0 || Index >= letterfile::PartCount) return;
    Picture3->show();
    Label1->setText(hintNames()[size_t(Index)]);
}

void Form12::Picture1_MouseMove() {
    Picture3->hide();
}

void Form12::Picture2_MouseMove() {
    Picture3->hide();
}

void Form12::Text1_Click(int Index) {
    if (Index < 0 || Index >= letterfile::PartCount) return;
    Label11 = Text1[size_t(Index)]->Text();
}

void Form12::Picture5_Click() {
    SpeakText(services, Label11);
}

void Form12::Label10_Click() {
    for (int i = 0; i < letterfile::PartCount; ++i)
        Text1[size_t(i)]->setText(sampleLetter()[size_t(i)]);
    kept_ = parts();
}

void Form12::Label5_Click() {
    for (LetterTextBox* part : Text1)
        part->clear();
    kept_ = parts();
}

void Form12::Label6_Click() {
    for (LetterTextBox* part : Text1)
        part->setBorderStyle(0);
}

void Form12::Label8_Click() {
    for (LetterTextBox* part : Text1)
        part->setBorderStyle(1);
}

void Form12::Label4_Click() {
    ChooseTextFont(services, this, QList<QWidget*>(Text1.begin(), Text1.end()));
}

void Form12::Label9_Click() {
    EditPictureInPaint(services, this, page());
}

void Form12::Label7_Click() {
    OpenPictureInOfficeSuite(services, this, page());
}

void Form12::Label2_Click() {
    // Read at the click; a new document each time, and the letter stays as it is.
    std::array<LetterPart, letterfile::PartCount> letter;
    for (int i = 0; i < letterfile::PartCount; ++i) {
        const LetterTextBox* part = Text1[size_t(i)];
        const QFont font = part->font();
        // A size given in pixels has no point size of its own: the one it shows at.
        const double points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
        letter[size_t(i)] = {part->Text(), font.family(), points};
    }
    if (!services.office.open(letterDocument(letter, toTwips(frameGeometry().width()))))
        showError(services, this);
}

void Form12::sssssssfff_Click() {
    saveLetter();
}

bool Form12::saveLetter() {
    // The folder is made when missing, so the dialog opens there.
    QDir().mkpath(lettersFolder());
    OpenRequest request;
    request.initDir = lettersFolder();
    request.save = true;
    const std::optional<QString> chosen = chooseFile(services, this, request);
    if (!chosen) return false;
    // The dialog asks about the name typed; the name saved may gain ".txt" and be another letter.
    const QString path = letterfile::savedFileName(*chosen);
    if (path != *chosen && QFileInfo::exists(path) && !QFileInfo(path).isDir() &&
        !services.dialogs.yesNo(this, replaceQuestion(QFileInfo(path).fileName()), QStringLiteral("Taudrin")))
        return false;
    if (!letterfile::save(path, parts())) {
        showError(services, this);
        return false;
    }
    kept_ = parts();
    return true;
}

QString Form12::replaceQuestion(const QString& fileName) {
    return QStringLiteral("Ja hi ha una carta amb el nom «%1».\nVols substituir-la per aquesta?")
        .arg(fileName);
}

void Form12::hhhh_Click() {
    if (!mayLetLetterGo(openQuestion())) return;
    QDir().mkpath(lettersFolder());
    OpenRequest request;
    request.initDir = lettersFolder();
    const std::optional<QString> chosen = chooseFile(services, this, request);
    if (!chosen) return;
    const std::optional<letterfile::Parts> letter = letterfile::load(*chosen);
    if (!letter) {
        showError(services, this);
        return;
    }
    for (int i = 0; i < letterfile::PartCount; ++i)
        Text1[size_t(i)]->setText((*letter)[size_t(i)]);
    kept_ = parts();
}
