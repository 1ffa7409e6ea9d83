#include "documents/registerforms.h"
#include "documents/billsheet.h"
#include "documents/businesscards.h"
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
    forms.add<Form17>();
}
