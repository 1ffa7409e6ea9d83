#include "worksheets/worksheetgrid.h"
#include "core/twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

WorksheetGrid::WorksheetGrid(QWidget* parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTabKeyNavigation(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(16);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(17);
    setWordWrap(false);
    // Keys come raw, so the accent keys reach the count typing as keys.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void WorksheetGrid::setRows(int rows) {
    setRowCount(std::max(0, rows - 1));
}

void WorksheetGrid::setColWidthTwips(int col, int twips) {
    setColumnWidth(col, tw(twips));
}

int WorksheetGrid::Row() const {
    return currentRow() + 1;
}

int WorksheetGrid::Col() const {
    return std::max(0, currentColumn());
}

void WorksheetGrid::setRow(int row) {
    if (rowCount() == 0) return;
    setCurrentCell(std::clamp(row, 1, rowCount()) - 1, Col());
}

void WorksheetGrid::setCol(int col) {
    if (columnCount() == 0) return;
    setCurrentCell(std::max(0, currentRow()), std::clamp(col, 0, columnCount() - 1));
}

QTableWidgetItem* WorksheetGrid::itemAt(int row, int col) {
    if (row < 1 || row > rowCount() || col < 0 || col >= columnCount()) return nullptr;
    QTableWidgetItem* cell = item(row - 1, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(row - 1, col, cell);
    }
    return cell;
}

QString WorksheetGrid::Text() const {
    return cellText(Row(), Col());
}

void WorksheetGrid::setText(const QString& text) {
    if (QTableWidgetItem* cell = itemAt(Row(), Col())) cell->setText(text);
}

QString WorksheetGrid::cellText(int row, int col) const {
    if (row == 0) {
        const QTableWidgetItem* header = horizontalHeaderItem(col);
        return header ? header->text() : QString();
    }
    const QTableWidgetItem* cell = item(row - 1, col);
    return cell ? cell->text() : QString();
}

void WorksheetGrid::setHeaderText(int col, const QString& text) {
    if (col < 0 || col >= columnCount()) return;
    setHorizontalHeaderItem(col, new QTableWidgetItem(text));
}

int WorksheetGrid::TopRow() const {
    return verticalScrollBar()->value() + 1;
}

int WorksheetGrid::lastTopRow() const {
    return verticalScrollBar()->maximum() + 1;
}

void WorksheetGrid::setTopRow(int row) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(std::clamp(row - 1, bar->minimum(), bar->maximum()));
}

void WorksheetGrid::keyPressEvent(QKeyEvent* event) {
    bool handled = false;
    Q_EMIT KeyDown(event, handled);
    if (!handled) QTableWidget::keyPressEvent(event);
}
