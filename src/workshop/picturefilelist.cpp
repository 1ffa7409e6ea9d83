#include "workshop/picturefilelist.h"
#include "core/controls.h"
#include "core/services.h"
#include "platform/filefilter.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>

QStringList listPictureFiles(const QString& folder, const QString& pattern) {
    if (folder.isEmpty()) return {};
    const QDir dir(folder);
    if (!dir.exists()) return {};
    const QStringList patterns = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return matchingNames(patterns, dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase));
}

PictureFileList::PictureFileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* clicked) {
        if (pressedSelectedRow_ >= 0 && row(clicked) == pressedSelectedRow_) Q_EMIT selectedEntryClicked();
        pressedSelectedRow_ = -1;
    });
}

void PictureFileList::mousePressEvent(QMouseEvent* event) {
    const QListWidgetItem* under = itemAt(event->position().toPoint());
    pressedSelectedRow_ = under && under->isSelected() ? row(under) : -1;
    QListWidget::mousePressEvent(event);
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
