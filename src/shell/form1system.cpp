// The main window's system items: the display mode and the clipboard picture capture.
#include "shell/form1.h"

void form1::POL1_Click() {}

void form1::POL2_Click() {}

void form1::ACSI_Click() {}

void form1::ACNO_Click() {}
