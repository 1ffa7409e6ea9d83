#include "testservices.h"
#include "app/application.h"

#include <QDir>

TestServices::TestServices() {
    const QString program = dir_.filePath(QStringLiteral("taudrin"));
    const QString scratch = dir_.filePath(QStringLiteral("scratch"));
    QDir().mkpath(program);
    QDir().mkpath(scratch);
    services_ = std::make_unique<Services>(dialogs, launcher, office, speech, spelling, displayModes,
                                           printing, random, forms_, state_, program, scratch);
    services_->pauseScale = 0;
    forms_.setServices(services_.get());
    registerAllForms(forms_);
}

TestServices::~TestServices() = default;
