#pragma once

class Forms;

// Registers the windows of the shell under their own names: the main window and the display-mode
// dialogs.
void registerShellForms(Forms& forms);
