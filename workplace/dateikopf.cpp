#include "workplace/dateikopf.h"

#include "platform/archiv.h"
#include "platform/meldung.h"

void SchreibeDateikopf(CArchive& ar, const char* typ, uint32_t version)
{
    ar << std::string("LMTR") << std::string(typ) << version;
}

int LiesDateikopf(CArchive& ar, const char* typ, const char* typFehler, uint32_t& version)
{
    const std::string& pfad = ar.GetFilePath();
    auto ablehnen = [&](int code, const char* grund) {
        AfxMessageBox(pfad + grund, MB_OK);
        return code;
    };
    std::string text;
    ar >> text;
    if (text != "LMTR")
        return ablehnen(DATEI_FREMD, " ist keine gültige Datei von Lumetra.");
    ar >> text;
    if (text != typ)
        return ablehnen(DATEI_FALSCHER_TYP, typFehler);
    ar >> version;
    if (version < 10)
        return ablehnen(DATEI_VERSION_UNGUELTIG, " hat eine ungültige Versionsnummer.");
    if (version / 100 > 1)
        return ablehnen(DATEI_VERSION_SPAETER, " wurde von einer späteren Version von Lumetra erstellt.");
    return DATEI_GELADEN;
}

int MeldeBeschaedigt(const std::string& pfad)
{
    AfxMessageBox(pfad + " ist beschädigt oder unvollständig und wurde nicht geladen.", MB_OK);
    return DATEI_BESCHAEDIGT;
}
