#include "dialogs/leeretestseiten.h"

CLeereTestSeite::CLeereTestSeite(const QString& titel) : CSeite(titel, kAufgabenBreite, kAufgabenHoehe, true) {}

void CLeereTestSeite::SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, CTest* test)
{
    Binden(profil, umgebung);
    m_pTest = test;
}
