#pragma once
#include <QString>

// The user's Taudrin folder (where lists, texts and pictures live).
QString defaultProgramFolder();
// The private per-user folder for the fixed scratch files.
QString defaultScratchFolder();

// Makes the user's Taudrin folder (and its parents) when missing and tries a file in it: false
// when work cannot be saved there (a file stands in its place, it or its disk is read-only).
bool prepareWorkFolder(const QString& path);
// What the user is told at start when that fails; it names the folder.
QString unusableFolderText(const QString& path);

// Creates the folder (and its parents) when missing and makes it private to the user (0700).
bool ensurePrivateFolder(const QString& path);

// Copies every file below sourceRoot (a folder or a resource path such as ":/ship") into target
// where no file of that name exists yet; never overwrites. Returns the number of files copied.
int seedFolder(const QString& sourceRoot, const QString& target);

// A path below a folder built from parts ("llistes", "animals.bak").
QString folderPath(const QString& folder, const QString& part1, const QString& part2 = {});

// The path of the file in folder named name, its case ignored (an exact match first, as names are
// told apart without case); empty when there is none.
QString findFileIgnoringCase(const QString& folder, const QString& name);

// Whether a name the user typed may become a file or folder name: not empty, not starting with a
// dot (nor "." or ".."), no path separator and no control character.
bool isSafeFileName(const QString& name);
