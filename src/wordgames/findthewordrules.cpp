#include "wordgames/findthewordrules.h"
#include "core/random.h"

#include <QList>

namespace findtheword {

QString entry(const QStringList& pool, int j) {
    return pool.value(j);
}

void dealInOrder(const QStringList& pool, Captions& buttons) {
    for (int k = 0; k < Buttons; ++k)
        buttons[k] = entry(pool, k).trimmed();
}

void dealFromList(const QStringList& pool, Captions& buttons, Random& random) {
    const int n = int(pool.size());
    for (int k = 0; k < Buttons; ++k)
        buttons[k] = k < n ? entry(pool, random.below(n)).trimmed() : QString();
}

void dealAfterHit(const QStringList& pool, Captions& buttons, Random& random) {
    const int n = int(pool.size());
    if (n < 10) {
        dealInOrder(pool, buttons);
    } else if (n > 10) {
        for (QString& caption : buttons)
            caption = entry(pool, random.below(n)).trimmed();
    }
}

int pickTarget(const Captions& buttons, Random& random) {
    QList<int> shown;
    for (int k = 0; k < Buttons; ++k)
        if (!buttons[k].isEmpty()) shown << k;
    if (shown.isEmpty()) return random.below(Buttons);
    return shown[random.below(int(shown.size()))];
}

bool isHit(const QString& caption, const QString& target) {
    return caption.trimmed() == target.trimmed();
}

} // namespace findtheword
