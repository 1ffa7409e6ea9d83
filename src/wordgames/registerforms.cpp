#include "wordgames/registerforms.h"
#include "core/placeholderform.h"
#include "wordgames/hiddenword.h"
#include "wordgames/trenta.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerWordGameForms(Forms& forms) {
    addPlaceholderForm(forms, QStringLiteral("formk"), QStringLiteral("Ordenar alfabèticament.."));
    forms.add<amaga>();
    addPlaceholderForm(forms, QStringLiteral("escritors"), QStringLiteral("Taudrin'TXT Escriu paraules"));
    addPlaceholderForm(forms, QStringLiteral("palabrejas"), QStringLiteral("Taudrin'TXT Màquina d'escriure"));
    addPlaceholderForm(forms, QStringLiteral("trobass"), QStringLiteral("Taudrin'TXT Paraules"));
    addPlaceholderForm(forms, QStringLiteral("dicci"), QStringLiteral("Taudrin'TXT-corrector ortogràfic"));
    forms.add<trenta>();
    addPlaceholderForm(forms, QStringLiteral("Form15"), QStringLiteral("Taudrin"));
}
