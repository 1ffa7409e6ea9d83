#include "wordgames/registerforms.h"
#include "core/placeholderform.h"
#include "wordgames/dictation.h"
#include "wordgames/findtheword.h"
#include "wordgames/formk.h"
#include "wordgames/hiddenword.h"
#include "wordgames/trenta.h"
#include "wordgames/typewriter.h"
#include "wordgames/writeaword.h"

// Windows still to be built stand as placeholders under their own names and captions.
void registerWordGameForms(Forms& forms) {
    forms.add<formk>();
    forms.add<amaga>();
    forms.add<escritors>();
    forms.add<palabrejas>();
    forms.add<trobass>();
    addPlaceholderForm(forms, QStringLiteral("dicci"), QStringLiteral("Taudrin'TXT-corrector ortogràfic"));
    forms.add<trenta>();
    forms.add<Form15>();
}
