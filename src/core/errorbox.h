#pragma once

class QWidget;
struct Services;

// The one failure message of the program: a box with the single word "Error".
void showError(Services& services, QWidget* parent);

// Said at start when the user's Taudrin folder cannot keep work (see prepareWorkFolder): the
// program goes on, but nothing can be saved there.
void showUnusableFolder(Services& services, QWidget* parent);
