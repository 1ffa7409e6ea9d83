#include "worksheets/registerforms.h"
#include "core/forms.h"
#include "worksheets/todossi.h"

void registerWorksheetForms(Forms& forms) {
    forms.add<todossi>();
}
