#pragma once

// Maps the font names the windows are designed with to the free fonts that stand in for them.
void installFontSubstitutions();
