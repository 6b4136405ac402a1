// The test file (.lmd): magic, type tag, version, kind, both task records,
// the four background blocks and the reports.

#include <initializer_list>

#include "model/archivfeld.h"
#include "model/test.h"
#include "model/umgebungswerte.h"
#include "platform/archiv.h"
#include "workplace/dateikopf.h"

namespace {

constexpr uint32_t kVersion = 110;
constexpr uint32_t kVersionMitBerichten = 110;
constexpr CDateikopf kKopf{
    .typ = "LMD", .typFehler = " ist keine Testdatei.", .versionMin = 100, .praefix = "Fehler: "};

// File order of the records, which is not their order in memory.
void SerialisiereLinien(CArchive& ar, CLinien& l)
{
    Felder(ar, l.m_nVerfahren, l.m_nIntervallModus, l.m_dIntervallVon, l.m_dIntervallBis, l.m_nCursor,
           l.m_nOrientierung, l.m_nTasteLinks, l.m_nTasteRechts, l.m_nTasteOben, l.m_nTasteUnten, l.m_nEndTaste,
           l.m_nStartTaste, l.m_dGeschwindigkeit, l.m_nReihenfolge, l.m_dwRichtungen, l.m_nStartDurchgang,
           l.m_nPermutationen, l.m_nWiederholungen);
    Felder(ar, l.m_nHPositionStufen, l.m_nHLaengeStufen, l.m_nHTrennStufen, l.m_dHPositionVon, l.m_dHPositionBis,
           l.m_dHDicke, l.m_dHLaengeVon, l.m_dHLaengeBis, l.m_dHTrennVon, l.m_dHTrennBis);
    Felder(ar, l.m_nVPositionStufen, l.m_nVLaengeStufen, l.m_nVTrennStufen, l.m_dVPositionVon, l.m_dVPositionBis,
           l.m_dVDicke, l.m_dVLaengeVon, l.m_dVLaengeBis, l.m_dVTrennVon, l.m_dVTrennBis);
}

void SerialisiereLaengen(CArchive& ar, CLaengen& l)
{
    Felder(ar, l.m_nVerfahren, l.m_nIntervallModus, l.m_dIntervallVon, l.m_dIntervallBis, l.m_nCursor,
           l.m_nOrientierung, l.m_nTasteSchmaeler, l.m_nTasteBreiter, l.m_nTasteKleiner, l.m_nTasteHoeher,
           l.m_nEndTaste, l.m_nStartTaste, l.m_dGeschwindigkeit, l.m_nReihenfolge, l.m_nRichtungen, l.m_uStartDurchgang,
           l.m_nPermutationen, l.m_nWiederholungen);
    Felder(ar, l.m_nTestPositionStufen, l.m_nBspBreiteStufen, l.m_nTestBreiteStufen, l.m_dTestPositionVon,
           l.m_dTestPositionBis, l.m_dBspBreiteVon, l.m_dBspBreiteBis, l.m_dTestBreiteVon, l.m_dTestBreiteBis);
    Felder(ar, l.m_nBspVPositionStufen, l.m_nVPositionStufen, l.m_nBspHoeheStufen, l.m_nTestHoeheStufen,
           l.m_dBspVPositionVon, l.m_dBspVPositionBis, l.m_dVPositionVon, l.m_dVPositionBis, l.m_dBspHoeheVon,
           l.m_dBspHoeheBis, l.m_dTestHoeheVon, l.m_dTestHoeheBis);
}

// Key indices of a file made with another key table would name no key.
template <class Datensatz>
void TastenBegrenzen(Datensatz& r, const CUmgebung* u, std::initializer_list<int32_t Datensatz::*> tasten)
{
    for (int32_t Datensatz::*taste : tasten)
        TasteBegrenzen(r.*taste, u);
}

} // namespace

int CTest::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        Speichern(ar);
        return DATEI_GELADEN;
    }
    try {
        return Laden(ar);
    } catch (const CArchiveException&) {
        return MeldeBeschaedigt(kKopf.praefix + ar.GetFilePath());
    }
}

void CTest::Speichern(CArchive& ar)
{
    m_strPfad = ar.GetFilePath();
    SchreibeDateikopf(ar, "LMD", kVersion);
    ar << static_cast<int32_t>(m_nTestart);
    SerialisiereLinien(ar, m_Linien);
    SerialisiereLaengen(ar, m_Laengen);
    m_Hintergrund.Speichern(ar);
    ar << static_cast<int32_t>(m_Berichte.GetSize());
    for (int i = 0; i < m_Berichte.GetSize(); ++i)
        m_Berichte.GetAt(i)->Serialize(ar);
}

// Everything is read into temporaries first; the test changes only when
// the whole file has been read.
int CTest::Laden(CArchive& ar)
{
    const std::string pfad = ar.GetFilePath();
    uint32_t version = 0;
    if (int code = LiesDateikopf(ar, kKopf, version))
        return code;

    int32_t art = 0;
    ar >> art;
    CLinien linien;
    SerialisiereLinien(ar, linien);
    TastenBegrenzen(linien, m_pUmgebung,
                    {&CLinien::m_nTasteLinks, &CLinien::m_nTasteRechts, &CLinien::m_nTasteOben, &CLinien::m_nTasteUnten,
                     &CLinien::m_nEndTaste, &CLinien::m_nStartTaste});
    CLaengen laengen;
    SerialisiereLaengen(ar, laengen);
    TastenBegrenzen(laengen, m_pUmgebung,
                    {&CLaengen::m_nTasteSchmaeler, &CLaengen::m_nTasteBreiter, &CLaengen::m_nTasteKleiner,
                     &CLaengen::m_nTasteHoeher, &CLaengen::m_nEndTaste, &CLaengen::m_nStartTaste});
    CTest neu;
    neu.m_pUmgebung = m_pUmgebung;
    neu.m_Hintergrund.Laden(ar, m_pUmgebung, version);

    CTestBerichtListe berichte;
    if (version >= kVersionMitBerichten) {
        int32_t anzahl = 0;
        ar >> anzahl;
        if (anzahl > 0)
            ar.PruefeRest(static_cast<uint64_t>(anzahl) * CTestBericht::GespeicherteGroesse(0, 0));
        CTestBericht bericht;
        for (int32_t i = 0; i < anzahl; ++i) {
            bericht.Serialize(ar);
            if (berichte.SetAtGrow(i, bericht) != 0)
                return MeldeBeschaedigt(kKopf.praefix + pfad);
        }
    }

    neu.SetTestart(art);
    neu.SetLinien(linien);
    neu.SetLaengen(laengen);
    neu.m_Berichte.Tausche(berichte);

    m_nTestart = neu.m_nTestart;
    m_strTestartName = neu.m_strTestartName;
    m_Linien = neu.m_Linien;
    m_Laengen = neu.m_Laengen;
    m_Hintergrund = neu.m_Hintergrund;
    BerichteZuruecksetzen();
    m_Berichte.Tausche(neu.m_Berichte);
    m_strPfad = pfad;
    return DATEI_GELADEN;
}
