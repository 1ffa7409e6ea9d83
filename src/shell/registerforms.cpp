#include "shell/registerforms.h"
#include "shell/displaymodedialogs.h"
#include "shell/form1.h"

void registerShellForms(Forms& forms) {
    forms.add<form1>();
    forms.add<resolucion>();
    forms.add<resolucion2>();
}
