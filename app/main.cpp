#include "accessory/SystemRegistry.h"
#include "accessory/SystemServices.h"
#include "app/GameProgram.h"
#include "ui/QtDialogs.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QtDialogs dialogs;
    SystemRegistry registry;
    SystemServices system;
    GameProgram program({registry, system, system, system, dialogs});
    return QApplication::exec();
}
