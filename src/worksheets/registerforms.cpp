#include "worksheets/registerforms.h"
#include "core/placeholderform.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerWorksheetForms(Forms& forms) {
    addPlaceholderForm(forms, QStringLiteral("todossi"), QStringLiteral("Taudrin'Càlcul->IMPR"));
}
