#include "core/registerforms.h"
#include "core/tata.h"

void registerCoreForms(Forms& forms) {
    forms.add<TATA>();
}
