#include "app/application.h"
#include "shell/folders.h"
#include "shell/fonts.h"
#include "shell/form1.h"
#include "shell/tata.h"

#include <QApplication>
#include <QDir>

void setUpApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Taudrin"));
    QApplication::setApplicationDisplayName(QString());
    installFontSubstitutions();
}

void registerAllForms(Forms& forms) {
    forms.add<form1>();
    forms.add<TATA>();
}

Application::Application() {
    const QString program = defaultProgramFolder();
    const QString scratch = defaultScratchFolder();
    QDir().mkpath(program);
    ensurePrivateFolder(scratch);
    // What the program ships goes into the user's folder where it is missing.
    seedFolder(QStringLiteral(":/ship"), program);
    services_.reset(new Services{dialogs_, launcher_, speech_, random_, forms_, state_, program, scratch});
    forms_.setServices(services_.get());
    registerAllForms(forms_);
}

Application::~Application() = default;
