#pragma once

class Forms;

// Registers every window of the text work under its own name.
void registerTextWorkForms(Forms& forms);
