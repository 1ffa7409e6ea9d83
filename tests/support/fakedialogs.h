#pragma once
#include "platform/dialogs.h"

#include <QList>
#include <QStringList>
#include <deque>

// Dialogs that answer from a script and record what they were asked.
class FakeDialogs : public Dialogs {
public:
    OpenAnswer showOpen(QWidget* parent, const OpenRequest& request) override;
    void message(QWidget* parent, const QString& text, const QString& title) override;
    void question(QWidget* parent, const QString& text, const QString& title) override;
    void warning(QWidget* parent, const QString& text, const QString& title) override;
    bool okCancel(QWidget* parent, const QString& text, const QString& title) override;
    bool yesNo(QWidget* parent, const QString& text, const QString& title) override;
    Unsaved askUnsaved(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<QString> input(QWidget* parent, const QString& prompt, const QString& title,
                                 const QString& initial) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) override;

    // Scripted answers, used in order; with none left an open dialog is cancelled and an input
    // box is cancelled.
    void answerOpen(const QString& fileName) { opens.push_back({OpenAnswer::Status::Chosen, fileName}); }
    void cancelOpen() { opens.push_back({OpenAnswer::Status::Cancelled, {}}); }
    void failOpen() { opens.push_back({OpenAnswer::Status::Failed, {}}); }
    void answerInput(const std::optional<QString>& answer) {
        inputs.push_back({answer.has_value(), answer.value_or(QString())});
    }

    // OK (true) or Cancel (false) for the next OK/Cancel boxes; with none left they are cancelled.
    void answerOkCancel(bool ok) { okCancels.push_back(ok); }

    // Yes (true) or No (false) for the next Yes/No questions; with none left they are answered No.
    void answerYesNo(bool yes) { yesNos.push_back(yes); }
    void answerUnsaved(Unsaved answer) { unsaveds.push_back(answer); }

    void answerFont(const FontChoice& choice) { fonts.push_back(choice); }
    void cancelFont() { fonts.push_back(std::nullopt); }

    std::deque<OpenAnswer> opens;
    std::deque<std::optional<FontChoice>> fonts; // with none left the font dialog is cancelled
    QList<FontChoice> fontRequests;              // what each font dialog started from
    std::deque<std::pair<bool, QString>> inputs; // (given, text); not given = cancelled

    std::deque<bool> okCancels;
    QStringList okCancelTexts; // text and title of every OK/Cancel box shown
    QStringList okCancelTitles;

    std::deque<bool> yesNos;
    QStringList yesNoTexts; // text and title of every Yes/No question asked
    QStringList yesNoTitles;
    std::deque<Unsaved> unsaveds; // with none left the changes are discarded
    QStringList unsavedTexts;     // text of every question asked before changed work goes

    QList<OpenRequest> openRequests;
    QStringList messages;  // texts of the message boxes shown
    QStringList questions; // those of them shown with the question icon
    QStringList warnings;  // those of them shown with the warning icon
    QStringList messageTitles;
    QStringList inputPrompts;
    QStringList inputTitles;
};
