#include "dialogs/testsheet.h"

CTestSheet::CTestSheet(const QString& titel, QWidget* eltern, int startseite) : CBlatt(titel, eltern, startseite)
{
    setObjectName("testsheet");
}

void CTestSheet::SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, const CTest& test)
{
    m_pUmgebung = umgebung;
    m_Test = test;
    m_Linien.SetTest(profil, umgebung, &m_Test);
    m_Laengen.SetTest(profil, umgebung, &m_Test);
    if (GetSeitenAnzahl() == 0) {
        AddPage(m_Linien);
        AddPage(m_Laengen);
    }
    SetStartseite(m_Test.GetTestart() == TESTART_LAENGEN ? 1 : 0);
}

void CTestSheet::GetTest(CTest& test) const { test = m_Test; }
