#pragma once
#include <QByteArray>
#include <QString>

struct Services;

// Writes a text for the desktop's text editor into the fixed scratch file `name` and opens it
// there, without waiting; false when the file can't be written (nothing is opened) or the editor
// can't be started.
bool openScratchText(Services& services, const QString& name, const QByteArray& bytes);
