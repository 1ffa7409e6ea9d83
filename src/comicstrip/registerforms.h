#pragma once

class Forms;

// Registers every window of the comic strip under its own name.
void registerComicStripForms(Forms& forms);
