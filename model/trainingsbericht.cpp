#include "model/trainingsbericht.h"

#include <algorithm>

#include "model/archivfeld.h"
#include "model/begrenzung.h"
#include "model/berichtsgrenzen.h"
#include "model/reizfeld.h"

CTrainingsBericht::CTrainingsBericht() { Zuruecksetzen(); }

CTrainingsBericht::CTrainingsBericht(const CTrainingsBericht& r) : CTrainingsBericht() { *this = r; }

CTrainingsBericht::~CTrainingsBericht() = default;

CTrainingsBericht& CTrainingsBericht::operator=(const CTrainingsBericht& r)
{
    if (this != &r) {
        m_nAufgabenart = r.m_nAufgabenart;
        m_dwAufgabenFlags = r.m_dwAufgabenFlags;
        m_nRasterSpalten = r.m_nRasterSpalten;
        m_nRasterZeilen = r.m_nRasterZeilen;
        m_rcPositionen = r.m_rcPositionen;
        m_dStandardGeschwindigkeit = r.m_dStandardGeschwindigkeit;
        m_dZielGeschwindigkeit = r.m_dZielGeschwindigkeit;
        m_dLaufzeit = r.m_dLaufzeit;
        m_nTag = r.m_nTag;
        m_nUhrzeit = r.m_nUhrzeit;
        m_nHGReaktionszeit = r.m_nHGReaktionszeit;
        m_nKorrekteReaktionen = r.m_nKorrekteReaktionen;
        m_nFalscheAlarme = r.m_nFalscheAlarme;
        SetAnzahlReize(r.m_nAnzahlReize);
        for (int i = 0; i < m_nAnzahlReize; ++i) {
            m_Rechtecke.SetAt(i, r.m_Rechtecke.GetAt(i));
            m_Punkte.SetAt(i, r.m_Punkte.GetAt(i));
        }
        m_Zaehler1 = r.m_Zaehler1;
        m_Marke = r.m_Marke;
        m_Zaehler2 = r.m_Zaehler2;
        m_Zaehler3 = r.m_Zaehler3;
        m_Zeit = r.m_Zeit;
    }
    Veraendert();
    return *this;
}

void CTrainingsBericht::Zuruecksetzen()
{
    m_nAuswertung = 0;
    m_nDiagramm = -1;
    m_nGeraden = 0;
    for (int k = 0; k < 3; ++k)
        m_dAchsenabschnitt[k] = m_dSteigung[k] = 0.0;
    m_Tabelle.Loesche();
    m_Gruppentabelle.Loesche();
    m_Diagramm.Zuruecksetzen();
    m_nAufgabenart = 0;
    m_dwAufgabenFlags = 0;
    m_nRasterSpalten = m_nRasterZeilen = 0;
    m_rcPositionen = RECT{0, 0, 0, 0};
    m_dStandardGeschwindigkeit = m_dZielGeschwindigkeit = m_dLaufzeit = 0.0;
    m_nTag = m_nUhrzeit = 0;
    m_nHGReaktionszeit = 0;
    m_nKorrekteReaktionen = m_nFalscheAlarme = 0;
    SetAnzahlReize(-1);
}

void CTrainingsBericht::Veraendert()
{
    m_nAuswertung = 0;
    m_nDiagramm = -1;
}

int CTrainingsBericht::SetAnzahlReize(int n)
{
    Veraendert();
    const int anzahl = n < 0 ? 0 : n;
    m_nAnzahlReize = anzahl;
    m_Rechtecke.SetSize(anzahl);
    m_Punkte.SetSize(anzahl);
    for (auto* feld : {&m_Zaehler1, &m_Marke, &m_Zaehler2, &m_Zaehler3, &m_Zeit})
        feld->assign(static_cast<size_t>(anzahl), 0u);
    return n < 0 ? 1 : 0;
}

int CTrainingsBericht::SetRechteck(int i, int links, int oben, int rechts, int unten)
{
    Veraendert();
    if (!Gueltig(i))
        return 1;
    return m_Rechtecke.SetAt(i, RECT{links, oben, rechts, unten});
}

int CTrainingsBericht::SetPunkt(int i, int x, int y)
{
    Veraendert();
    if (!Gueltig(i))
        return 1;
    return m_Punkte.SetAt(i, POINT{x, y});
}

// Every writing operation marks the report as changed, valid index or not.
int CTrainingsBericht::Schreibe(std::vector<uint32_t>& feld, int i, uint32_t wert, bool addieren)
{
    Veraendert();
    return SchreibeReizEintrag(feld, i, wert, addieren);
}

int CTrainingsBericht::IncZaehler1(int i) { return Schreibe(m_Zaehler1, i, 1, true); }
int CTrainingsBericht::IncZaehler2(int i) { return Schreibe(m_Zaehler2, i, 1, true); }
int CTrainingsBericht::IncZaehler3(int i) { return Schreibe(m_Zaehler3, i, 1, true); }
int CTrainingsBericht::SetMarke(int i) { return Schreibe(m_Marke, i, 1, false); }
int CTrainingsBericht::SetZeit(int i, uint64_t ms) { return Schreibe(m_Zeit, i, static_cast<uint32_t>(ms), false); }
int CTrainingsBericht::AddZeit(int i, uint64_t ms) { return Schreibe(m_Zeit, i, static_cast<uint32_t>(ms), true); }

void CTrainingsBericht::IncKorrekteReaktionen()
{
    Veraendert();
    ++m_nKorrekteReaktionen;
}

void CTrainingsBericht::IncFalscheAlarme()
{
    Veraendert();
    ++m_nFalscheAlarme;
}

