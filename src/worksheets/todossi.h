#pragma once
#include "core/formwindow.h"
#include "core/printer.h"

#include <QString>
#include <array>

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class WorksheetGrid;

// The arithmetic worksheets: the sheets' font, the school's name, how many sheets of each kind,
// and the print run.
class todossi : public MainForm {
    Q_OBJECT
public:
    explicit todossi(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 8010;
    static constexpr int ClientHeightTwips = 5910;
    static QString caption() { return QStringLiteral("Taudrin'Càlcul->IMPR"); }

    void List2_Click();
    void IMOSS_Click(); // the print run
    void SSSS_Click();  // the printer's settings: nothing to set here
    void SSS_Click();   // clears the counts
    // A key on the grid, as its Windows code; the handler may change the code.
    void Grid1_KeyDown(int& keyCode);

    // Whether a print run is going on.
    bool printing() const { return printing_; }
    // The folder that takes the sheets when there is no printer.
    QString sheetsFolder() const;

    QWidget* client = nullptr;
    QAction* IMOSS = nullptr; // "IMPRIMIR"
    QAction* SSSS = nullptr;  // "CONFIGURAR IMPRESSORA"
    QAction* SSS = nullptr;   // "NETEJAR"

    QFrame* Frame1 = nullptr; // the panel
    WorksheetGrid* Grid1 = nullptr;
    QListWidget* List2 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QLabel*, 2> Label2{};
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;

    // The size code handed to the sheets of the row being printed.
    QString Label3 = QStringLiteral("Label3");
    // The typing state of the count cells.
    QString Label1;

private:
    void printRun();
    void gridKeyPressed(QKeyEvent* event, bool& handled);

    Printer printer_;
    bool printing_ = false;
    int scrollRow_ = 1; // End and Home step it; the grid's top row follows
};
