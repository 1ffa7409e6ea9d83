#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    setUpApplication();
    Application app;
    app.start();
    return qapp.exec();
}
