#pragma once
#include "core/formwindow.h"

#include <QLabel>

// An activity window that is still to come: an empty window under the activity's own name and
// caption. Like every activity window it clears ActivityCode as it closes, whatever code it holds.
class PlaceholderForm : public Form {
    Q_OBJECT
public:
    PlaceholderForm(Services& services, const QString& caption);

    void Form_Unload(bool& cancel) override;

    QLabel* Label1 = nullptr; // tells the user the activity is on its way
};

// Registers a placeholder window under the given name, which becomes its objectName.
void addPlaceholderForm(Forms& forms, const QString& name, const QString& caption);
