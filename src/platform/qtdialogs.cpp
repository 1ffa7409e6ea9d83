#include "platform/qtdialogs.h"
#include "platform/filefilter.h"
#include "platform/fontdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace {
// The folder asked for, or the nearest folder above it that exists (a missing "dibuixos" opens
// the Taudrin folder); never the process's working folder, which means nothing to the user.
QString startFolder(const QString& asked) {
    if (asked.isEmpty() || !QDir::isAbsolutePath(asked)) return QDir::homePath();
    QString dir = QDir::cleanPath(asked);
    for (;;) {
        if (QFileInfo(dir).isDir()) return dir;
        const QString up = QFileInfo(dir).path();
        if (up == dir) return QDir::homePath();
        dir = up;
    }
}
} // namespace

QFileDialog* QtDialogs::createOpenDialog(QWidget* parent, const OpenRequest& request) {
    auto* dlg = new QFileDialog(parent, request.title);
    // Qt's own dialog, so that filters match case-insensitively on every desktop.
    dlg->setOption(QFileDialog::DontUseNativeDialog, true);
    dlg->setOption(QFileDialog::HideNameFilterDetails, true);
    dlg->setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // AnyFile: a typed name of a file that does not exist is accepted unchanged.
    dlg->setFileMode(QFileDialog::AnyFile);
    const QStringList filters = toQtNameFilters(parseFileFilter(request.filter));
    if (!filters.isEmpty()) dlg->setNameFilters(filters);
    dlg->setDirectory(startFolder(request.initDir));
    return dlg;
}

OpenAnswer QtDialogs::showOpen(QWidget* parent, const OpenRequest& request) {
    QFileDialog* dlg = createOpenDialog(parent, request);
    const int result = dlg->exec();
    OpenAnswer answer;
    if (result != QDialog::Accepted) {
        answer.status = OpenAnswer::Status::Cancelled;
    } else {
        const QStringList files = dlg->selectedFiles();
        if (files.isEmpty() || files.first().isEmpty()) {
            answer.status = OpenAnswer::Status::Failed;
        } else {
            answer.status = OpenAnswer::Status::Chosen;
            answer.fileName = QDir::cleanPath(QFileInfo(files.first()).absoluteFilePath());
        }
    }
    delete dlg;
    return answer;
}

void QtDialogs::message(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox::information(parent, title, text);
}

void QtDialogs::question(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtDialogs::warning(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::okCancel(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

bool QtDialogs::yesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    // A slip of the Enter key must not replace anything.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Dialogs::Unsaved QtDialogs::askUnsaved(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Unsaved::Save;
    case QMessageBox::Discard:
        return Unsaved::Discard;
    default:
        return Unsaved::Cancel;
    }
}

std::optional<QString> QtDialogs::input(QWidget* parent, const QString& prompt, const QString& title,
                                        const QString& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    // Composed, as all text that comes in: a pasted "a" and combining grave is one "à".
    return text.normalized(QString::NormalizationForm_C);
}

FontDialog* QtDialogs::createFontDialog(QWidget* parent, const FontChoice& initial) {
    return new FontDialog(parent, initial);
}

std::optional<FontChoice> QtDialogs::chooseFont(QWidget* parent, const FontChoice& initial) {
    FontDialog* dlg = createFontDialog(parent, initial);
    std::optional<FontChoice> answer;
    if (dlg->exec() == QDialog::Accepted) answer = dlg->choice();
    delete dlg;
    return answer;
}
