#include "app/application.h"
#include "comicstrip/registerforms.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/fonts.h"
#include "core/registerforms.h"
#include "core/translation.h"
#include "documents/registerforms.h"
#include "pictures/registerforms.h"
#include "shell/form1.h"
#include "shell/registerforms.h"
#include "textwork/registerforms.h"
#include "wordgames/registerforms.h"
#include "worksheets/registerforms.h"
#include "workshop/registerforms.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QProxyStyle>
#include <QTimer>

namespace {
// The desktop's style, keeping the standard icons it has read: it reads them from their files at
// every request, and every window's menu bar asks for one as it is made.
class KeptIconsStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (option) return QProxyStyle::standardIcon(icon, option, widget);
        const int key = int(icon) * 2 + (widget && widget->isRightToLeft() ? 1 : 0);
        auto kept = kept_.constFind(key);
        if (kept == kept_.constEnd())
            kept = kept_.insert(key, QProxyStyle::standardIcon(icon, option, widget));
        return *kept;
    }

private:
    mutable QHash<int, QIcon> kept_;
};
} // namespace

void setUpApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Taudrin"));
    QApplication::setApplicationDisplayName(QString());
    installFontSubstitutions();
    installCatalanTranslation();
    QApplication::setStyle(new KeptIconsStyle); // the application owns it
}

void registerAllForms(Forms& forms) {
    registerCoreForms(forms);
    registerShellForms(forms);
    registerWordGameForms(forms);
    registerWorkshopForms(forms);
    registerComicStripForms(forms);
    registerTextWorkForms(forms);
    registerPictureForms(forms);
    registerDocumentForms(forms);
    registerWorksheetForms(forms);
}

Application::Application() {
    const QString program = defaultProgramFolder();
    const QString scratch = defaultScratchFolder();
    programFolderUsable_ = prepareWorkFolder(program);
    ensurePrivateFolder(scratch);
    office_ = std::make_unique<ScratchOfficeSuite>(launcher_, scratch);
    // What the program ships goes into the user's folder where it is missing.
    if (programFolderUsable_) seedFolder(QStringLiteral(":/ship"), program);
    services_ = std::make_unique<Services>(dialogs_, launcher_, *office_, speech_, spelling_, *displayModes_,
                                           printing_, random_, forms_, state_, program, scratch);
    forms_.setServices(services_.get());
    registerAllForms(forms_);
}

Application::~Application() = default;

void Application::start() {
    form1& main = forms_.show<form1>();
    // The program still runs: the activities work, only saving fails, and the user knows why.
    // Said once the main window is up and painted, from the event loop.
    if (!programFolderUsable_)
        QTimer::singleShot(0, &main, [this, &main] { showUnusableFolder(*services_, &main); });
    // Once the main window is up, the speech synthesiser readies itself in the background, so
    // that neither the first word spoken nor the speech window's first opening waits for it.
    QTimer::singleShot(PrepareSpeechAfterMs, &main, [this] { speech_.prepare(); });
}
