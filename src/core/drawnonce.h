#pragma once
#include <QImage>

// A picture drawn in code, drawn once while the application runs and then shared by every window
// that shows it (QImage shares the pixels until a copy is painted on). The pictures go with the
// application object, not at the end of the process. Each key names one drawing.
QImage drawnOnce(const char* key, QImage (*draw)());
