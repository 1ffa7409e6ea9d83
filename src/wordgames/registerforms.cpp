#include "wordgames/registerforms.h"
#include "core/placeholderform.h"
#include "wordgames/spellcheck.h"
#include "wordgames/trenta.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerWordGameForms(Forms& forms) {
    addPlaceholderForm(forms, QStringLiteral("formk"), QStringLiteral("Ordenar alfabèticament.."));
    addPlaceholderForm(forms, QStringLiteral("amaga"), QStringLiteral("Paraula amagada"));
    addPlaceholderForm(forms, QStringLiteral("escritors"), QStringLiteral("Taudrin'TXT Escriu paraules"));
    addPlaceholderForm(forms, QStringLiteral("palabrejas"), QStringLiteral("Taudrin'TXT Màquina d'escriure"));
    addPlaceholderForm(forms, QStringLiteral("trobass"), QStringLiteral("Taudrin'TXT Paraules"));
    forms.add<dicci>();
    forms.add<trenta>();
    addPlaceholderForm(forms, QStringLiteral("Form15"), QStringLiteral("Taudrin"));
}
