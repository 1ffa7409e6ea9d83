#pragma once
#include <QImage>

// The workshop windows' pictures as they show them: painted by the build (postcardart.h,
// newspagepictures.h and wordsearchart.h draw them), read in place from the resources. The paper
// cube's are declared in cubenet.h.
QImage stampImage(int index);
QImage toolPanelImage();
QImage newsToolPanelImage();
QImage wordSearchPanelImage();
