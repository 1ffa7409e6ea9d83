#include "pictures/registerforms.h"
#include "pictures/form10.h"
#include "pictures/form3.h"
#include "pictures/form4.h"
#include "pictures/form8.h"
#include "pictures/form9.h"

void registerPictureForms(Forms& forms) {
    forms.add<Form10>();
    forms.add<Form3>();
    forms.add<Form9>();
    forms.add<Form4>();
    forms.add<Form8>();
}
