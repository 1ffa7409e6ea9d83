#pragma once
#include "platform/dialogs.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

// Qt's font dialog (scalable fonts) with a colour choice of the 16 classic colours below it, as
// the composing windows offer a text colour together with the font.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    FontDialog(QWidget* parent, const FontChoice& initial);

    FontChoice choice() const;
    QFontDialog* fonts() const { return fonts_; }
    QComboBox* colours() const { return colours_; }

private:
    QFontDialog* fonts_ = nullptr;
    QComboBox* colours_ = nullptr;
};
