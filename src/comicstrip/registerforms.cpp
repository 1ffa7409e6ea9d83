#include "comicstrip/registerforms.h"
#include "core/placeholderform.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerComicStripForms(Forms& forms) {
    addPlaceholderForm(forms, QStringLiteral("Form6"), QStringLiteral("Taudrin'TXT LES AUQUES"));
}
