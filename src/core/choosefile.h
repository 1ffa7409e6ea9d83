#pragma once
#include "platform/dialogs.h"

#include <QString>
#include <optional>

class QWidget;
struct Services;

// Asks for a file through the open dialog. A cancel gives nothing, silently; a failed dialog, or a
// name that can't be a file (a folder, an unsafe name), shows the "Error" box and gives nothing.
// A file chosen becomes the current folder's new place (Services::currentFolder); its full path
// is returned.
std::optional<QString> chooseFile(Services& services, QWidget* parent, const OpenRequest& request);
// As chooseFile, without a word: a failed dialog or a name that can't be a file gives nothing, as
// a cancel does.
std::optional<QString> chooseFileSilently(Services& services, QWidget* parent, const OpenRequest& request);
