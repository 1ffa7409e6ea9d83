#include "app/application.h"
#include "shell/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    setUpApplication();
    Application app;
    app.services().forms.show<form1>();
    return qapp.exec();
}
