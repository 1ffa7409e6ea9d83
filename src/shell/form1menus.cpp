// The main window's menu bar: every activity by subject, the system items and the help notice.
#include "core/sharedstate.h"
#include "platform/dialogs.h"
#include "shell/form1.h"
#include "shell/openactivity.h"

#include <QMenuBar>

QMenu* form1::addMenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* form1::addItem(QMenu* menu, const char* name, const QString& caption, void (form1::*handler)()) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    if (handler) connect(item, &QAction::triggered, this, handler);
    return item;
}

void form1::createMenus() {
    SSSSq = addMenu(nullptr, "SSSSq", QStringLiteral("SISTEMA"));
    SONS = addItem(SSSSq, "SONS", QStringLiteral("SINTETITZADOR"), &form1::SONS_Click);
    EWS = addMenu(SSSSq, "EWS", QStringLiteral("RESOLUCIÓ"));
    POL1 = addItem(EWS, "POL1", QStringLiteral("800X600  (SORTIR DEL PROGRAMA, CONFIGURACIÓ NO COMPATIBLE)"),
                   &form1::POL1_Click);
    POL2 = addItem(EWS, "POL2", QStringLiteral("1024X768  Configuració compatible"), &form1::POL2_Click);
    SISTEMA = addMenu(SSSSq, "SISTEMA", QStringLiteral("SISTEMA COPIA IMATGE NAVEGADOR "));
    ACSI = addItem(SISTEMA, "ACSI", QStringLiteral("ACTIVAT"), &form1::ACSI_Click);
    ACSI->setCheckable(true);
    ACNO = addItem(SISTEMA, "ACNO", QStringLiteral("DESACTIVAT"), &form1::ACNO_Click);
    ACNO->setCheckable(true);
    ACNO->setChecked(true);
    esplo = addItem(SSSSq, "esplo", QStringLiteral("EXPLORER"), nullptr); // does nothing

    PP1 = addMenu(nullptr, "PP1", QStringLiteral("AUCA INTERACTIVA"));
    PP16 = addItem(PP1, "PP16", QStringLiteral("AUCA"), &form1::PP16_Click);
    PP2 = addItem(PP1, "PP2", QStringLiteral("ORDRE ALFABÈTIC"), &form1::PP2_Click);
    PP3 = addItem(PP1, "PP3", QStringLiteral("SOPA DE LLETRES"), &form1::PP3_Click);
    PP4 = addItem(PP1, "PP4", QStringLiteral("ESCRIU UNA PARAULA"), &form1::PP4_Click);
    PP53 = addItem(PP1, "PP53", QStringLiteral("MAQUINA D'ESCRIURE"), &form1::PP53_Click);
    PP5 = addItem(PP1, "PP5", QStringLiteral("BUSCA UNA PARAULA"), &form1::PP5_Click);
    SSSS = addItem(PP1, "SSSS", QStringLiteral("CORRECTOR ORTOGRÀFIC"), &form1::SSSS_Click);
    PAOLOS = addItem(PP1, "PAOLOS", QStringLiteral("CREAR LLISTES DE PARAULES"), &form1::PAOLOS_Click);
    DITASS = addItem(PP1, "DITASS", QStringLiteral("DICTATS"), &form1::DITASS_Click);

    PP11 = addMenu(nullptr, "PP11", QStringLiteral("TALLER"));
    PP12 = addItem(PP11, "PP12", QStringLiteral("CALENDARI"), &form1::PP12_Click);
    PP13 = addItem(PP11, "PP13", QStringLiteral("CUB"), &form1::PP13_Click);
    PP14 = addItem(PP11, "PP14", QStringLiteral("POSTAL"), &form1::PP14_Click);
    SSSSSSS = addItem(PP11, "SSSSSSS", QStringLiteral("SOPA LLETRES INICIAL"), &form1::SSSSSSS_Click);
    ssssssssssd =
        addItem(PP11, "ssssssssssd", QStringLiteral("SOPA DE LLETRES GRAN"), &form1::ssssssssssd_Click);
    PP15 = addItem(PP11, "PP15", QStringLiteral("TALLER ESCRIPTURA"), &form1::PP15_Click);
    DDSOPASSSS =
        addItem(PP11, "DDSOPASSSS", QStringLiteral("SOPA DE LLETRES AMB DIBUIXOS"), &form1::DDSOPASSSS_Click);

    OO1 = addMenu(nullptr, "OO1", QStringLiteral("EDICIÓ IMATGE"));
    OO2 = addItem(OO1, "OO2", QStringLiteral("RETALLAR"), &form1::OO2_Click);
    OO23 = addItem(OO1, "OO23", QStringLiteral("EFECTES"), &form1::OO23_Click);
    OO24 = addItem(OO1, "OO24", QStringLiteral("MUNTATGES"), &form1::OO24_Click);
    SSSSDDD = addItem(OO1, "SSSSDDD", QStringLiteral("PUZZLE"), &form1::SSSSDDD_Click);

    PPP3 = addMenu(nullptr, "PPP3", QStringLiteral("PLANTILLES"));
    PP33W = addItem(PPP3, "PP33W", QStringLiteral("CARTA FAMILIAR"), &form1::PP33W_Click);
    ERR = addItem(PPP3, "ERR", QStringLiteral("LLISTA TELÈFONS"), &form1::ERR_Click);
    PP4444 = addItem(PPP3, "PP4444", QStringLiteral("FULL DE CÀLCUL"), &form1::PP4444_Click);
    CARGASS = addItem(PPP3, "CARGASS", QStringLiteral("CARGA TELÈFON"), &form1::CARGASS_Click);
    OMPDOCI = addItem(PPP3, "OMPDOCI", QStringLiteral("OMPLIR DOCUMENTACIÓ"), &form1::OMPDOCI_Click);
    SSSSSSSSSSSSSSSSSS = addItem(PPP3, "SSSSSSSSSSSSSSSSSS", QStringLiteral("TARGETES VISITA"),
                                 &form1::SSSSSSSSSSSSSSSSSS_Click);

    PPI3 = addMenu(nullptr, "PPI3", QStringLiteral("TREBALL AMB TEXTOS"));
    ORRR = addItem(PPI3, "ORRR", QStringLiteral("ORTOGRAFIA"), &form1::ORRR_Click);
    PP73 = addItem(PPI3, "PP73", QStringLiteral("COPIA DE TEXTOS"), &form1::PP73_Click);
    PP33 = addItem(PPI3, "PP33", QStringLiteral("OMPLIR ESPAIS EN UN TEXT"), &form1::PP33_Click);
    FDDDD = addItem(PPI3, "FDDDD", QStringLiteral("PROCESSADOR"), &form1::FDDDD_Click);
    ORENAPARAULES =
        addItem(PPI3, "ORENAPARAULES", QStringLiteral("ORDENAR PARAULES"), &form1::ORENAPARAULES_Click);

    EILES = addMenu(nullptr, "EILES", QStringLiteral("EINES"));
    fffgg = addItem(EILES, "fffgg", QStringLiteral("EMPAQUETAR"), &form1::fffgg_Click);
    PRPR = addItem(EILES, "PRPR", QStringLiteral("IMPRIMIR FULSS DE CÀLCUL"), &form1::PRPR_Click);

    asddd = addMenu(nullptr, "asddd", QStringLiteral("AJUDA"));
    ffffffg = addItem(asddd, "ffffffg", QStringLiteral("Ajuda a la WEB"), &form1::ffffffg_Click);
}

