#pragma once

class QWidget;
struct Services;

// The one failure message of the program: a box with the single word "Error".
void showError(Services& services, QWidget* parent);
