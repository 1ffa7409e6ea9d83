#include "wordgames/registerforms.h"
#include "core/placeholderform.h"
#include "wordgames/trenta.h"
#include "wordgames/typewriter.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerWordGameForms(Forms& forms) {
    addPlaceholderForm(forms, QStringLiteral("formk"), QStringLiteral("Ordenar alfabèticament.."));
    addPlaceholderForm(forms, QStringLiteral("amaga"), QStringLiteral("Paraula amagada"));
    addPlaceholderForm(forms, QStringLiteral("escritors"), QStringLiteral("Taudrin'TXT Escriu paraules"));
    forms.add<palabrejas>();
    addPlaceholderForm(forms, QStringLiteral("trobass"), QStringLiteral("Taudrin'TXT Paraules"));
    addPlaceholderForm(forms, QStringLiteral("dicci"), QStringLiteral("Taudrin'TXT-corrector ortogràfic"));
    forms.add<trenta>();
    addPlaceholderForm(forms, QStringLiteral("Form15"), QStringLiteral("Taudrin"));
}
