#pragma once

class Forms;

// Registers every window of the arithmetic worksheets under its own name.
void registerWorksheetForms(Forms& forms);
