#include "fakedialogs.h"

OpenAnswer FakeDialogs::showOpen(QWidget*, const OpenRequest& request) {
    openRequests << request;
    if (opens.empty()) return {OpenAnswer::Status::Cancelled, {}};
    OpenAnswer a = opens.front();
    opens.pop_front();
    return a;
}

void FakeDialogs::message(QWidget*, const QString& text, const QString& title) {
    messages << text;
    messageTitles << title;
}

void FakeDialogs::question(QWidget* parent, const QString& text, const QString& title) {
    message(parent, text, title);
    questions << text;
}

void FakeDialogs::warning(QWidget* parent, const QString& text, const QString& title) {
    message(parent, text, title);
    warnings << text;
}

bool FakeDialogs::okCancel(QWidget*, const QString& text, const QString& title) {
    okCancelTexts << text;
    okCancelTitles << title;
    if (okCancels.empty()) return false;
    const bool ok = okCancels.front();
    okCancels.pop_front();
    return ok;
}

bool FakeDialogs::yesNo(QWidget*, const QString& text, const QString& title) {
    yesNoTexts << text;
    yesNoTitles << title;
    if (yesNos.empty()) return false;
    const bool yes = yesNos.front();
    yesNos.pop_front();
    return yes;
}

Dialogs::Unsaved FakeDialogs::askUnsaved(QWidget*, const QString& text, const QString&) {
    unsavedTexts << text;
    if (unsaveds.empty()) return Unsaved::Discard;
    const Unsaved answer = unsaveds.front();
    unsaveds.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::input(QWidget*, const QString& prompt, const QString& title,
                                          const QString&) {
    inputPrompts << prompt;
    inputTitles << title;
    if (inputs.empty()) return std::nullopt;
    const auto [given, text] = inputs.front();
    inputs.pop_front();
    if (!given) return std::nullopt;
    return text;
}

std::optional<FontChoice> FakeDialogs::chooseFont(QWidget*, const FontChoice& initial) {
    fontRequests << initial;
    if (fonts.empty()) return std::nullopt;
    std::optional<FontChoice> answer = fonts.front();
    fonts.pop_front();
    return answer;
}
