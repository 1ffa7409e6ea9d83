#pragma once
#include <QImage>

// Pictures the picture windows show before the user loads one, drawn here.

// The effects window's drawing: a house by a tree under the sun, 320 x 240 pixels.
QImage drawEffectsSample();

// The cut-out window's sample: a bird of prey on a branch, on white, 396 x 339 pixels.
QImage drawCutOutSample();
