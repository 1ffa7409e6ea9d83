#include "shell/registerforms.h"
#include "shell/displaymodedialogs.h"
#include "shell/form1.h"
#include "shell/placeholderform.h"

void registerShellForms(Forms& forms) {
    forms.add<form1>();
    forms.add<resolucion>();
    forms.add<resolucion2>();
    // The speech window is still to be built; its placeholder stands under its name.
    addPlaceholderForm(forms, QStringLiteral("TATA"), QStringLiteral("Taudrin'veu"));
}
