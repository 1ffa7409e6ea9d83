#include "workshop/registerforms.h"
#include "core/placeholderform.h"
#include "workshop/letrascolores.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerWorkshopForms(Forms& forms) {
    addPlaceholderForm(forms, QStringLiteral("Form5"), QStringLiteral("Taudrin'TXT FER UN CUB"));
    addPlaceholderForm(forms, QStringLiteral("Form2"), QStringLiteral("Taudrin'TXT EL CALENDARI"));
    addPlaceholderForm(forms, QStringLiteral("Form7"), QStringLiteral("Taudrin'TXT FER UNA POSTAL"));
    addPlaceholderForm(forms, QStringLiteral("Form61"), QStringLiteral("Taudrin'TXT TALLER ESCRITORI"));
    forms.add<letrascolores>();
    addPlaceholderForm(forms, QStringLiteral("Form16"), QStringLiteral("TAUDRIN'SOPA DE LLETRES"));
    addPlaceholderForm(forms, QStringLiteral("Form19"), QStringLiteral("Taudrin'sopa de lletra amb dibuix"));
}
