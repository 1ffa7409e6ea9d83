#include "workshop/registerforms.h"
#include "workshop/calendar.h"
#include "workshop/form16.h"
#include "workshop/form19.h"
#include "workshop/letrascolores.h"
#include "workshop/newspage.h"
#include "workshop/papercube.h"
#include "workshop/postcard.h"

void registerWorkshopForms(Forms& forms) {
    forms.add<Form5>();
    forms.add<Form2>();
    forms.add<Form7>();
    forms.add<Form61>();
    forms.add<letrascolores>();
    forms.add<Form16>();
    forms.add<Form19>();
}
