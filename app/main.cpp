// Lumetra: the program's entry. The program folder is the current folder.
#include <QApplication>

#include "app/lumetra_app.h"
#include "platform/display/ddraw.h"
#include "platform/display/sdl/sdl_anzeige.h"
#include "platform/qt/qt_dienste.h"
#include "platform/qt/qt_meldung.h"

int main(int argc, char** argv)
{
    DeutscheSystemspracheVorbereiten();
    QApplication qt(argc, argv);
    QApplication::setApplicationName("Lumetra");
    QApplication::setOrganizationName("Vardenix");
    QtDiensteEinrichten();

    CQtMeldungsDienst meldungen;
    SetMeldungsDienst(&meldungen);

    // The environment asks the display for its modes when it is built.
    SdlAnzeigeAnmelden();
    AnzeigeTreiberWaehlen("sdl");

    int ergebnis = 0;
    {
        CLumetraApp app;
        std::vector<std::string> befehlszeile;
        const QStringList argumente = QApplication::arguments();
        for (int i = 1; i < argumente.size(); ++i)
            befehlszeile.push_back(argumente[i].toStdString());
        if (app.InitInstance(befehlszeile))
            ergebnis = QApplication::exec();
    }
    SetMeldungsDienst(nullptr);
    return ergebnis;
}
