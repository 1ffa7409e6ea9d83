#include "documents/registerforms.h"
#include "core/placeholderform.h"
#include "documents/billsheet.h"
#include "documents/familyletter.h"
#include "documents/identitydocument.h"
#include "documents/phonelist.h"
#include "documents/phonetopup.h"

void registerDocumentForms(Forms& forms) {
    forms.add<movile>();
    forms.add<Form13>();
    forms.add<Form12>();
    forms.add<Form11>();
    forms.add<COMPRAWWW>();
    // Windows still to be built stand as placeholders under their own names and captions.
    addPlaceholderForm(forms, QStringLiteral("Form17"), QStringLiteral("Taudrin-Targetes"));
}
