#include "model/test.h"

CTest::CTest() = default;

CTest::CTest(const CTest& t) { *this = t; }

CTest::~CTest() = default;

CTest& CTest::operator=(const CTest& t)
{
    if (this == &t)
        return *this;
    m_pUmgebung = t.GetUmgebung();
    m_strPfad = t.m_strPfad;
    m_nTestart = t.m_nTestart;
    m_strTestartName = t.m_strTestartName;
    SetLinien(t.GetLinien());
    SetLaengen(t.GetLaengen());
    m_Hintergrund.Uebernehmen(t.m_Hintergrund, m_pUmgebung);
    BerichteZuruecksetzen();
    return *this;
}

void CTest::SetTestart(int art)
{
    switch (art) {
    case TESTART_LINIEN: m_strTestartName = "Linienhalbierung"; break;
    case TESTART_LAENGEN: m_strTestartName = "Längenschätzung"; break;
    case TESTART_MITTE: m_strTestartName = "Subjektive Mitte"; break;
    case TESTART_EXTINKTION: m_strTestartName = "Extinktion"; break;
    case TESTART_EXPLORATION: m_strTestartName = "Exploration"; break;
    default:
        art = TESTART_KEINE;
        m_strTestartName = "Keine Auswahl";
        break;
    }
    m_nTestart = art;
}

void CTest::SetLinien(CLinien l)
{
    LinienBegrenzen(l);
    m_Linien = l;
}

void CTest::SetLaengen(CLaengen l)
{
    LaengenBegrenzen(l);
    m_Laengen = l;
}

int CTest::SetBericht(int index, const CTestBericht& bericht) { return m_Berichte.SetAtGrow(index, bericht); }

int CTest::BerichtLoeschen(int index)
{
    const int ergebnis = m_Berichte.RemoveAt(index);
    BerichtWahlBegrenzen(m_Berichte.GetSize(), m_nBerichtNr, m_nSeite);
    return ergebnis;
}

int CTest::BerichteZuruecksetzen()
{
    m_nSeite = 1;
    m_nBerichtNr = 0;
    return m_Berichte.RemoveAll();
}
