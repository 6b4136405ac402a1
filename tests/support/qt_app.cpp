#include "support/qt_app.h"

#include <QApplication>

void SichereQtAnwendung()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "lumetra-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}
