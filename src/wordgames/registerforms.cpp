#include "wordgames/registerforms.h"
#include "wordgames/dictation.h"
#include "wordgames/findtheword.h"
#include "wordgames/formk.h"
#include "wordgames/hiddenword.h"
#include "wordgames/spellcheck.h"
#include "wordgames/trenta.h"
#include "wordgames/typewriter.h"
#include "wordgames/writeaword.h"

void registerWordGameForms(Forms& forms) {
    forms.add<formk>();
    forms.add<amaga>();
    forms.add<escritors>();
    forms.add<palabrejas>();
    forms.add<trobass>();
    forms.add<dicci>();
    forms.add<trenta>();
    forms.add<Form15>();
}
