#include "platform/fontdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QPixmap>
#include <QVBoxLayout>
#include <array>

namespace {

struct NamedColour {
    const char* name;
    QRgb rgb;
};

// The 16 classic colours, by their Catalan names.
constexpr std::array<NamedColour, 16> Colours{{
    {"Negre", qRgb(0, 0, 0)},
    {"Blau marí", qRgb(0, 0, 128)},
    {"Verd", qRgb(0, 128, 0)},
    {"Verd blavós", qRgb(0, 128, 128)},
    {"Granat", qRgb(128, 0, 0)},
    {"Porpra", qRgb(128, 0, 128)},
    {"Oliva", qRgb(128, 128, 0)},
    {"Gris clar", qRgb(192, 192, 192)},
    {"Gris", qRgb(128, 128, 128)},
    {"Blau", qRgb(0, 0, 255)},
    {"Verd llima", qRgb(0, 255, 0)},
    {"Aigua", qRgb(0, 255, 255)},
    {"Vermell", qRgb(255, 0, 0)},
    {"Fúcsia", qRgb(255, 0, 255)},
    {"Groc", qRgb(255, 255, 0)},
    {"Blanc", qRgb(255, 255, 255)},
}};

QPixmap swatch(const QColor& colour) {
    QPixmap pm(16, 16);
    pm.fill(colour);
    return pm;
}

} // namespace

FontDialog::FontDialog(QWidget* parent, const FontChoice& initial) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Tipus de lletra"));
    fonts_ = new QFontDialog(this);
    // Shown inside this dialog, with its own buttons left out.
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog |
                       QFontDialog::ScalableFonts);
    // A designed name such as "Courier New" is not in the list: start on the font that shows it.
    QFont start = initial.font;
    if (!QFontDatabase::hasFamily(start.family())) start.setFamily(QFontInfo(initial.font).family());
    fonts_->setCurrentFont(start);

    colours_ = new QComboBox(this);
    colours_->setObjectName(QStringLiteral("colours"));
    int current = -1;
    for (const NamedColour& c : Colours) {
        if (QColor(c.rgb) == initial.colour) current = colours_->count();
        colours_->addItem(swatch(QColor(c.rgb)), QString::fromUtf8(c.name), QColor(c.rgb));
    }
    if (current < 0 && initial.colour.isValid()) {
        // A colour of the text that is none of the sixteen stays on offer as it is.
        current = colours_->count();
        colours_->addItem(swatch(initial.colour), QStringLiteral("Color actual"), initial.colour);
    }
    colours_->setCurrentIndex(qMax(current, 0));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colourRow = new QFormLayout;
    colourRow->addRow(QStringLiteral("Color:"), colours_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

FontChoice FontDialog::choice() const {
    return {fonts_->currentFont(), colours_->currentData().value<QColor>()};
}
