#include "platform/hunspellspellchecker.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <hunspell/hunspell.hxx>

Q_LOGGING_CATEGORY(lcSpelling, "taudrin.spelling", QtInfoMsg)

HunspellSpellChecker::HunspellSpellChecker(QString folder, QString language)
    : folder_(std::move(folder)), language_(std::move(language)) {}

HunspellSpellChecker::~HunspellSpellChecker() = default;

bool HunspellSpellChecker::load() {
    if (tried_) return hunspell_ != nullptr;
    tried_ = true;
    const QDir dir(folder_);
    const QFileInfo aff(dir.filePath(language_ + QLatin1String(".aff")));
    const QFileInfo dic(dir.filePath(language_ + QLatin1String(".dic")));
    // Hunspell itself takes a missing file for an empty dictionary and would accept nothing.
    if (!aff.isFile() || !aff.isReadable() || !dic.isFile() || !dic.isReadable() || dic.size() == 0) {
        qCInfo(lcSpelling) << "no dictionary" << language_ << "in" << folder_;
        return false;
    }
    auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff.filePath()).constData(),
                                               QFile::encodeName(dic.filePath()).constData());
    const QByteArray encoding = QByteArray(hunspell->get_dic_encoding()).toUpper();
    const char* name = encoding == "ISO8859-1" ? "ISO-8859-1" : encoding.constData();
    encoder_ = QStringEncoder(name);
    decoder_ = QStringDecoder(name);
    if (!encoder_.isValid() || !decoder_.isValid()) {
        qCInfo(lcSpelling) << "dictionary encoding not supported:" << encoding;
        return false;
    }
    hunspell_ = std::move(hunspell);
    return true;
}

bool HunspellSpellChecker::hasDictionary() {
    return load();
}

bool HunspellSpellChecker::isCorrect(const QString& word) {
    if (!load()) return false;
    // The dictionary holds composed words: "a" and a combining grave are looked up as "à".
    const QByteArray bytes = encoder_.encode(word.normalized(QString::NormalizationForm_C));
    if (encoder_.hasError()) {
        encoder_.resetState();
        return false; // a letter the dictionary can't hold is no word of it
    }
    return hunspell_->spell(bytes.toStdString());
}

QStringList HunspellSpellChecker::suggestions(const QString& word) {
    QStringList out;
    if (!load()) return out;
    const QByteArray bytes = encoder_.encode(word.normalized(QString::NormalizationForm_C));
    if (encoder_.hasError()) {
        encoder_.resetState();
        return out;
    }
    for (const std::string& s : hunspell_->suggest(bytes.toStdString())) {
        if (out.size() == MaxSuggestions) break;
        out << decoder_.decode(QByteArray::fromStdString(s));
    }
    return out;
}
