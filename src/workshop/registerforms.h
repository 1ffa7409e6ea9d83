#pragma once

class Forms;

// Registers every window of the creative workshop under its own name.
void registerWorkshopForms(Forms& forms);
