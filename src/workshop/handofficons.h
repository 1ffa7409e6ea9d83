#pragma once
#include <QImage>
#include <QSize>

// The icon panel of the composing windows' hand-off buttons: three icons side by side, from left
// to right the office suite (a stack of office sheets), a text document and the picture editor
// (a painter's palette with a brush), each filling a third of the panel on a light ground.
QImage drawHandOffIcons(QSize size);
