#pragma once
#include "core/forms.h"
#include "core/random.h"
#include "core/services.h"
#include "core/sharedstate.h"
#include "platform/desktoplauncher.h"
#include "platform/displaymodes.h"
#include "platform/espeakspeech.h"
#include "platform/hunspellspellchecker.h"
#include "platform/qtdialogs.h"
#include "platform/qtprinting.h"
#include "platform/scratchofficesuite.h"

#include <memory>

// Owns the real platform layers and the services built on them, and registers every window.
class Application {
public:
    Application();
    ~Application();
    Services& services() { return *services_; }
    // Shows the main window, and says so when the user's Taudrin folder cannot keep work.
    void start();
    // How long after start() the speech synthesiser starts readying itself.
    static constexpr int PrepareSpeechAfterMs = 300;

private:
    bool programFolderUsable_ = true;
    QtDialogs dialogs_;
    DesktopLauncher launcher_;
    std::unique_ptr<ScratchOfficeSuite> office_; // made once the scratch folder is known
    std::unique_ptr<DisplayModes> displayModes_ = createDisplayModes();
    QtPrinting printing_;
    EspeakSpeech speech_;           // readied after start(), or at its first use
    HunspellSpellChecker spelling_; // reads its dictionary at the first check
    Random random_;
    SharedState state_;
    std::unique_ptr<Services> services_;
    Forms forms_; // last member: its windows go before the layers they use
};

// Registers every window of the program under its own name.
void registerAllForms(Forms& forms);
// Qt's application name and the font stand-ins; call once the QApplication exists.
void setUpApplication();
