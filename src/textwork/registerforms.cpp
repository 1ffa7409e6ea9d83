#include "textwork/registerforms.h"
#include "core/placeholderform.h"
#include "textwork/exerciseeditor.h"
#include "textwork/letterordering.h"
#include "textwork/spelling.h"
#include "textwork/copytyping.h"
#include "textwork/player.h"
#include "textwork/letterordering.h"

void registerTextWorkForms(Forms& forms) {
    forms.add<cancions>();
    forms.add<form50>();
    forms.add<Form14>();
    forms.add<Form26>();
    // Windows still to be built stand as placeholders under their own names and captions.
    addPlaceholderForm(forms, QStringLiteral("grabaci"), QStringLiteral("Edició de textes"));
    addPlaceholderForm(forms, QStringLiteral("form50"), QStringLiteral("Taudrin'TXT Escriu un text"));
    addPlaceholderForm(forms, QStringLiteral("Form14"),
                       QStringLiteral("Taudrin'TXT Omplir lletres d'una paraula"));
    forms.add<grabaci>();
    addPlaceholderForm(forms, QStringLiteral("Form18"), QStringLiteral("TAUDRIN'PROCESSADOR DE TEXT"));
}
