#include "pictures/cutdrag.h"

void CutDrag::press(QPoint at) {
    bandVisible = true;
    band.setSize(QSize(PressBandSide, PressBandSide));
    Label11W = at.x();
    Label12W = at.y();
}

void CutDrag::move(QPoint at) {
    const int x0 = Label11W, y0 = Label12W;
    // Only between a press and its release, and never for a press on the top row.
    if (!(y0 > 0)) return;
    band.moveTopLeft(QPoint(x0, y0));
    // The band takes no negative side: it keeps its last one.
    if (at.y() - y0 >= 0) band.setHeight(at.y() - y0);
    if (at.x() - x0 >= 0) band.setWidth(at.x() - x0);
    Label13W = x0;
    Label14W = y0;
    Label15W = at.y() - y0;
    Label16W = at.x() - x0;
}

CutDrag::Cut CutDrag::release(QSize previousPiece) {
    const int x0 = Label13W, y0 = Label14W, h = Label15W, w = Label16W;
    Cut cut;
    cut.piece =
        QRect(QPoint(x0, y0), QSize(w >= 0 ? w : previousPiece.width(), h >= 0 ? h : previousPiece.height()));
    cut.copy = w >= 0 && h >= 0;
    if (cut.copy) cut.source = QRect(x0, y0, w, h);
    bandVisible = false;
    band.setSize(QSize(0, 0));
    Label11W = Label12W = Label13W = Label14W = Label15W = Label16W = 0;
    return cut;
}
