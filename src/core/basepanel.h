#pragma once
#include <QImage>

// The background panel that activity windows copy: 842 x 579 pixels of cream with a bevelled frame.
QImage drawBasePanel();
constexpr int BasePanelWidth = 842;
constexpr int BasePanelHeight = 579;
