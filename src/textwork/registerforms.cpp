#include "textwork/registerforms.h"
#include "textwork/copytyping.h"
#include "textwork/exerciseeditor.h"
#include "textwork/letterordering.h"
#include "textwork/player.h"
#include "textwork/spelling.h"
#include "textwork/wordprocessor.h"

void registerTextWorkForms(Forms& forms) {
    forms.add<cancions>();
    forms.add<form50>();
    forms.add<Form14>();
    forms.add<grabaci>();
    forms.add<Form18>();
    forms.add<Form26>();
}
