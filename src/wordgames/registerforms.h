#pragma once

class Forms;

// Registers every window of the word games and word lists under its own name.
void registerWordGameForms(Forms& forms);
