#include "presentation/testreize.h"

#include "model/testaufgaben.h"
#include "presentation/ablaufbits.h"
#include "presentation/bereitschirm.h"
#include "presentation/hgbewegung.h"
#include "presentation/praesentation.h"
#include "workplace/formatierung.h"
#include "workplace/statistik.h"

#include <algorithm>
#include <array>
#include <cmath>

double FaktorWert(const CTestFaktor& f, int i)
{
    const double anteil = f.nStufen > 1 ? double(i) / double(f.nStufen - 1) : 0.0;
    const double spanne = f.dBis - f.dVon;
    return f.bAufsteigend ? f.dVon + spanne * anteil : f.dBis - spanne * anteil;
}

// Saturates far beyond any display, so that sums and differences of two
// coordinates stay inside LONG; not a number gives 0.
LONG PixelRunden(double v)
{
    constexpr double kGrenze = 1e9;
    const double r = std::trunc(v + 0.5);
    return std::isnan(r) ? 0 : LONG(std::clamp(r, -kGrenze, kGrenze));
}

int64_t Drehung(int64_t start, bool ohneVorzeichen, int64_t reize)
{
    if (ohneVorzeichen)
        return int64_t((uint32_t(start) - 1u) % uint64_t(reize));
    return (start - 1) % reize;
}

