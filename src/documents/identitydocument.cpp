#include "documents/identitydocument.h"
#include "core/basepanel.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/sharedstate.h"
#include "core/textinput.h"
#include "core/twips.h"
#include "documents/textfit.h"
#include "workshop/picturetools.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

using namespace sampleperson;

namespace {
const QColor BackColour(128, 128, 128);
const QColor ModelColour(64, 64, 64);
constexpr double ModelPoints = 14.25;
constexpr double LeastModelPoints = 8;
constexpr int ListMargin = 12; // pixels beside the longest entry of an open combo list

struct Caption {
    int index;
    const char* text;
    int left, top, width;
};
constexpr int CaptionHeight = 285;
const Caption Captions[] = {
    {0, "Nom:", 1095, 720, 780},
    {1, "Cognom primer", 1080, 1590, 2670},
    {2, "Número document d'identitat", 1110, 3330, 3255},
    {3, "Cognom segon", 1140, 2430, 2670},
    {4, "Data naixement:", 7590, 2790, 3255},
    {5, "Població naixement", 6600, 1320, 3435},
    {6, "Provincia", 6570, 2070, 3435},
    {7, "Carrer", 1140, 4170, 3255},
    {8, "Número", 8460, 4200, 3255},
    {9, "Població", 1140, 5040, 3255},
    {10, "Provincia", 6960, 5700, 3435},
    {11, "Telèfon", 1140, 5880, 3435},
};

QLineEdit* textBox(QWidget* parent, int index, int left, int top, int width, int height) {
    const QByteArray name = "Text1_" + QByteArray::number(index);
    auto* box = control<QLineEdit>(parent, name.constData(), left, top, width, height);
    box->setFont(designFont("Courier New", 14.25, true));
    return box;
}

QComboBox* provinceCombo(QWidget* parent, const char* name, int left, int top) {
    auto* combo = control<QComboBox>(parent, name, left, top, 2490, 465);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // A province is copied letter by letter: no completion from the list, and without a completer
    // the combo no longer takes a text that differs from an entry only in case for that entry.
    combo->setCompleter(nullptr);
    // Compared letter by letter with the model, as the text boxes are: kept composed as they are.
    keepComposed(combo->lineEdit());
    combo->setFont(designFont("Courier New", 15.75, false));
    // The list opens wide enough for its longest entry, wider than the box where needed. The list
    // and the font never change: the entries are measured once.
    static const int widest = [font = combo->font()] {
        int w = 0;
        const QFontMetrics metrics(font);
        for (const QString& province : ProvinceList)
            w = std::max(w, metrics.horizontalAdvance(province));
        return w;
    }();
    combo->view()->setMinimumWidth(widest + ListMargin +
                                   combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo));
    return combo;
}
} // namespace

Form13::Form13(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    setGround(client, BackColour);
    ENTRASS = menuBarItem(this, "ENTRASS", QStringLiteral("ENTRAR DADES"));

    Picture1 = control<PictureBox>(client, "Picture1");
    Picture1->move(twPoint(1500, 360));

    // Captions first, then the model labels, then the answers over them.
    for (const Caption& c : Captions) {
        const QByteArray name = "Label2_" + QByteArray::number(c.index);
        QLabel* label = control<QLabel>(Picture1, name.constData(), c.left, c.top, c.width, CaptionHeight);
        label->setText(QString::fromUtf8(c.text));
        label->setFont(designFont("MS Sans Serif", 12, false));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Label2[size_t(c.index)] = label;
    }

    i1 = control<QLabel>(Picture1, "i1", 1800, 720, 0, 330);
    i2 = control<QLabel>(Picture1, "i2", 2790, 1590, 3120, 375);
    i3 = control<QLabel>(Picture1, "i3", 2970, 2430, 3480, 375);
    i4 = control<QLabel>(Picture1, "i4", 4260, 3330, 2040, 375);
    i5 = control<QLabel>(Picture1, "i5", 9510, 3120, 510, 375);
    i6 = control<QLabel>(Picture1, "i6", 9930, 3120, 510, 375);
    i7 = control<QLabel>(Picture1, "i7", 10350, 3120, 1320, 375);
    i11 = control<QLabel>(Picture1, "i11", 8790, 1320, 3480, 375);
    i8 = control<QLabel>(Picture1, "i8", 7590, 2070, 2085, 375);
    i10 = control<QLabel>(Picture1, "i10", 2010, 4170, 3975, 375);
    numero = control<QLabel>(Picture1, "numero", 9360, 4200, 2265, 375);
    i9 = control<QLabel>(Picture1, "i9", 2190, 5040, 3975, 375);
    i14 = control<QLabel>(Picture1, "i14", 8040, 5700, 3975, 375);
    telefono = control<QLabel>(Picture1, "telefono", 2010, 5910, 2265, 375);

    Text1[0] = textBox(Picture1, 0, 1050, 990, 4950, 450);
    Text1[1] = textBox(Picture1, 1, 1080, 1890, 4920, 450);
    Text1[2] = textBox(Picture1, 2, 1110, 2760, 4890, 450);
    Text1[6] = textBox(Picture1, 6, 1140, 3660, 2310, 390);
    Text1[3] = textBox(Picture1, 3, 7620, 3120, 420, 390);
    Text1[4] = textBox(Picture1, 4, 8070, 3120, 420, 390);
    Text1[5] = textBox(Picture1, 5, 8520, 3120, 915, 390);
    Text1[7] = textBox(Picture1, 7, 6570, 1620, 5235, 390);
    Combo1 = provinceCombo(Picture1, "Combo1", 9240, 2040);
    Text1[10] = textBox(Picture1, 10, 1110, 4470, 7125, 390);
    Text1[11] = textBox(Picture1, 11, 8490, 4500, 645, 390);
    Text1[9] = textBox(Picture1, 9, 1080, 5340, 3495, 390);
    Combo2 = provinceCombo(Picture1, "Combo2", 6960, 6030);
    Text1[12] = textBox(Picture1, 12, 1140, 6210, 2175, 390);
    Text1[3]->setMaxLength(2);
    Text1[4]->setMaxLength(2);
    Text1[5]->setMaxLength(4);

    Command1 = control<QPushButton>(Picture1, "Command1", 8280, 7230, 2220, 390);
    Command1->setText(QStringLiteral("CORREGIR"));
    Command1->setFont(designFont("Arial", 14.25, true));

    const QFont modelFont = designFont("Courier New", ModelPoints, true);
    for (const Item& item : items()) {
        QLabel* model = item.model;
        model->setFont(modelFont);
        model->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTextColour(model, ModelColour);
    }
    // The first name's label is as wide as the longest first name, measured once.
    static const int widest = [&modelFont] {
        int w = 0;
        const QFontMetrics metrics(modelFont);
        for (const QString& name : FirstNameTable)
            w = std::max(w, metrics.horizontalAdvance(name) + 1);
        return w;
    }();
    i1->resize(widest, i1->height());
    for (const Item& item : items())
        designPlaces_.insert(item.model, item.model->geometry());

    // The keys go through the form from the first name to the telephone.
    QWidget* previous = nullptr;
    for (const Item& item : items()) {
        if (previous) setTabOrder(previous, item.answer);
        previous = item.answer;
    }
    setTabOrder(previous, Command1);

    connect(ENTRASS, &QAction::triggered, this, &Form13::ENTRASS_Click);
    connect(Command1, &QPushButton::clicked, this, &Form13::Command1_Click);
}

