#include "documents/registerforms.h"
#include "core/placeholderform.h"
#include "documents/businesscards.h"
#include "documents/identitydocument.h"
#include "documents/phonetopup.h"

void registerDocumentForms(Forms& forms) {
    forms.add<movile>();
    forms.add<Form13>();
    forms.add<Form17>();
    // Windows still to be built stand as placeholders under their own names and captions.
    addPlaceholderForm(forms, QStringLiteral("Form12"), QStringLiteral("Taudrin'TXT REDACCIÓ D'UNA CARTA"));
    addPlaceholderForm(forms, QStringLiteral("Form11"), QStringLiteral("Taudrin'TXT L'AGENDA DE TELÈFONS"));
    addPlaceholderForm(forms, QStringLiteral("COMPRAWWW"), QStringLiteral("Taudrin'TXT-TAULA DE CÀLCUL"));
}