// Each activity item writes its code and shows its window, in the order the item has always used:
// the window first for some, the code first for others.
void form1::PP16_Click() {
    openActivity(services, QStringLiteral("Form6"), 11, OpenFirst::Code);
}
void form1::PP2_Click() {
    openActivity(services, QStringLiteral("formk"), 1, OpenFirst::Window);
}
void form1::PP3_Click() {
    openActivity(services, QStringLiteral("amaga"), 2, OpenFirst::Window);
}
void form1::PP4_Click() {
    openActivity(services, QStringLiteral("escritors"), 3, OpenFirst::Window);
}
void form1::PP53_Click() {
    openActivity(services, QStringLiteral("palabrejas"), 100, OpenFirst::Window);
}
void form1::PP5_Click() {
    openActivity(services, QStringLiteral("trobass"), 6, OpenFirst::Window);
}
void form1::SSSS_Click() {
    openActivity(services, QStringLiteral("dicci"), 104, OpenFirst::Window);
}
void form1::PAOLOS_Click() {
    openActivity(services, QStringLiteral("trenta"), 800, OpenFirst::Window);
}
void form1::DITASS_Click() {
    openActivity(services, QStringLiteral("Form15"), 2, OpenFirst::Window);
}

void form1::PP12_Click() {
    openActivity(services, QStringLiteral("Form2"), 7, OpenFirst::Code);
}
void form1::PP13_Click() {
    openActivity(services, QStringLiteral("Form5"), 8, OpenFirst::Code);
}
void form1::PP14_Click() {
    openActivity(services, QStringLiteral("Form7"), 9, OpenFirst::Code);
}
void form1::SSSSSSS_Click() {
    openActivity(services, QStringLiteral("letrascolores"), 200, OpenFirst::Window);
}
void form1::ssssssssssd_Click() {
    openActivity(services, QStringLiteral("Form16"), 300, OpenFirst::Window);
}
void form1::PP15_Click() {
    openActivity(services, QStringLiteral("Form61"), 10, OpenFirst::Code);
}
void form1::DDSOPASSSS_Click() {
    services.forms.show(QStringLiteral("Form19"));
}

