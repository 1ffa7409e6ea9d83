#pragma once

class QWidget;

// Centres a window on the primary screen's free area, at the size it will be shown; a window
// larger than that area keeps to its top-left corner.
void centreOnScreen(QWidget* window);
