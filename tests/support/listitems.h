#pragma once
#include <QListWidget>
#include <QStringList>

// The texts of a list box, top to bottom.
inline QStringList listItems(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}
