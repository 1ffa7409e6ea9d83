#pragma once
#include <QImage>

// The speaker picture the speaking windows show (a click on it reads their word aloud): a small
// loudspeaker sending out sound waves, 59 x 24 pixels.
QImage drawSpeakerPicture();
constexpr int SpeakerPictureWidth = 59;
constexpr int SpeakerPictureHeight = 24;
