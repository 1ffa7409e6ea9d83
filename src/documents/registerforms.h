#pragma once

class Forms;

// Registers every window of the everyday documents under its own name.
void registerDocumentForms(Forms& forms);
