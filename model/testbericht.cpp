#include "model/testbericht.h"

#include <algorithm>

#include "model/archivfeld.h"
#include "model/aufgabenbits.h"
#include "model/begrenzung.h"
#include "model/berichtsgrenzen.h"
#include "platform/archiv.h"

CTestBericht::CTestBericht() { Zuruecksetzen(); }

CTestBericht::CTestBericht(const CTestBericht& r) : CTestBericht() { *this = r; }

CTestBericht::~CTestBericht() = default;

CTestBericht& CTestBericht::operator=(const CTestBericht& r)
{
    if (this != &r) {
        m_nTestart = r.m_nTestart;
        m_dwTestFlags = r.m_dwTestFlags;
        m_rcRechteck = r.m_rcRechteck;
        m_dHGGeschwindigkeit = r.m_dHGGeschwindigkeit;
        m_dZielGeschwindigkeit = r.m_dZielGeschwindigkeit;
        m_dLaufzeit = r.m_dLaufzeit;
        m_nTag = r.m_nTag;
        m_nUhrzeit = r.m_nUhrzeit;
        m_nHGReaktionszeit = r.m_nHGReaktionszeit;
        m_nKorrekteReaktionen = r.m_nKorrekteReaktionen;
        m_nFalscheAlarme = r.m_nFalscheAlarme;
        m_Durchgaenge = r.m_Durchgaenge;
        m_nAnzahlReize = r.m_nAnzahlReize;
        for (int k = 0; k < 4; ++k) {
            m_Rechtecke[k].SetSize(m_nAnzahlReize);
            for (int i = 0; i < m_nAnzahlReize; ++i)
                m_Rechtecke[k].SetAt(i, r.m_Rechtecke[k].GetAt(i));
            m_Zaehler[k] = r.m_Zaehler[k];
        }
        m_Zeit = r.m_Zeit;
    }
    Veraendert();
    return *this;
}

void CTestBericht::Zuruecksetzen()
{
    m_nTestart = 0;
    m_dwTestFlags = 0;
    m_rcRechteck = RECT{0, 0, 0, 0};
    m_dHGGeschwindigkeit = m_dZielGeschwindigkeit = m_dLaufzeit = 0.0;
    m_nTag = m_nUhrzeit = 0;
    m_nHGReaktionszeit = 0;
    m_nKorrekteReaktionen = m_nFalscheAlarme = 0;
    m_strXTitel.clear();
    m_strYTitel.clear();
    m_Tabelle1.Loesche();
    m_Tabelle2.Loesche();
    m_Diagramm.Zuruecksetzen();
    m_Durchgaenge.clear();
    SetAnzahlReize(0);
}

void CTestBericht::Veraendert()
{
    m_nAuswertung = 0;
    m_nDiagramm = -1;
}

int CTestBericht::SetAnzahlReize(int n)
{
    Veraendert();
    int ergebnis = 0;
    if (n < 0) {
        n = 0;
        ergebnis = 1;
    }
    m_nAnzahlReize = n;
    for (int k = 0; k < 4; ++k) {
        m_Rechtecke[k].SetSize(n);
        m_Zaehler[k].assign(static_cast<size_t>(n), 0u);
    }
    m_Zeit.assign(static_cast<size_t>(n), 0u);
    for (int32_t& reiz : m_Durchgaenge) {
        if (reiz >= n) {
            reiz = 0;
            ergebnis = 2;
        }
    }
    return ergebnis;
}

int CTestBericht::SetAnzahlDurchgaenge(int m)
{
    Veraendert();
    int ergebnis = 0;
    if (m < 0) {
        m = 0;
        ergebnis = 1;
    } else if (m_nAnzahlReize == 0) {
        ergebnis = 2;
    }
    m_Durchgaenge.assign(static_cast<size_t>(m), 0);
    return ergebnis;
}

int CTestBericht::SetDurchgang(int durchgang, int reiz)
{
    Veraendert();
    if (durchgang < 0 || durchgang >= GetAnzahlDurchgaenge())
        return 2;
    int ergebnis = 0;
    if (reiz >= m_nAnzahlReize) {
        reiz = m_nAnzahlReize - 1;
        ergebnis = 1;
    }
    if (reiz < 0) {
        reiz = 0;
        ergebnis = 1;
    }
    m_Durchgaenge[static_cast<size_t>(durchgang)] = reiz;
    return ergebnis;
}

int CTestBericht::GetDurchgang(int durchgang) const
{
    if (durchgang < 0 || durchgang >= GetAnzahlDurchgaenge())
        return -1;
    const int32_t reiz = m_Durchgaenge[static_cast<size_t>(durchgang)];
    return reiz >= 0 && reiz < m_nAnzahlReize ? reiz : -1;
}

int CTestBericht::SetRechteck(int k, int i, RECT r)
{
    Veraendert();
    if (!Gueltig(i))
        return 1;
    return m_Rechtecke[k].SetAt(i, r);
}

RECT CTestBericht::GetRechteck(int k, int i) const { return Gueltig(i) ? m_Rechtecke[k].GetAt(i) : RECT{0, 0, 0, 0}; }

// Every writing operation marks the report as changed, valid index or not.
int CTestBericht::Schreibe(std::vector<uint32_t>& feld, int i, uint32_t wert, bool addieren)
{
    Veraendert();
    return SchreibeReizEintrag(feld, i, wert, addieren);
}

int CTestBericht::SetZeit(int i, int64_t ms) { return Schreibe(m_Zeit, i, static_cast<uint32_t>(ms), false); }

int CTestBericht::AddZeit(int i, int64_t ms) { return Schreibe(m_Zeit, i, static_cast<uint32_t>(ms), true); }

