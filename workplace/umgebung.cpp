#include "workplace/umgebung.h"

#include <algorithm>

#include "platform/meldung.h"
#include "workplace/benutzerprofil.h"
#include "workplace/formatierung.h"
#include "workplace/statistik.h"

namespace {

constexpr double kPi = 3.141592653589793;

// value in the given unit to metres, degrees, pixels or parts
double InGrundeinheit(double wert, uint32_t einheit)
{
    if (einheit & EINHEIT_WINKEL) {
        if (einheit & EINHEIT_BOGENMINUTEN)
            return wert / 60.0;
        if (einheit & EINHEIT_BOGENSEKUNDEN)
            return wert / 3600.0;
        return wert;
    }
    if (einheit & EINHEIT_LAENGE) {
        if (einheit & EINHEIT_MM)
            return wert / 1000.0;
        if (einheit & EINHEIT_CM)
            return wert / 100.0;
        if (einheit & EINHEIT_DM)
            return wert / 10.0;
        return wert;
    }
    if (einheit & EINHEIT_PIXEL)
        return wert;
    return (einheit & EINHEIT_PROZENT) ? wert / 100.0 : wert;
}

double AusGrundeinheit(double wert, uint32_t einheit)
{
    if (einheit & EINHEIT_WINKEL) {
        if (einheit & EINHEIT_BOGENMINUTEN)
            return wert * 60.0;
        if (einheit & EINHEIT_BOGENSEKUNDEN)
            return wert * 3600.0;
        return wert;
    }
    if (einheit & EINHEIT_LAENGE) {
        if (einheit & EINHEIT_MM)
            return wert * 1000.0;
        if (einheit & EINHEIT_CM)
            return wert * 100.0;
        if (einheit & EINHEIT_DM)
            return wert * 10.0;
        return wert;
    }
    if (einheit & EINHEIT_PIXEL)
        return wert;
    return (einheit & EINHEIT_PROZENT) ? wert * 100.0 : wert;
}

// One axis of the display: its scale factor and its pixels.
struct Achse {
    double faktor;
    double winkelFaktor;
    uint32_t pixel;
};

// The angle is taken linearly: one degree is the arc length
// distance * pi / 180 on the display, not a tangent.
double InAnteil(double wert, uint32_t einheit, const Achse& achse)
{
    const double grund = InGrundeinheit(wert, einheit);
    if (einheit & EINHEIT_WINKEL)
        return achse.faktor * achse.winkelFaktor * grund;
    if (einheit & EINHEIT_LAENGE)
        return achse.faktor * grund;
    if (einheit & EINHEIT_PIXEL)
        return grund / achse.pixel;
    return grund;
}

double AusAnteil(double anteil, uint32_t einheit, const Achse& achse)
{
    double grund = anteil;
    if (einheit & EINHEIT_WINKEL)
        grund = anteil / (achse.faktor * achse.winkelFaktor);
    else if (einheit & EINHEIT_LAENGE)
        grund = anteil / achse.faktor;
    else if (einheit & EINHEIT_PIXEL)
        grund = achse.pixel * anteil;
    return AusGrundeinheit(grund, einheit);
}

// Saturating: sizes read from a damaged file can be far beyond any screen,
// and converting such a double to int is undefined.
int32_t Pixel(double wert)
{
    const double r = Runde(wert, 0);
    if (!(r == r))
        return 0;
    return static_cast<int32_t>(std::clamp(r, -2147483647.0, 2147483647.0));
}

} // namespace

CUmgebung::CUmgebung(CBenutzerprofil* profil) : m_pProfil(profil)
{
    ModiErmitteln();
    Berechnen();
}

CUmgebung::~CUmgebung() { m_Modusliste.Leeren(); }

int CUmgebung::SetProfil(CBenutzerprofil* profil)
{
    m_pProfil = profil;
    return Berechnen();
}

int CUmgebung::Berechnen()
{
    m_dFaktorX = 1.0 / (m_Anordnung.m_dBreite / 100.0);
    m_dFaktorY = 1.0 / (m_Anordnung.m_dHoehe / 100.0);
    m_dWinkelFaktor = m_Anordnung.m_dAbstand / 100.0 * kPi / 180.0;
    return 0;
}

int CUmgebung::SetAnordnung(const CAnordnung& anordnung)
{
    m_Anordnung = anordnung;
    return Berechnen();
}

