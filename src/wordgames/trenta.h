#pragma once
#include "core/formwindow.h"

#include <QLabel>
#include <QStringList>

class ClickZone;
class PictureBox;
class QAction;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The word-list editor: turns a pasted text into a word list, and opens a list to look it over.
class trenta : public MainForm {
    Q_OBJECT
public:
    explicit trenta(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 10920;
    static constexpr int ClientHeightTwips = 7230;
    static QString caption() { return QStringLiteral("  EDITAR-CREAR LLISTES DE PARAULES"); }
    static QString progressCaption(qsizetype position, QChar character);
    // Asked before a list already there is replaced.
    static QString replaceQuestion(const QString& fileName);

    void CREAR_Click();
    void OBRESS_Click();
    void Command9_Click();
    void List7_KeyUp(int keyCode);

    QWidget* client = nullptr; // the window's own background, below the menu bar
    QAction* OBRESS = nullptr; // menu "EDITAR"
    QAction* CREAR = nullptr;  // menu "CREAR"

    PictureBox* Picture8 = nullptr; // the list panel
    QListWidget* List7 = nullptr;
    ClickZone* Label5 = nullptr;
    ClickZone* Label13 = nullptr;
    ClickZone* Label10 = nullptr;

    PictureBox* Picture6 = nullptr; // the text panel
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command9 = nullptr;
    QLabel* Label1 = nullptr;
    ClickZone* Label16 = nullptr;
    ClickZone* Label12 = nullptr;

    // The words of the last conversion, in the order they are written to the list.
    QStringList List6;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString listsFolder() const;

    bool scanning_ = false;
};
