#include "textwork/registerforms.h"
#include "core/placeholderform.h"
#include "textwork/copytyping.h"
#include "textwork/letterordering.h"
#include "textwork/spelling.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerTextWorkForms(Forms& forms) {
    forms.add<cancions>();
    forms.add<form50>();
    addPlaceholderForm(forms, QStringLiteral("Form14"),
                       QStringLiteral("Taudrin'TXT Omplir lletres d'una paraula"));
    addPlaceholderForm(forms, QStringLiteral("grabaci"), QStringLiteral("Edició de textes"));
    addPlaceholderForm(forms, QStringLiteral("Form18"), QStringLiteral("TAUDRIN'PROCESSADOR DE TEXT"));
    forms.add<Form26>();
}
