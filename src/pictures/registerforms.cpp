#include "pictures/registerforms.h"
#include "core/placeholderform.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerPictureForms(Forms& forms) {
    addPlaceholderForm(forms, QStringLiteral("Form3"), QStringLiteral("Taudrin'TXT  LA TISORA DE RETALLAR"));
    addPlaceholderForm(forms, QStringLiteral("Form10"), QStringLiteral("Taudrin'TXT-EFECTE ESPECIALS"));
    addPlaceholderForm(forms, QStringLiteral("Form9"),
                       QStringLiteral("Taudrin'TXT MONTATGE DE TEXT I GRAFICS"));
    addPlaceholderForm(forms, QStringLiteral("Form4"), QStringLiteral("Taudrin'TXT  PUZZLES"));
    addPlaceholderForm(forms, QStringLiteral("Form8"), QStringLiteral("Taudrin'TXT EMPAQUETAR EN EL WORD"));
}
