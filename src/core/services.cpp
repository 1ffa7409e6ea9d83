#include "core/services.h"
#include "core/folders.h"

#include <QDir>
#include <QFileInfo>

Services::Services(Dialogs& dialogs, Launcher& launcher, OfficeSuite& office, SpeechEngine& speech,
                   SpellChecker& spelling, DisplayModes& displayModes, Printing& printing, Random& random,
                   Forms& forms, SharedState& state, const QString& programFolder,
                   const QString& scratchFolder)
    : dialogs(dialogs), launcher(launcher), office(office), speech(speech), spelling(spelling),
      displayModes(displayModes), printing(printing), random(random), forms(forms), state(state),
      programFolder(programFolder), scratchFolder(scratchFolder),
      currentFolder(QDir(programFolder).filePath(QStringLiteral("llistes"))),
      pictureFolder(QDir(programFolder).filePath(QStringLiteral("dibuixos"))) {}

QString Services::inCurrentFolder(const QString& fileName) const {
    return QDir::cleanPath(QDir(currentFolder).absoluteFilePath(fileName));
}

QString Services::inScratchFolder(const QString& fileName) const {
    // A cache cleaner may have taken the folder away while the program runs.
    if (!scratchFolder.isEmpty() && !QFileInfo(scratchFolder).isDir()) ensurePrivateFolder(scratchFolder);
    return QDir(scratchFolder).filePath(fileName);
}

void Services::moveCurrentFolderTo(const QString& filePath) {
    currentFolder = QFileInfo(inCurrentFolder(filePath)).absolutePath();
}
