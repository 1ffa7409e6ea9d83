// The comic strip window's folder: "DESAR COM" saves the strip, "ARXIUS" opens one again.
#include "comicstrip/aucafolder.h"
#include "comicstrip/form6.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/services.h"
#include "core/unsavedwork.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace comicstrip;

QStringList Form6::captions() const {
    QStringList texts;
    for (int i = 0; i < Panels; ++i)
        texts << Text3[i]->text() << PINTA[i]->toPlainText();
    return texts;
}

QString Form6::closeQuestion() {
    return unsavedQuestion(QStringLiteral("L'auca"), QStringLiteral("la"), QStringLiteral("de tancar"));
}

QString Form6::openQuestion() {
    return unsavedQuestion(QStringLiteral("L'auca"), QStringLiteral("la"),
                           QStringLiteral("d'obrir-ne una altra"));
}

QList<qint64> Form6::panelPictures() const {
    QList<qint64> keys;
    for (int i = 0; i < Panels; ++i)
        keys << ESCRIU[i]->Picture().cacheKey();
    return keys;
}

void Form6::keepAsIs() {
    kept_ = captions();
    keptPictures_ = panelPictures();
}

bool Form6::mayLetCaptionsGo(const QString& question) {
    const QStringList now = captions();
    const bool changed = (now != kept_ && !allBlank(now)) || panelPictures() != keptPictures_;
    return mayLetWorkGo(services, this, changed, question, [this] { return saveStrip(); });
}

void Form6::Command1_Click() {
    saveStrip();
}

bool Form6::saveStrip() {
    // The typed name becomes a folder: a name that could leave "auca" is refused.
    const QString name = Text2->text();
    if (!isSafeFileName(name)) {
        showError(services, this);
        return false;
    }
    AucaStrip strip;
    for (int i = 0; i < Panels; ++i) {
        strip.pictures[i] = panelImage(i);
        strip.first[i] = Text3[i]->text();
        strip.second[i] = PINTA[i]->toPlainText();
    }
    const QString folder = QDir(AucaFolder::root(services.programFolder)).filePath(name);
    // The name box keeps its text when a strip is opened: a strip already under the name may be
    // another one, and is not replaced without asking.
    if (QFileInfo(folder).isDir() && !QDir(folder).isEmpty() &&
        !services.dialogs.yesNo(
            this,
            QStringLiteral("Ja hi ha una auca amb el nom «%1».\nVols substituir-la per aquesta?").arg(name),
            QStringLiteral("Taudrin")))
        return false;
    if (!AucaFolder::write(folder, strip)) {
        showError(services, this);
        return false;
    }
    setWindowTitle(QDir::toNativeSeparators(folder));
    keepAsIs();
    return true;
}

void Form6::aaa_Click() {
    if (!mayLetCaptionsGo(openQuestion())) return;
    const QString root = AucaFolder::root(services.programFolder);
    QDir().mkpath(root);
    const std::optional<QString> chosen =
        chooseFile(services, this, {root, QStringLiteral("*.TXT|*.TXT"), QStringLiteral("fitxa.txt")});
    if (!chosen) return;
    const std::optional<AucaStrip> strip = AucaFolder::read(*chosen);
    if (!strip) {
        showError(services, this);
        return;
    }
    for (int i = 0; i < Panels; ++i) {
        // A picture missing from the folder leaves its panel as it was.
        if (!strip->pictures[i].isNull()) ESCRIU[i]->setPicture(strip->pictures[i]);
        Text3[i]->setText(strip->first[i]);
        Text3[i]->setCursorPosition(0); // a long caption shows its beginning
        PINTA[i]->setPlainText(strip->second[i]);
    }
    keepAsIs();
}
