#pragma once

class Forms;

// Registers every window of the picture workshop under its own name.
void registerPictureForms(Forms& forms);