int CUmgebung::SetBildschirmModus(CBildschirmModus& modus)
{
    modus.FrequenzMerken();
    m_Modusliste.Hinzufuegen(modus.m_dwBreite, modus.m_dwHoehe, modus.m_dwFarbtiefe, modus.m_dwFrequenz);
    m_Modus = modus;
    return 0;
}

namespace {

std::string ModusText(uint32_t breite, uint32_t hoehe, uint32_t farbtiefe, uint32_t frequenz)
{
    std::string text = FormatInt(static_cast<int>(breite)) + " [Pxl] x " + FormatInt(static_cast<int>(hoehe)) +
                       " [Pxl], ";
    text += farbtiefe ? FormatInt(static_cast<int>(farbtiefe)) + " [Bit], " : std::string("? [Bit], ");
    text += frequenz ? FormatInt(static_cast<int>(frequenz)) + " Hz" : std::string("? Hz");
    return text;
}

} // namespace

int CUmgebung::PruefeModus(CBildschirmModus& m)
{
    if (m_Modusliste.Suchen(m.m_dwBreite, m.m_dwHoehe, m.m_dwFarbtiefe, m.m_dwFrequenz) >= 0) {
        // accepted as it is
    } else if (m_Modusliste.Suchen(m.m_dwBreite, m.m_dwHoehe, m.m_dwFarbtiefe, m.m_dwLetzteFrequenz) >= 0) {
        m.m_dwFrequenz = m.m_dwLetzteFrequenz;
    } else {
        std::string text = "Die gewünschte Bildschirmauflösung steht nicht zur Verfügung.\n"
                           "Die Bildschirmauflösung wurde angepasst.\n\n"
                           "Gewünschte Bildschirmauflösung: " +
                           ModusText(m.m_dwBreite, m.m_dwHoehe, m.m_dwFarbtiefe, m.m_dwFrequenz) + "\n";
        uint32_t breite = m.m_dwBreite, hoehe = m.m_dwHoehe, tiefe = m.m_dwFarbtiefe;
        uint32_t frequenz = m.GetWunschfrequenz();
        const bool gefunden = m_Modusliste.BestenSuchen(breite, hoehe, tiefe, frequenz) >= 0;
        if (gefunden) {
            m.m_dwBreite = breite;
            m.m_dwHoehe = hoehe;
            m.m_dwFarbtiefe = tiefe;
            m.m_dwFrequenz = frequenz;
            text += "Angepasste Bildschirmauflösung: " + ModusText(breite, hoehe, tiefe, frequenz);
        } else {
            text += "Angepasste Bildschirmauflösung: nicht verfügbar";
        }
        AfxMessageBox(text, MB_OK);
        if (!gefunden)
            return 1;
    }
    m.FrequenzMerken();
    m_Modus = m;
    return 0;
}

uint32_t CUmgebung::Einheit() const
{
    return m_pProfil ? m_pProfil->GetAnzeigeOptionen().GetEinheit() : EINHEIT_ANTEIL;
}

std::string CUmgebung::GetEinheitText() const
{
    return m_pProfil ? m_pProfil->GetAnzeigeOptionen().GetEinheitText() : std::string("1");
}

int CUmgebung::GetDezimalstellen() const
{
    if (!m_pProfil)
        return 1;
    if (Einheit() & EINHEIT_PIXEL)
        return 0;
    return m_pProfil->GetAnzeigeOptionen().GetDezimalstellen();
}

double CUmgebung::InAnteilX(double wert, uint32_t einheit) const
{
    return InAnteil(wert, einheit, {m_dFaktorX, m_dWinkelFaktor, m_Modus.m_dwBreite});
}

double CUmgebung::InAnteilY(double wert, uint32_t einheit) const
{
    return InAnteil(wert, einheit, {m_dFaktorY, m_dWinkelFaktor, m_Modus.m_dwHoehe});
}

double CUmgebung::AnteilInEinheitX(double anteil) const
{
    return AusAnteil(anteil, Einheit(), {m_dFaktorX, m_dWinkelFaktor, m_Modus.m_dwBreite});
}

double CUmgebung::AnteilInEinheitY(double anteil) const
{
    return AusAnteil(anteil, Einheit(), {m_dFaktorY, m_dWinkelFaktor, m_Modus.m_dwHoehe});
}

int32_t CUmgebung::AnteilInPixelX(double anteil) const { return Pixel(AnteilInPixelXUngerundet(anteil)); }

int32_t CUmgebung::AnteilInPixelY(double anteil) const { return Pixel(AnteilInPixelYUngerundet(anteil)); }