void form1::OO2_Click() {
    openActivity(services, QStringLiteral("Form3"), 12, OpenFirst::Code);
}
void form1::OO23_Click() {
    openActivity(services, QStringLiteral("Form10"), 5000, OpenFirst::Code);
}
void form1::OO24_Click() {
    openActivity(services, QStringLiteral("Form9"), 14, OpenFirst::Code);
}
void form1::SSSSDDD_Click() {
    openActivity(services, QStringLiteral("Form4"), 20, OpenFirst::Code);
}

void form1::PP33W_Click() {
    openActivity(services, QStringLiteral("Form12"), 15, OpenFirst::Code);
}
void form1::ERR_Click() {
    openActivity(services, QStringLiteral("Form11"), 16, OpenFirst::Code);
}
void form1::PP4444_Click() {
    openActivity(services, QStringLiteral("COMPRAWWW"), 17, OpenFirst::Code);
}
void form1::CARGASS_Click() {
    openActivity(services, QStringLiteral("movile"), 500, OpenFirst::Window);
}
void form1::OMPDOCI_Click() {
    openActivity(services, QStringLiteral("Form13"), 1000, OpenFirst::Window);
}
void form1::SSSSSSSSSSSSSSSSSS_Click() {
    services.forms.show(QStringLiteral("Form17"));
}

void form1::ORRR_Click() {
    openActivity(services, QStringLiteral("cancions"), 700, OpenFirst::Window);
}
void form1::PP73_Click() {
    openActivity(services, QStringLiteral("form50"), 18, OpenFirst::Code);
}
void form1::PP33_Click() {
    openActivity(services, QStringLiteral("Form14"), 19, OpenFirst::Code);
}
void form1::FDDDD_Click() {
    openActivity(services, QStringLiteral("Form18"), 999, OpenFirst::Window);
}
void form1::ORENAPARAULES_Click() {
    services.forms.show(QStringLiteral("Form26"));
}

void form1::fffgg_Click() {
    openActivity(services, QStringLiteral("Form8"), 21, OpenFirst::Code);
}
void form1::PRPR_Click() {
    openActivity(services, QStringLiteral("todossi"), 101, OpenFirst::Window);
}

void form1::SONS_Click() {
    openActivity(services, QStringLiteral("TATA"), 103, OpenFirst::Window);
    services.state.setSpeechFlag(1);
}

void form1::ffffffg_Click() {
    services.dialogs.question(this,
                              QStringLiteral("En preparació. Si vols rebre informació: ") + contactAddress(),
                              QStringLiteral("TAUDRIN"));
}
