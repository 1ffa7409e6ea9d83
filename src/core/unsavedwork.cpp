#include "core/unsavedwork.h"
#include "core/services.h"
#include "platform/dialogs.h"

#include <QStringList>
#include <algorithm>

bool mayLetWorkGo(Services& services, QWidget* parent, bool changed, const QString& question,
                  const std::function<bool()>& save) {
    if (!changed) return true;
    switch (services.dialogs.askUnsaved(parent, question, QStringLiteral("Taudrin"))) {
    case Dialogs::Unsaved::Save:
        return save();
    case Dialogs::Unsaved::Discard:
        return true;
    case Dialogs::Unsaved::Cancel:
        break;
    }
    return false;
}

QString unsavedQuestion(const QString& work, const QString& it, const QString& when) {
    return QStringLiteral("%1 té canvis que no s'han desat.\nVols desar-%2 abans %3?").arg(work, it, when);
}

bool allBlank(const QStringList& texts) {
    return std::all_of(texts.begin(), texts.end(),
                       [](const QString& text) { return text.trimmed().isEmpty(); });
}
