#include "pictures/registerforms.h"
#include "core/placeholderform.h"
#include "pictures/form10.h"
#include "pictures/form3.h"
#include "pictures/form4.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerPictureForms(Forms& forms) {
    forms.add<Form10>();
    forms.add<Form3>();
    forms.add<Form4>();
    addPlaceholderForm(forms, QStringLiteral("Form9"),
                       QStringLiteral("Taudrin'TXT MONTATGE DE TEXT I GRAFICS"));
    addPlaceholderForm(forms, QStringLiteral("Form8"), QStringLiteral("Taudrin'TXT EMPAQUETAR EN EL WORD"));
}
