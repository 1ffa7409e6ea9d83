#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

// What a window asks of a file dialog: the folder it starts in, a filter written as
// description/pattern pairs separated by "|" ("(*.bak)|*.bak|"), a title, and whether the file is
// to be saved (the dialog's button then says "Desa", and replacing a file is asked first).
struct OpenRequest {
    QString initDir;
    QString filter;
    QString title;
    bool save = false;
};

struct OpenAnswer {
    enum class Status { Chosen, Cancelled, Failed };
    Status status = Status::Cancelled;
    QString fileName; // full path of the chosen or typed name
    bool chosen() const { return status == Status::Chosen; }
    bool cancelled() const { return status == Status::Cancelled; }
    bool failed() const { return status == Status::Failed; }
};

// A font as the font dialog gives it: name, size, bold, italic, and a text colour.
struct FontChoice {
    QFont font;
    QColor colour{Qt::black};
};

// File, font, input and message dialogs.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Accepts the name of a file that does not exist yet: windows also use it to name new files.
    // With request.save it is a save dialog.
    virtual OpenAnswer showOpen(QWidget* parent, const OpenRequest& request) = 0;
    virtual void message(QWidget* parent, const QString& text, const QString& title) = 0;
    // The same box with the question icon, for a notice whose answer nobody reads.
    virtual void question(QWidget* parent, const QString& text, const QString& title) {
        message(parent, text, title);
    }
    // The same box with the warning icon, OK only.
    virtual void warning(QWidget* parent, const QString& text, const QString& title) {
        message(parent, text, title);
    }
    // A box with OK and Cancel and the critical icon, OK the default; true for OK.
    virtual bool okCancel(QWidget* parent, const QString& text, const QString& title) = 0;
    // A question with Yes and No, No the default (Enter and Escape answer No); true for Yes.
    virtual bool yesNo(QWidget* parent, const QString& text, const QString& title) = 0;
    // Asked before changed work goes: Save (the default), Discard, or Cancel (Escape), which
    // keeps the work where it is.
    enum class Unsaved { Save, Discard, Cancel };
    virtual Unsaved askUnsaved(QWidget* parent, const QString& text, const QString& title) = 0;
    // The text typed, composed (NFC); nullopt when the user cancelled.
    virtual std::optional<QString> input(QWidget* parent, const QString& prompt, const QString& title,
                                         const QString& initial) = 0;
    // The font dialog (scalable fonts) with a colour choice; nullopt when the user cancelled.
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) = 0;
};