namespace {

// Slowest factor first: the factors of the order's three groups.
std::vector<int> Rangfolge(const CTestVorlage& v)
{
    static constexpr std::array<std::array<int, 3>, 6> Gruppenfolge{
        {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
    std::vector<int> rang;
    for (int g : Gruppenfolge[size_t(v.reihenfolge - 1)])
        rang.insert(rang.end(), v.gruppen[g].begin(), v.gruppen[g].end());
    return rang;
}

// Trial sequence: ordered blocks rotated by the start trial, or shuffled
// blocks seeded by it. In the method of adjustment every trial has its own
// stimulus, so repetition r refers to the copies r x S .. (r + 1) x S - 1.
// plaetze: the place of every stimulus in an ordered block; empty for a
// shuffled sequence.
CDWordArray Durchgangsfolge(const CTestVorlage& v, const std::vector<int>& plaetze, int S, int T, bool eigeneReize)
{
    CDWordArray folge(size_t(T), 0);
    const int bloecke = T / S;
    if (!plaetze.empty()) {
        for (int k = 0; k < S; ++k)
            for (int r = 0; r < bloecke; ++r)
                folge[size_t(plaetze[size_t(k)] + r * S)] = uint32_t(eigeneReize ? k + r * S : k);
        const int drehung = int(Drehung(v.start, v.startOhneVorzeichen, S));
        for (int r = 0; r < bloecke; ++r)
            RotiereArray(folge, r * S, (r + 1) * S - 1, drehung);
    } else {
        for (int t = 0; t < T; ++t)
            folge[size_t(t)] = uint32_t(eigeneReize ? t : t % S);
        for (int r = 0; r < bloecke; ++r)
            MischeBereich(folge, uint32_t(v.start) + uint32_t(r), r * S, (r + 1) * S - 1);
    }
    return folge;
}

} // namespace

int TestReizeErstellen(CPraesentation& e, const CTestVorlage& v)
{
    // Counts, saturated above the limit so that no product overflows.
    int64_t reize = 1;
    for (const CTestFaktor& f : v.faktoren) {
        reize = f.nStufen < 1 ? 0 : std::min(reize * f.nStufen, kTestDurchgaengeMax + 1);
        if (reize == 0)
            break;
    }
    const int64_t durchgaenge = reize * std::max(v.wiederholungen, 0);
    const bool herstellung = v.verfahren == VERFAHREN_HERSTELLUNG;

    e.m_dMarkeHoehe = v.markeHoehe;
    e.m_dMarkeBreite = v.markeBreite;
    e.m_nIndex = 0;
    e.m_nEinrichtung |= einrichtung::KEIN_VG;
    e.m_nAufgabe |= v.aufgabe;
    if (v.durchsichtigkeit == 1)
        e.m_nEinrichtung |= einrichtung::REIZFELD_LOESCHEN;
    else if (v.durchsichtigkeit == 2)
        e.m_nEinrichtung |= einrichtung::FELD_LOESCHEN;
    if (herstellung)
        e.m_nAufgabe |= aufgabe::EINSTELLUNG;
    else if (v.verfahren == VERFAHREN_KONSTANT)
        e.m_nAufgabe |= aufgabe::KONSTANT;
    if (v.intervallModus == 1)
        e.m_nAufgabe |= aufgabe::START_MIT_TASTE;
    if (v.orientierung == 2)
        e.m_nAufgabe |= aufgabe::PAAR_34;
    else if (v.orientierung == 3)
        e.m_nAufgabe |= aufgabe::PAAR_12 | aufgabe::PAAR_34;
    else
        e.m_nAufgabe |= aufgabe::PAAR_12;
    if (v.cursor == 1)
        e.m_nEinrichtung |= einrichtung::MAUSZEIGER;
    e.m_nPauseMin = InMillisekunden(v.intervallVon);
    e.m_nPauseMax = InMillisekunden(v.intervallBis);

    if (reize < 1 || durchgaenge < 1 || durchgaenge > kTestDurchgaengeMax) {
        e.m_nFehler = FEHLER_ANGABEN;
        e.m_strFehler = CPraesentation::FehlerText(FEHLER_ANGABEN, true);
        return FEHLER_ANGABEN;
    }
    const int S = int(reize), T = int(durchgaenge);
    const int n = herstellung ? T : S;

    CTestBericht& b = e.m_TestBericht;
    b.SetAnzahlReize(n);
    b.SetAnzahlDurchgaenge(T);
    e.m_Rechtecke2.SetSize(n);
    e.m_Rechtecke3.SetSize(n);
    e.m_nAnzahl = T;
    for (CDPunktListe* liste : {&e.m_Punkte1, &e.m_Punkte2, &e.m_Punkte3})
        liste->SetSize(herstellung ? T : 0);
    e.m_dSchritt = std::abs(v.geschwindigkeit) / (e.m_nBildfrequenz > 0 ? double(e.m_nBildfrequenz) : 60.0);

    const RECT& schirm = e.m_rcBildschirm;
    const LONG mx = (schirm.left + schirm.right) / 2, my = (schirm.top + schirm.bottom) / 2;
    e.m_rcAktuell = RECT{mx, my, mx, my};

    // Stimulus k has the factor steps as the digits of k, the first factor
    // slowest; an ordered sequence places it by the same digits in the
    // order's ranking.
    const bool geordnet = v.reihenfolge >= 1 && v.reihenfolge <= 6;
    const std::vector<int> rang = geordnet ? Rangfolge(v) : std::vector<int>();
    std::vector<int> plaetze(geordnet ? size_t(S) : 0);
    std::vector<int> ziffern(v.faktoren.size());
    std::vector<double> werte(v.faktoren.size());
    for (int k = 0; k < S; ++k) {
        int rest = k;
        for (size_t f = v.faktoren.size(); f-- > 0;) {
            ziffern[f] = rest % v.faktoren[f].nStufen;
            rest /= v.faktoren[f].nStufen;
            werte[f] = FaktorWert(v.faktoren[f], ziffern[f]);
        }
        if (geordnet)
            for (int f : rang)
                plaetze[size_t(k)] = plaetze[size_t(k)] * v.faktoren[size_t(f)].nStufen + ziffern[size_t(f)];
        const CTestReiz r = v.reiz(werte);
        if (herstellung) {
            e.m_Punkte1.SetAtGrowPunkt(k, r.punkt1);
            e.m_Punkte2.SetAtGrowPunkt(k, r.punkt2);
            e.m_Punkte3.SetAtGrowPunkt(k, r.punkt3);
        }
        const RECT reiz1 = RechteckBeschneiden(r.rcReiz1, schirm);
        const RECT reiz2 = RechteckBeschneiden(r.rcReiz2, schirm);
        const RECT raum2 = RechteckBeschneiden(r.rcRaum2, schirm);
        const RECT raum3 = RechteckBeschneiden(r.rcRaum3, schirm);
        b.SetRechteck1(k, reiz1);
        b.SetRechteck3(k, reiz1);
        b.SetRechteck2(k, reiz2);
        b.SetRechteck4(k, reiz2);
        e.m_Rechtecke2.SetAt(k, raum2);
        e.m_Rechtecke3.SetAt(k, raum3);
        e.m_rcAktuell = RechteckVereinigen(RechteckVereinigen(e.m_rcAktuell, raum2), raum3);
    }
    e.m_rcAktuell = RechteckBeschneiden(e.m_rcAktuell, schirm);

    // Adjusted in place, every trial needs its own copy of its stimulus.
    if (herstellung)
        for (int t = S; t < T; ++t) {
            const int k = t % S;
            b.SetRechteck1(t, b.GetRechteck1(k));
            b.SetRechteck2(t, b.GetRechteck2(k));
            b.SetRechteck3(t, b.GetRechteck3(k));
            b.SetRechteck4(t, b.GetRechteck4(k));
            e.m_Punkte1.SetAtGrowPunkt(t, e.m_Punkte1.GetAt(k));
            e.m_Punkte2.SetAtGrowPunkt(t, e.m_Punkte2.GetAt(k));
            e.m_Punkte3.SetAtGrowPunkt(t, e.m_Punkte3.GetAt(k));
            e.m_Rechtecke2.SetAt(t, e.m_Rechtecke2.GetAt(k));
            e.m_Rechtecke3.SetAt(t, e.m_Rechtecke3.GetAt(k));
        }

    const CDWordArray folge = Durchgangsfolge(v, plaetze, S, T, herstellung);
    for (int t = 0; t < T; ++t)
        b.SetDurchgang(t, int(folge[size_t(t)]));

    BereitSchreiben(e, {v.titel, FormatInt(T) + " Durchgänge", "Bereit?"});
    return 0;
}
