#pragma once
#include <QString>

class Dialogs;
class Launcher;
class OfficeSuite;
class SpeechEngine;
class SpellChecker;
class DisplayModes;
class Printing;
class Random;
class Forms;
class SharedState;

// Everything a window reaches outside itself: the platform layers, the folders, the one random
// generator, the window registry and the state the windows share. main() fills it with the real
// implementations, tests with fakes.
struct Services {
    Services(Dialogs& dialogs, Launcher& launcher, OfficeSuite& office, SpeechEngine& speech,
             SpellChecker& spelling, DisplayModes& displayModes, Printing& printing, Random& random,
             Forms& forms, SharedState& state, const QString& programFolder, const QString& scratchFolder);

    Dialogs& dialogs;
    Launcher& launcher;
    OfficeSuite& office;    // documents opened as new untitled ones in the office suite
    SpeechEngine& speech;   // the speech window's synthesiser
    SpellChecker& spelling; // Catalan
    DisplayModes& displayModes;
    Printing& printing; // the system printer; windows print through core/printer.h
    Random& random;
    Forms& forms;
    SharedState& state;
    QString programFolder; // the user's Taudrin folder
    QString scratchFolder; // private folder for the fixed scratch files
    int pauseScale = 100;  // percent of every pause's length; tests set 0

    // The folder a bare file name is read from, as a current folder: "llistes" in the program
    // folder at start, then the folder of the file last chosen in an open dialog. The process's
    // own working folder is never used, so no window depends on where the program was started.
    QString currentFolder;
    // The picture folder last chosen in any window ("dibuixos" in the program folder at start):
    // a new picture list starts there.
    QString pictureFolder;
    // The path of a file named from the current folder (an absolute path stays as it is).
    QString inCurrentFolder(const QString& fileName) const;
    // A fixed scratch file's path.
    QString inScratchFolder(const QString& fileName) const;
    // The current folder becomes the folder that holds the file.
    void moveCurrentFolderTo(const QString& filePath);
};