std::array<Form13::Item, Form13::ItemCount> Form13::items() const {
    auto text = [](QLabel* model, QLineEdit* box) { return Item{model, box, box, nullptr}; };
    auto combo = [](QLabel* model, QComboBox* box) { return Item{model, box, nullptr, box}; };
    return {text(i1, Text1[0]), text(i2, Text1[1]),       text(i3, Text1[2]),      text(i4, Text1[6]),
            text(i5, Text1[3]), text(i6, Text1[4]),       text(i7, Text1[5]),      text(i11, Text1[7]),
            combo(i8, Combo1),  text(i10, Text1[10]),     text(numero, Text1[11]), text(i9, Text1[9]),
            combo(i14, Combo2), text(telefono, Text1[12])};
}

QString Form13::answerText(const Item& item) {
    return item.text ? item.text->text() : item.combo->currentText();
}

void Form13::Form_Load() {
    Picture1->setPicture(drawBasePanel());
    Picture1->setAutoSize(true);
    for (QComboBox* combo : {Combo1, Combo2})
        combo->addItems(ProvinceList);
    for (QComboBox* combo : {Combo1, Combo2})
        combo->setCurrentIndex(-1); // an empty text, the list as it is
    DrawSamplePerson();
    Text1[0]->setFocus();
}

void Form13::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    services.state.clearActivityCode();
}

void Form13::DrawSamplePerson() {
    QStringList provinces;
    for (int i = 0; i < Combo1->count(); ++i)
        provinces << Combo1->itemText(i);
    showPerson(::DrawSamplePerson([this] { return services.random.Rnd(); }, provinces));
}

void Form13::showPerson(const Person& person) {
    const std::array<QLabel*, ValueCount> labels{i1, i2, i3,  i4,  i5,  i6,       i7,
                                                 i8, i9, i10, i11, i14, telefono, numero};
    for (int v = 0; v < ValueCount; ++v) {
        labels[size_t(v)]->setText(person[size_t(v)]);
        fitModel(labels[size_t(v)]);
    }
}

void Form13::fitModel(QLabel* label) {
    const QRect place = designPlaces_.value(label);
    int available = place.width();
    // The province of birth runs under its combo: only the part left of the combo shows.
    if (label == i8) available = std::min(available, Combo1->x() - place.x() - 2);
    QFont font = label->font();
    const QString text = label->text();
    const TextFit fit = fitText(ModelPoints, LeastModelPoints, available, [&](double points) {
        QFont f = font;
        f.setPointSizeF(points);
        return QFontMetrics(f).horizontalAdvance(text) + 1;
    });
    font.setPointSizeF(fit.pointSize);
    label->setFont(font);
    label->setWordWrap(fit.wrap);
    if (!fit.wrap) {
        label->setGeometry(place);
        return;
    }
    label->setGeometry(place.x(), place.y(), available,
                       std::max(place.height(), label->heightForWidth(available)));
}

void Form13::setAnswerColour(const Item& item, const QColor& colour) {
    setTextColour(item.text ? static_cast<QWidget*>(item.text) : item.combo->lineEdit(), colour);
}

void Form13::clearAnswer(const Item& item) {
    if (item.text) {
        item.text->clear();
        return;
    }
    // No entry stays chosen, so choosing the same one again writes its text.
    item.combo->setCurrentIndex(-1);
    item.combo->setEditText(QString());
}

void Form13::FUNCIONA() {
    for (const Item& item : items())
        setAnswerColour(item, paletteColour(0));
    for (const Item& item : items())
        clearAnswer(item);
    DrawSamplePerson();
}

void Form13::ENTRASS_Click() {
    FUNCIONA();
}

void Form13::Command1_Click() {
    for (const Item& item : items()) {
        const bool right = isRightAnswer(item.model->text(), answerText(item), item.text != nullptr);
        setAnswerColour(item, paletteColour(right ? 0 : 4));
        if (!right) clearAnswer(item);
    }
}
