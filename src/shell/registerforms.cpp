#include "shell/registerforms.h"
#include "shell/displaymodedialogs.h"
#include "shell/form1.h"
#include "shell/tata.h"

void registerShellForms(Forms& forms) {
    forms.add<form1>();
    forms.add<TATA>();
    forms.add<resolucion>();
    forms.add<resolucion2>();
}
