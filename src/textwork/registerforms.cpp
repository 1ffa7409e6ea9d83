#include "textwork/registerforms.h"
#include "core/placeholderform.h"
#include "textwork/letterordering.h"
#include "textwork/player.h"
#include "textwork/spelling.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerTextWorkForms(Forms& forms) {
    forms.add<cancions>();
    addPlaceholderForm(forms, QStringLiteral("form50"), QStringLiteral("Taudrin'TXT Escriu un text"));
    forms.add<Form14>();
    addPlaceholderForm(forms, QStringLiteral("grabaci"), QStringLiteral("Edició de textes"));
    addPlaceholderForm(forms, QStringLiteral("Form18"), QStringLiteral("TAUDRIN'PROCESSADOR DE TEXT"));
    forms.add<Form26>();
}
