// Saving the news page as a folder under "noticies" and opening a saved one.
#include "core/choosefile.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/services.h"
#include "core/unsavedwork.h"
#include "workshop/newsboxes.h"
#include "workshop/newspage.h"
#include "workshop/newsstore.h"
#include "workshop/picturetools.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>

namespace {
// A picture shown at its own size from the slot's top-left corner, on the slot's ground.
QImage placedInSlot(const QImage& picture, const NewsSlot* slot) {
    QImage image(slot->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(slot->BackColor());
    QPainter p(&image);
    p.drawImage(0, 0, picture);
    return image;
}
} // namespace

QString Form61::newsFolder() const {
    return folderPath(services.programFolder, QStringLiteral("noticies"));
}

NewsTexts Form61::pageTexts() const {
    const NewsLayout& layout = newsLayout(Label1);
    NewsTexts texts;
    texts.layout = Label1;
    texts.title = TEXT1[size_t(layout.title)]->toPlainText();
    for (int body : layout.bodies)
        texts.bodies << TEXT1[size_t(body)]->toPlainText();
    return texts;
}

QStringList Form61::boxTexts() const {
    QStringList texts;
    for (const NewsTextBox* box : TEXT1)
        texts << box->toPlainText();
    return texts;
}

QString Form61::closeQuestion() {
    return unsavedQuestion(QStringLiteral("La notícia"), QStringLiteral("la"), QStringLiteral("de tancar"));
}

QString Form61::openQuestion() {
    return unsavedQuestion(QStringLiteral("La notícia"), QStringLiteral("la"),
                           QStringLiteral("d'obrir-ne una altra"));
}

QList<qint64> Form61::slotPictures() const {
    QList<qint64> keys;
    for (const NewsSlot* slot : DIBU1)
        keys << slot->Picture().cacheKey();
    return keys;
}

void Form61::keepAsIs() {
    kept_ = boxTexts();
    keptPictures_ = slotPictures();
}

bool Form61::mayLetTextsGo(const QString& question) {
    const QStringList now = boxTexts();
    const bool changed = (now != kept_ && !allBlank(now)) || slotPictures() != keptPictures_;
    return mayLetWorkGo(services, this, changed, question, [this] { return savePage(); });
}

void Form61::Command1_Click() {
    savePage();
}

bool Form61::savePage() {
    // The typed name becomes a folder: it must be a plain name of its own.
    const QString name = Text2->text();
    if (!isSafeFileName(name) || Label1 < 0 || Label1 >= NewsLayoutCount) {
        showError(services, this);
        return false;
    }
    // The name box keeps its text when a piece is opened: a piece already under the name may be
    // another one, and is not replaced without asking.
    const QString folder = folderPath(newsFolder(), name);
    if (QFileInfo(folder).isDir() && !QDir(folder).isEmpty() &&
        !services.dialogs.yesNo(
            this,
            QStringLiteral("Ja hi ha una notícia amb el nom «%1».\nVols substituir-la per aquesta?")
                .arg(name),
            QStringLiteral("Taudrin")))
        return false;
    QList<QImage> pictures;
    for (int slot : newsLayout(Label1).pictures)
        pictures << DIBU1[size_t(slot)]->Image();
    if (!writeNewsFolder(folder, pictures, pageTexts())) {
        showError(services, this);
        return false;
    }
    keepAsIs();
    return true;
}

void Form61::POLO_Click() {
    if (!mayLetTextsGo(openQuestion())) return;
    QDir().mkpath(newsFolder());
    const std::optional<QString> chosen = chooseFile(services, this, {newsFolder(), QString(), QString()});
    if (!chosen) return;
    const std::optional<QByteArray> bytes = loadNewsIndexBytes(*chosen);
    const std::optional<NewsTexts> texts = bytes ? readNewsIndex(*bytes) : std::nullopt;
    if (!texts) {
        showError(services, this);
        return;
    }
    Label4_Click(texts->layout);
    const NewsLayout& layout = newsLayout(texts->layout);
    TEXT1[size_t(layout.title)]->setPlainText(texts->title);
    for (int b = 0; b < layout.bodies.size(); ++b)
        TEXT1[size_t(layout.bodies[b])]->setPlainText(texts->bodies.value(b));
    // The pictures lie beside the chosen file; a missing one leaves its slot as it was.
    const QDir folder(QFileInfo(*chosen).absolutePath());
    for (int n = 0; n < layout.pictures.size(); ++n) {
        const QString file = findFileIgnoringCase(folder.path(), newsPictureName(n));
        if (file.isEmpty()) continue;
        const QImage picture = loadPicture(file);
        NewsSlot* slot = DIBU1[size_t(layout.pictures[n])];
        if (!picture.isNull()) slot->setPicture(placedInSlot(picture, slot));
    }
    keepAsIs();
}
