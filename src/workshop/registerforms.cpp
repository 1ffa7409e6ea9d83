#include "workshop/registerforms.h"
#include "core/placeholderform.h"
#include "workshop/form16.h"
#include "workshop/form19.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerWorkshopForms(Forms& forms) {
    addPlaceholderForm(forms, QStringLiteral("Form5"), QStringLiteral("Taudrin'TXT FER UN CUB"));
    addPlaceholderForm(forms, QStringLiteral("Form2"), QStringLiteral("Taudrin'TXT EL CALENDARI"));
    addPlaceholderForm(forms, QStringLiteral("Form7"), QStringLiteral("Taudrin'TXT FER UNA POSTAL"));
    addPlaceholderForm(forms, QStringLiteral("Form61"), QStringLiteral("Taudrin'TXT TALLER ESCRITORI"));
    addPlaceholderForm(forms, QStringLiteral("letrascolores"), QStringLiteral("TAUDRIN'SOPA LLETRES (II)"));
    forms.add<Form16>();
    forms.add<Form19>();
}
