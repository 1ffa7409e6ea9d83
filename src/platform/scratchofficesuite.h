#pragma once
#include "platform/officesuite.h"

#include <QString>

class Launcher;

// Writes each document as a flat OpenDocument text of its own into the scratch folder and hands
// it to the Launcher's office suite. A file once handed over is never written again (the suite
// may still be reading it); the files of earlier runs are removed when this starts.
class ScratchOfficeSuite : public OfficeSuite {
public:
    ScratchOfficeSuite(Launcher& launcher, QString scratchFolder);

    bool open(const OfficeDocument& document) override;

    // The file the last open wrote (empty before the first, or when writing failed).
    QString lastFile() const { return lastFile_; }

private:
    void removeEarlierRuns() const;
    QString newFileName();

    Launcher& launcher_;
    QString folder_;
    QString prefix_; // "document-PID-"
    int next_ = 1;
    QString lastFile_;
};
