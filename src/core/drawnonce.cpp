#include "core/drawnonce.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QPointer>

namespace {
class DrawnPictures : public QObject {
public:
    using QObject::QObject;
    QHash<QByteArray, QImage> pictures;
};
} // namespace

QImage drawnOnce(const char* key, QImage (*draw)()) {
    static QPointer<DrawnPictures> drawn;
    if (!QCoreApplication::instance()) return draw();
    if (!drawn) drawn = new DrawnPictures(QCoreApplication::instance());
    const QByteArray name(key);
    auto it = drawn->pictures.constFind(name);
    if (it == drawn->pictures.constEnd()) it = drawn->pictures.insert(name, draw());
    return *it;
}