void CTrainingsBericht::AddDauer(uint64_t ms)
{
    Veraendert();
    m_nHGReaktionszeit += ms;
}

POINT CTrainingsBericht::GetPunkt(int i) const { return Gueltig(i) ? m_Punkte.GetAt(i) : POINT{0, 0}; }

RECT CTrainingsBericht::GetRechteck(int i) const { return Gueltig(i) ? m_Rechtecke.GetAt(i) : RECT{0, 0, 0, 0}; }

uint32_t CTrainingsBericht::GetZaehler1(int i) const { return ReizEintrag(m_Zaehler1, i); }
uint32_t CTrainingsBericht::GetMarke(int i) const { return ReizEintrag(m_Marke, i); }
uint32_t CTrainingsBericht::GetZaehler2(int i) const { return ReizEintrag(m_Zaehler2, i); }
uint32_t CTrainingsBericht::GetZaehler3(int i) const { return ReizEintrag(m_Zaehler3, i); }
uint32_t CTrainingsBericht::GetZeit(int i) const { return ReizEintrag(m_Zeit, i); }
double CTrainingsBericht::GetZeitSekunden(int i) const { return GetZeit(i) / 1000.0; }

int CTrainingsBericht::SummeZaehler1() const
{
    uint64_t summe = 0;
    for (uint32_t z : m_Zaehler1)
        summe += z;
    return static_cast<int>(std::min<uint64_t>(summe, INT32_MAX));
}

int CTrainingsBericht::AnzahlMitZaehler2() const
{
    int n = 0;
    for (uint32_t z : m_Zaehler2)
        if (z != 0)
            ++n;
    return n;
}

int CTrainingsBericht::AnzahlNurZaehler3() const
{
    int n = 0;
    for (size_t i = 0; i < m_Zaehler3.size(); ++i)
        if (m_Zaehler2[i] == 0 && m_Zaehler3[i] != 0)
            ++n;
    return n;
}

int CTrainingsBericht::AnzahlDargeboten() const
{
    for (int i = m_nAnzahlReize; i > 0; --i) {
        const size_t k = static_cast<size_t>(i - 1);
        if (m_Zeit[k] != 0 || m_Marke[k] != 0 || m_Zaehler2[k] != 0 || m_Zaehler3[k] != 0)
            return i;
    }
    return 0;
}

double CTrainingsBericht::GetDauerSekunden() const { return static_cast<double>(m_nHGReaktionszeit) / 1000.0; }

void CTrainingsBericht::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        Zuruecksetzen();
    uint32_t oben = static_cast<uint32_t>(m_nHGReaktionszeit >> 32);
    uint32_t unten = static_cast<uint32_t>(m_nHGReaktionszeit);
    int32_t n = m_nAnzahlReize;
    Felder(ar, m_nAufgabenart, m_dwAufgabenFlags, m_nTag, m_nUhrzeit, m_dLaufzeit, m_dStandardGeschwindigkeit,
           m_dZielGeschwindigkeit, m_rcPositionen.left, m_rcPositionen.top, m_rcPositionen.right, m_rcPositionen.bottom,
           m_nRasterSpalten, m_nRasterZeilen, m_nKorrekteReaktionen, m_nFalscheAlarme, oben, unten, n);
    if (ar.IsLoading()) {
        m_nHGReaktionszeit = std::min<uint64_t>((static_cast<uint64_t>(oben) << 32) | unten, kMillisekundenMax);
        BegrenzeLaufwerte(m_dLaufzeit, m_dStandardGeschwindigkeit, m_dZielGeschwindigkeit, m_nUhrzeit);
        BegrenzeHGZaehler(m_nKorrekteReaktionen, m_nFalscheAlarme);
        m_nRasterSpalten = std::clamp(m_nRasterSpalten, 0, kRasterMax);
        m_nRasterZeilen = std::clamp(m_nRasterZeilen, 0, kRasterMax);
        // The centres of two grid places: on the display, in whatever order.
        for (LONG* v : {&m_rcPositionen.left, &m_rcPositionen.top, &m_rcPositionen.right, &m_rcPositionen.bottom})
            BegrenzePixel(*v);
        // The count is the file's word: check it against what follows
        // before sizing anything by it.
        if (n > 0)
            ar.PruefeRest(44 * static_cast<uint64_t>(n));
        SetAnzahlReize(n);
    }
    for (int i = 0; i < m_nAnzahlReize; ++i) {
        POINT p = m_Punkte.GetAt(i);
        RECT r = m_Rechtecke.GetAt(i);
        const size_t k = static_cast<size_t>(i);
        Felder(ar, p.x, p.y, r.left, r.top, r.right, r.bottom, m_Zaehler1[k], m_Marke[k], m_Zaehler2[k], m_Zaehler3[k],
               m_Zeit[k]);
        if (ar.IsLoading()) {
            BegrenzePixel(p);
            BegrenzePixel(r);
            m_Punkte.SetAt(i, p);
            m_Rechtecke.SetAt(i, r);
            m_Marke[k] = m_Marke[k] != 0 ? 1 : 0;
            m_Zeit[k] = std::min<uint32_t>(m_Zeit[k], kMillisekundenMax);
        }
    }
    if (ar.IsLoading()) {
        // Counter 1 counts the presses of the reaction key, counters 2 and 3
        // those of the training leader's two keys.
        for (auto* zaehler : {&m_Zaehler1, &m_Zaehler2, &m_Zaehler3})
            BegrenzeSumme({zaehler}, kTastendrueckeMax);
    }
    Veraendert();
}
