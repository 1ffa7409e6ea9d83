#include "pictures/registerforms.h"
#include "core/placeholderform.h"
#include "pictures/form10.h"
#include "pictures/form3.h"
#include "pictures/form9.h"
#include "pictures/form8.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerPictureForms(Forms& forms) {
    forms.add<Form10>();
    forms.add<Form3>();
    forms.add<Form9>();
    forms.add<Form8>();
    addPlaceholderForm(forms, QStringLiteral("Form9"),
                       QStringLiteral("Taudrin'TXT MONTATGE DE TEXT I GRAFICS"));
    addPlaceholderForm(forms, QStringLiteral("Form4"), QStringLiteral("Taudrin'TXT  PUZZLES"));
}
