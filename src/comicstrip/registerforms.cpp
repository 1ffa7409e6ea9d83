#include "comicstrip/registerforms.h"
#include "comicstrip/form6.h"
#include "core/forms.h"

void registerComicStripForms(Forms& forms) {
    forms.add<Form6>();
}
