#include "workshop/picturefilelist.h"
#include "core/controls.h"
#include "core/services.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QStringList listPictureFiles(const QString& folder, const QString& pattern) {
    if (folder.isEmpty()) return {};
    const QDir dir(folder);
    if (!dir.exists()) return {};
    // The patterns as one expression (what matchesPatterns tries one by one): one match a name.
    QStringList alternatives;
    for (const QString& p : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        alternatives << QRegularExpression::wildcardToRegularExpression(p);
    if (alternatives.isEmpty()) return {};
    const QRegularExpression anyPattern(alternatives.join(QLatin1Char('|')),
                                        QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : entries) {
        if (anyPattern.match(name).hasMatch()) names << name;
    }
    return names;
}

PictureFileList::PictureFileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void PictureFileList::setPattern(const QString& pattern) {
    pattern_ = pattern;
    Refresh();
}

void PictureFileList::setPath(const QString& folder) {
    folder_ = folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    clear();
    addItems(listPictureFiles(folder_, pattern_));
    setCurrentRow(-1);
}

std::optional<QString> PictureFileList::selectedFile() const {
    const QListWidgetItem* item = currentItem();
    if (!item || !item->isSelected()) return std::nullopt;
    return QDir(folder_).filePath(item->text());
}

PictureFileList* pictureFileList(Services& services, QWidget* parent, const char* name, int left, int top,
                                 int width, int height) {
    auto* list = control<PictureFileList>(parent, name, left, top, width, height);
    list->setPath(services.pictureFolder);
    return list;
}
