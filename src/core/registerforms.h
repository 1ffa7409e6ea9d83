#pragma once

class Forms;

// Registers the windows that live in core under their own names: the speech window.
void registerCoreForms(Forms& forms);