int CTestBericht::IncKorrekteReaktionen()
{
    Veraendert();
    ++m_nKorrekteReaktionen;
    return 0;
}

int CTestBericht::IncFalscheAlarme()
{
    Veraendert();
    ++m_nFalscheAlarme;
    return 0;
}

int CTestBericht::AddDauer(int64_t ms)
{
    Veraendert();
    m_nHGReaktionszeit += ms;
    return 0;
}

namespace {

void Rechteck(CArchive& ar, RECT& r) { Felder(ar, r.left, r.top, r.right, r.bottom); }

// The four rectangles of a stimulus (the stimulus as the run ended and as it
// began) as a run leaves them: clipped to the display, and laid out as the
// renderers lay them out, so that the deviations measured between them stay
// within what a display can show.
void Reizlage(uint32_t flags, RECT r[4])
{
    for (int k = 0; k < 4; ++k)
        BegrenzePixel(r[k]);
    if (flags & aufgabe::LINIEN) {
        // Rectangle 1 the horizontal line, 2 the vertical one standing on
        // its mark, 3 and 4 the same at the start: each line reaches across
        // the other, however the marks moved.
        Beruehrend(r[1], r[0], kWaagrecht);
        Beruehrend(r[3], r[0], kWaagrecht);
        Beruehrend(r[0], r[1], kSenkrecht);
        Beruehrend(r[2], r[1], kSenkrecht);
    } else if (flags & aufgabe::LAENGEN) {
        // Rectangle 1 the example, 2 the test bar (4 at the start): its
        // width half to one and a half times the example's, its height at
        // least half the example's (the example may have left the display
        // at the top or bottom), give or take the rounding of both to pixels.
        const LONG breite = r[0].right - r[0].left, hoehe = r[0].bottom - r[0].top;
        for (RECT* balken : {&r[1], &r[3]}) {
            Ausdehnung(*balken, kWaagrecht, std::max<LONG>((breite - 2) / 2, 0),
                       std::min<LONG>((3 * breite + 5) / 2, kBildschirmseiteMax));
            Ausdehnung(*balken, kSenkrecht, std::max<LONG>((hoehe - 2) / 2, 0), kBildschirmseiteMax);
        }
    }
}

} // namespace

void CTestBericht::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        Zuruecksetzen();

    Felder(ar, m_nTestart, m_dwTestFlags, m_nTag, m_nUhrzeit, m_dLaufzeit, m_dHGGeschwindigkeit,
           m_dZielGeschwindigkeit);
    Rechteck(ar, m_rcRechteck);
    Felder(ar, m_nKorrekteReaktionen, m_nFalscheAlarme);
    uint32_t hoch = static_cast<uint32_t>(static_cast<uint64_t>(m_nHGReaktionszeit) >> 32);
    uint32_t tief = static_cast<uint32_t>(m_nHGReaktionszeit);
    Felder(ar, hoch, tief);
    int32_t n = m_nAnzahlReize;
    int32_t m = GetAnzahlDurchgaenge();
    Felder(ar, n, m);

    if (ar.IsLoading()) {
        m_nHGReaktionszeit =
            std::clamp(static_cast<int64_t>((static_cast<uint64_t>(hoch) << 32) | tief), int64_t{0}, kMillisekundenMax);
        BegrenzeLaufwerte(m_dLaufzeit, m_dHGGeschwindigkeit, m_dZielGeschwindigkeit, m_nUhrzeit);
        BegrenzeHGZaehler(m_nKorrekteReaktionen, m_nFalscheAlarme);
        // Counts from a damaged file must not size arrays the file cannot fill.
        ar.PruefeRest(GespeicherteGroesse(n < 0 ? 0 : n, m < 0 ? 0 : m) - 80);
        SetAnzahlDurchgaenge(0);
        SetAnzahlReize(n);
        SetAnzahlDurchgaenge(m);
    }

    for (int i = 0; i < m_nAnzahlReize; ++i) {
        RECT r[4];
        for (int k = 0; k < 4; ++k)
            r[k] = m_Rechtecke[k].GetAt(i);
        // Rectangles 2 and 3 are stored in exchanged order.
        Rechteck(ar, r[0]);
        Rechteck(ar, r[2]);
        Rechteck(ar, r[1]);
        Rechteck(ar, r[3]);
        const size_t j = static_cast<size_t>(i);
        Felder(ar, m_Zaehler[0][j], m_Zaehler[1][j], m_Zaehler[2][j], m_Zaehler[3][j], m_Zeit[j]);
        if (ar.IsLoading()) {
            Reizlage(m_dwTestFlags, r);
            for (int k = 0; k < 4; ++k)
                m_Rechtecke[k].SetAt(i, r[k]);
            m_Zeit[j] = std::min<uint32_t>(m_Zeit[j], kMillisekundenMax);
        }
    }
    if (ar.IsLoading()) {
        // Every trial answers each pair of keys at most once.
        const uint64_t durchgaenge = static_cast<uint64_t>(GetAnzahlDurchgaenge());
        BegrenzeSumme({&m_Zaehler[0], &m_Zaehler[1]}, durchgaenge);
        BegrenzeSumme({&m_Zaehler[2], &m_Zaehler[3]}, durchgaenge);
    }
    for (int t = 0; t < GetAnzahlDurchgaenge(); ++t) {
        if (ar.IsStoring())
            ar << static_cast<int32_t>(GetDurchgang(t));
        else
            ar >> m_Durchgaenge[static_cast<size_t>(t)];
    }
    if (ar.IsLoading())
        Veraendert();
}
