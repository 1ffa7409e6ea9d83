#pragma once
#include "platform/dialogs.h"

class QFileDialog;
class FontDialog;

// The dialogs of Qt Widgets.
class QtDialogs : public Dialogs {
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

    // The font dialog as chooseFont sets it up, not yet shown; the caller owns it.
    static FontDialog* createFontDialog(QWidget* parent, const FontChoice& initial);

    // The open dialog as showOpen sets it up, not yet shown; the caller owns it.
    static QFileDialog* createOpenDialog(QWidget* parent, const OpenRequest& request);
};
