#include "model/umgebungswerte.h"

#include "workplace/umgebung.h"

int Tastenanzahl(const CUmgebung& u) { return u.m_Tastenliste.GetAnzahl(); }

void TasteBegrenzen(int& taste, const CUmgebung* u)
{
    if (u && taste >= Tastenanzahl(*u))
        taste = Tastenanzahl(*u) - 1;
    if (taste < 0)
        taste = 0;
}
int Reizlistenanzahl(const CUmgebung& u) { return u.m_Reizkatalog.m_nAnzahlSaetze; }
int Reizlistenanzahl2(const CUmgebung& u) { return u.m_Reizkatalog.m_nAnzahlSaetze2; }
int Reizanzahl(const CUmgebung& u, int liste) { return u.m_Reizkatalog.GetAnzahlReize(liste); }
int Reizanzahl2(const CUmgebung& u, int liste) { return u.m_Reizkatalog.GetAnzahlReize2(liste); }
