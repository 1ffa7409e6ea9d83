#include "wordgames/spellingdialog.h"
#include "core/textinput.h"
#include "platform/spellchecker.h"
#include "wordgames/spellingwords.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

SpellingDialog::SpellingDialog(QWidget* parent, QPlainTextEdit* box, SpellingWalk& walk,
                               SpellChecker& checker)
    : QDialog(parent), box_(box), walk_(walk), checker_(checker) {
    setObjectName(QStringLiteral("SpellingDialog"));
    setWindowTitle(QStringLiteral("Ortografia"));
    setModal(true);

    auto* grid = new QGridLayout(this);
    auto* unknown = new QLabel(QStringLiteral("Paraula desconeguda:"), this);
    Word = new QLabel(this);
    Word->setObjectName(QStringLiteral("Word"));
    QFont big = Word->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    Word->setFont(big);
    auto* changeTo = new QLabel(QStringLiteral("Canvia-la per:"), this);
    Replacement = new QLineEdit(this);
    Replacement->setObjectName(QStringLiteral("Replacement"));
    keepComposed(Replacement);
    auto* suggestionsLabel = new QLabel(QStringLiteral("Suggeriments:"), this);
    Suggestions = new QListWidget(this);
    Suggestions->setObjectName(QStringLiteral("Suggestions"));
    Change = new QPushButton(QStringLiteral("Canvia"), this);
    Change->setObjectName(QStringLiteral("Change"));
    Change->setDefault(true);
    Ignore = new QPushButton(QStringLiteral("Deixa-la"), this);
    Ignore->setObjectName(QStringLiteral("Ignore"));
    Stop = new QPushButton(QStringLiteral("Acaba"), this);
    Stop->setObjectName(QStringLiteral("Stop"));

    grid->addWidget(unknown, 0, 0);
    grid->addWidget(Word, 0, 1);
    grid->addWidget(changeTo, 1, 0);
    grid->addWidget(Replacement, 1, 1);
    grid->addWidget(suggestionsLabel, 2, 0, Qt::AlignTop);
    grid->addWidget(Suggestions, 2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Change);
    buttons->addWidget(Ignore);
    buttons->addStretch();
    buttons->addWidget(Stop);
    grid->addLayout(buttons, 0, 2, 3, 1);
    resize(520, 300);

    connect(Suggestions, &QListWidget::currentTextChanged, Replacement, &QLineEdit::setText);
    connect(Suggestions, &QListWidget::itemDoubleClicked, this, &SpellingDialog::changeWord);
    connect(Change, &QPushButton::clicked, this, &SpellingDialog::changeWord);
    connect(Ignore, &QPushButton::clicked, this, &SpellingDialog::moveOn);
    connect(Stop, &QPushButton::clicked, this, &QDialog::reject);
}

int SpellingDialog::exec() {
    showCurrent();
    return QDialog::exec();
}

void SpellingDialog::showCurrent() {
    const TextWord& word = walk_.current();
    const QString composed = toNfc(word.text);
    Word->setText(composed);
    Suggestions->clear();
    Suggestions->addItems(checker_.suggestions(composed));
    Replacement->setText(Suggestions->count() ? Suggestions->item(0)->text() : composed);
    if (Suggestions->count()) Suggestions->setCurrentRow(0);
    QTextCursor cursor = box_->textCursor();
    cursor.setPosition(int(word.position));
    cursor.setPosition(int(word.end()), QTextCursor::KeepAnchor);
    box_->setTextCursor(cursor);
    box_->ensureCursorVisible();
    Replacement->setFocus();
    Replacement->selectAll();
}

void SpellingDialog::moveOn() {
    if (walk_.next())
        showCurrent();
    else
        accept();
}

void SpellingDialog::changeWord() {
    // Composed, as the box keeps its text: the words after it move by the length it has there.
    const QString replacement = toNfc(Replacement->text());
    QTextCursor cursor = box_->textCursor();
    cursor.setPosition(int(walk_.current().position));
    cursor.setPosition(int(walk_.current().end()), QTextCursor::KeepAnchor);
    cursor.insertText(replacement);
    walk_.change(replacement);
    moveOn();
}
