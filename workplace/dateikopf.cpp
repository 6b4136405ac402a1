#include "workplace/dateikopf.h"

#include "platform/archiv.h"

void SchreibeDateikopf(CArchive& ar, const char* typ, uint32_t version)
{
    ar << std::string("LMTR") << std::string(typ) << version;
}

int LiesDateikopf(CArchive& ar, const CDateikopf& kopf, uint32_t& version)
{
    const std::string text = kopf.praefix + ar.GetFilePath();
    auto ablehnen = [&](int code, const char* grund) {
        AfxMessageBox(text + grund, kopf.stil);
        return code;
    };
    std::string magie;
    try {
        ar >> magie;
    } catch (const CArchiveException&) {
        if (!kopf.kurzIstFremd)
            throw;
        magie.clear();
    }
    if (magie != "LMTR")
        return ablehnen(DATEI_FREMD, " ist keine gültige Datei von Lumetra.");
    std::string typ;
    ar >> typ;
    if (typ != kopf.typ)
        return ablehnen(DATEI_FALSCHER_TYP, kopf.typFehler);
    ar >> version;
    if (version < kopf.versionMin)
        return ablehnen(DATEI_VERSION_UNGUELTIG, " hat eine ungültige Versionsnummer.");
    if (version / 100 > 1)
        return ablehnen(DATEI_VERSION_SPAETER, " wurde von einer späteren Version von Lumetra erstellt.");
    return DATEI_GELADEN;
}

int MeldeBeschaedigt(const std::string& text, unsigned stil)
{
    AfxMessageBox(text + " ist beschädigt oder unvollständig und wurde nicht geladen.", stil);
    return DATEI_BESCHAEDIGT;
}
