#pragma once

// Has Qt's own dialogs and buttons speak Catalan, whatever the desktop's language, by loading
// Qt's Catalan translation. Without it installed they stay in English and the program goes on.
// Call once the application object exists; true when the translation was loaded.
bool installCatalanTranslation();
