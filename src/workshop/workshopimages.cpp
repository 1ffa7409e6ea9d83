#include "workshop/workshopimages.h"
#include "core/twips.h"
#include "workshop/builtpictures.h"
#include "workshop/newspagepictures.h"
#include "workshop/postcardart.h"
#include "workshop/postcardrules.h"
#include "workshop/wordsearchart.h"

#include <array>

QImage stampImage(int index) {
    static std::array<QImage, StampCount> loaded;
    if (index < 0 || index >= StampCount) return drawStamp(index);
    QImage& stamp = loaded[size_t(index)];
    if (stamp.isNull()) {
        const QRect place = stampPlaceTwips(index);
        stamp = builtPicture(QStringLiteral(":/workshop/stamp%1.argb").arg(index),
                             twSize(place.width(), place.height()), QImage::Format_ARGB32_Premultiplied);
        if (stamp.isNull()) stamp = drawStamp(index);
    }
    return stamp;
}

QImage toolPanelImage() {
    static QImage panel;
    if (panel.isNull()) {
        panel = builtPicture(QStringLiteral(":/workshop/toolpanel.rgb"),
                             QSize(ToolPanelWidth, ToolPanelHeight), QImage::Format_RGB32);
        if (panel.isNull()) panel = drawToolPanel();
    }
    return panel;
}

QImage newsToolPanelImage() {
    static QImage panel;
    if (panel.isNull()) {
        panel =
            builtPicture(QStringLiteral(":/workshop/newstools.rgb"), QSize(135, 216), QImage::Format_RGB32);
        if (panel.isNull()) panel = drawNewsToolPanel();
    }
    return panel;
}

QImage wordSearchPanelImage() {
    static QImage panel;
    if (panel.isNull()) {
        panel = builtPicture(QStringLiteral(":/workshop/wordsearchpanel.rgb"),
                             QSize(WordSearchPanelWidth, WordSearchPanelHeight), QImage::Format_RGB32);
        if (panel.isNull()) panel = drawWordSearchPanel();
    }
    return panel;
}
