#pragma once
#include <QString>

class Dialogs;
class Launcher;
class SpeechEngine;
class DisplayModes;
class Random;
class Forms;
class SharedState;

// Everything a window reaches outside itself: the platform layers, the folders, the one random
// generator, the window registry and the state the windows share. main() fills it with the real
// implementations, tests with fakes.
struct Services {
    Dialogs& dialogs;
    Launcher& launcher;
    SpeechEngine& speech; // the speech window's synthesiser
    DisplayModes& displayModes;
    Random& random;
    Forms& forms;
    SharedState& state;
    QString programFolder; // the user's Taudrin folder
    QString scratchFolder; // private folder for the fixed scratch files
    int pauseScale = 100;  // percent of every pause's length; tests set 0
};
