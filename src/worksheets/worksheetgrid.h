#pragma once
#include <QTableWidget>

// The grid of sheet counts, addressed as its rows are numbered on screen: row 0 is the fixed
// header, which nobody can select, and rows 1 up are the table's rows. The current cell is the
// table's current cell; Row() and Col() read it, setRow() and setCol() move it.
class WorksheetGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit WorksheetGrid(QWidget* parent = nullptr);

    // Rows counted with the header.
    int Rows() const { return rowCount() + 1; }
    void setRows(int rows);
    void setColWidthTwips(int col, int twips);

    int Row() const;
    int Col() const;
    // Row 0 can't be made current: a row below 1 is row 1, a row past the end the last one.
    void setRow(int row);
    void setCol(int col);
    // The current cell's text.
    QString Text() const;
    void setText(const QString& text);

    QString cellText(int row, int col) const;
    void setHeaderText(int col, const QString& text);

    // The first data row shown at the top, from 1.
    int TopRow() const;
    // The last row that can be shown at the top.
    int lastTopRow() const;
    void setTopRow(int row);

Q_SIGNALS:
    // A key pressed while the grid has the focus, as the grid's own keys see it: the handler may
    // change the code; a code it changed moves nothing.
    void KeyDown(QKeyEvent* event, bool& handled);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTableWidgetItem* itemAt(int row, int col);
};
