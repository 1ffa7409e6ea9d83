#include "workshop/registerforms.h"
#include "core/placeholderform.h"
#include "workshop/calendar.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerWorkshopForms(Forms& forms) {
    forms.add<Form2>();
#include "workshop/papercube.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerWorkshopForms(Forms& forms) {
    forms.add<Form5>();
    addPlaceholderForm(forms, QStringLiteral("Form7"), QStringLiteral("Taudrin'TXT FER UNA POSTAL"));
#include "workshop/postcard.h"
#include "workshop/newspage.h"
#include "workshop/letrascolores.h"
#include "workshop/form16.h"
#include "workshop/form19.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerWorkshopForms(Forms& forms) {
    addPlaceholderForm(forms, QStringLiteral("Form5"), QStringLiteral("Taudrin'TXT FER UN CUB"));
    addPlaceholderForm(forms, QStringLiteral("Form2"), QStringLiteral("Taudrin'TXT EL CALENDARI"));
    forms.add<Form7>();
    addPlaceholderForm(forms, QStringLiteral("Form61"), QStringLiteral("Taudrin'TXT TALLER ESCRITORI"));
    addPlaceholderForm(forms, QStringLiteral("Form7"), QStringLiteral("Taudrin'TXT FER UNA POSTAL"));
    forms.add<Form61>();
    addPlaceholderForm(forms, QStringLiteral("letrascolores"), QStringLiteral("TAUDRIN'SOPA LLETRES (II)"));
    forms.add<letrascolores>();
    addPlaceholderForm(forms, QStringLiteral("Form16"), QStringLiteral("TAUDRIN'SOPA DE LLETRES"));
    addPlaceholderForm(forms, QStringLiteral("Form19"), QStringLiteral("Taudrin'sopa de lletra amb dibuix"));
    forms.add<Form16>();
    forms.add<Form19>();
}
