// The environment file (.lmu): arrangement and screen mode of one workplace.
#include "platform/archiv.h"
#include "workplace/dateikopf.h"
#include "workplace/umgebung.h"

int CUmgebung::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        return Laden(ar);

    m_strPfad = ar.GetFilePath();
    SchreibeDateikopf(ar, "LMU", kVersion);
    // Width, height, distance: not the order the arrangement holds them in.
    ar << m_Anordnung.m_dBreite << m_Anordnung.m_dHoehe << m_Anordnung.m_dAbstand;
    ar << m_Modus.m_dwBreite << m_Modus.m_dwHoehe << m_Modus.m_dwFarbtiefe << m_Modus.m_dwFrequenz
       << m_Modus.m_dwLetzteFrequenz << m_Modus.m_strTreiber;
    m_bGeaendert = false;
    return 0;
}

int CUmgebung::Laden(CArchive& ar)
{
    const std::string pfad = ar.GetFilePath();
    CAnordnung anordnung;
    CBildschirmModus modus;
    uint32_t version = 0;
    // The whole file is read before anything is applied, so a refused or
    // damaged file leaves the environment as it was.
    try {
        if (int code = LiesDateikopf(ar, {.typ = "LMU", .typFehler = " ist keine Umgebungsdatei."}, version))
            return code;
        ar >> anordnung.m_dBreite >> anordnung.m_dHoehe >> anordnung.m_dAbstand;
        if (version > 10) {
            ar >> modus.m_dwBreite >> modus.m_dwHoehe >> modus.m_dwFarbtiefe >> modus.m_dwFrequenz;
            if (version >= 100)
                ar >> modus.m_dwLetzteFrequenz;
            ar >> modus.m_strTreiber;
        }
    } catch (const CArchiveException&) {
        return MeldeBeschaedigt(pfad);
    }

    // Values beyond the bounds, as another program or a damaged file may
    // hold them, are clamped rather than refused: the rest of the file is
    // still good.
    anordnung.Begrenzen();
    SetAnordnung(anordnung);
    // An unlisted mode is adapted with its message; the check's answer does
    // not decide the load.
    if (version > 10)
        PruefeModus(modus);
    m_strPfad = pfad;
    return DATEI_GELADEN;
}
