#include "core/translation.h"
#include "core/log.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installCatalanTranslation() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    auto* translator = new QTranslator(app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_ca"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        qCInfo(lcCore) << "no Catalan translation of Qt in" << folder;
        delete translator;
        return false;
    }
    return true;
}
