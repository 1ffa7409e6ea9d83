#pragma once
#include "core/forms.h"
#include "core/random.h"
#include "core/services.h"
#include "core/sharedstate.h"
#include "fakedialogs.h"
#include "fakedisplaymodes.h"
#include "fakelauncher.h"
#include "fakeofficesuite.h"
#include "fakeprinting.h"
#include "fakespeech.h"
#include "fakespellchecker.h"

#include <QTemporaryDir>
#include <memory>

// Services over fakes, with the program and scratch folders in a fresh temporary folder, pauses
// of length 0, a seeded generator and every window of the program registered.
class TestServices {
public:
    TestServices();
    ~TestServices();

    Services& services() { return *services_; }
    Forms& forms() { return forms_; }
    SharedState& state() { return state_; }
    QString programFolder() const { return services_->programFolder; }
    QString scratchFolder() const { return services_->scratchFolder; }

    FakeDialogs dialogs;
    FakeLauncher launcher;
    FakeOfficeSuite office;
    FakeDisplayModes displayModes;
    FakePrinting printing;
    FakeSpeech speech;
    FakeSpellChecker spelling;
    Random random;

private:
    QTemporaryDir dir_;
    SharedState state_;
    std::unique_ptr<Services> services_;
    Forms forms_; // last: its windows go first
};
