#include "app/application.h"
#include "comicstrip/registerforms.h"
#include "documents/registerforms.h"
#include "pictures/registerforms.h"
#include "shell/folders.h"
#include "shell/fonts.h"
#include "shell/registerforms.h"
#include "textwork/registerforms.h"
#include "wordgames/registerforms.h"
#include "worksheets/registerforms.h"
#include "workshop/registerforms.h"

#include <QApplication>
#include <QDir>

void setUpApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Taudrin"));
    QApplication::setApplicationDisplayName(QString());
    installFontSubstitutions();
}

void registerAllForms(Forms& forms) {
    registerShellForms(forms);
    registerWordGameForms(forms);
    registerWorkshopForms(forms);
    registerComicStripForms(forms);
    registerTextWorkForms(forms);
    registerPictureForms(forms);
    registerDocumentForms(forms);
    registerWorksheetForms(forms);
}

Application::Application() {
    const QString program = defaultProgramFolder();
    const QString scratch = defaultScratchFolder();
    QDir().mkpath(program);
    ensurePrivateFolder(scratch);
    // What the program ships goes into the user's folder where it is missing.
    seedFolder(QStringLiteral(":/ship"), program);
    services_.reset(
        new Services{dialogs_, launcher_, speech_, *displayModes_, random_, forms_, state_, program, scratch});
    forms_.setServices(services_.get());
    registerAllForms(forms_);
}

Application::~Application() = default;
