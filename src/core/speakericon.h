#pragma once
#include <QImage>

// The loudspeaker that the speaking games show beside a word (59 x 24): a click on it reads the
// word aloud.
QImage drawSpeakerIcon();
constexpr int SpeakerIconWidth = 59;
constexpr int SpeakerIconHeight = 24;
