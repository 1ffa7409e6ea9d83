#include "textwork/registerforms.h"
#include "core/placeholderform.h"
#include "textwork/letterordering.h"
#include "textwork/spelling.h"
#include "textwork/wordprocessor.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerTextWorkForms(Forms& forms) {
    forms.add<cancions>();
    addPlaceholderForm(forms, QStringLiteral("form50"), QStringLiteral("Taudrin'TXT Escriu un text"));
    addPlaceholderForm(forms, QStringLiteral("Form14"),
                       QStringLiteral("Taudrin'TXT Omplir lletres d'una paraula"));
    addPlaceholderForm(forms, QStringLiteral("grabaci"), QStringLiteral("Edició de textes"));
    forms.add<Form18>();
    forms.add<Form26>();
}
