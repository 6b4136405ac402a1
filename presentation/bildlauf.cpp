// The frame loop: ready screen, then every frame the scrolling background,
// the foreground item and a flip at the retrace, with the keys polled and
// the trial logic evaluated at every wait.

#include "presentation/praesentation.h"
#include "presentation/lesetext.h"

#include "model/begrenzung.h"
#include "model/test.h"
#include "model/training.h"
#include "presentation/ablaufbits.h"
#include "presentation/bmpdatei.h"
#include "presentation/flaechen.h"
#include "presentation/hgbewegung.h"
#include "workplace/umgebung.h"

namespace {

using namespace zustand;

// One poll into the key bits (gesammelt: ORed in, else replacing them),
// then both evaluations.
void Abfragen(CPraesentation& e, bool test, bool gesammelt = true)
{
    const uint32_t t = e.m_Tasten.Abfragen();
    e.m_nTasten = gesammelt ? (e.m_nTasten | t) : t;
    if (test)
        e.TestAuswerten();
    else
        e.TrainingAuswerten();
    e.HGAufgabeAuswerten();
}

enum class ENachricht { Keine, Escape, Beenden };

// Takes the main window's keyboard messages: was one Escape, or does the
// system ask the program to end (a shutdown, which ends the run as Escape
// does, so that its report is kept).
ENachricht NachrichtenLeeren(const CPraesentation& e)
{
    ENachricht ergebnis = ENachricht::Keine;
    MSG m;
    while (PeekMessageA(&m, e.m_hHauptfenster, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        if (m.message == WM_QUIT)
            return ENachricht::Beenden;
        if (m.message == WM_KEYDOWN && m.wParam == WPARAM(VK_ESCAPE))
            ergebnis = ENachricht::Escape;
    }
    return ergebnis;
}

// Result of one copy call: 0 on, -1 try the whole copy again, or the code
// (set with the result) when it failed. A lost surface is restored and the
// call made once more.
template <class Kopie>
int KopieAuswerten(CPraesentation& e, IDirectDrawSurface* wiederherstellen, int code, Kopie kopie)
{
    HRESULT hr = kopie();
    if (hr == DDERR_SURFACELOST) {
        if (wiederherstellen->Restore() != DD_OK)
            hr = DDERR_SURFACELOST;
        else
            hr = kopie();
    }
    if (hr == DD_OK)
        return 0;
    if (hr == DDERR_WASSTILLDRAWING)
        return -1;
    e.m_hrLetztes = hr;
    e.m_nFehler = code;
    return code;
}

// May the source be copied now: 0, -1 while it is still drawing, or the code.
int BlitStatus(CPraesentation& e, IDirectDrawSurface* quelle, int code)
{
    if (!quelle) {
        e.m_nFehler = code;
        return code;
    }
    const HRESULT hr = quelle->GetBltStatus(DDGBS_CANBLT);
    if (hr == DD_OK)
        return 0;
    if (hr == DDERR_WASSTILLDRAWING)
        return -1;
    if (hr == DDERR_SURFACELOST && quelle->Restore() == DD_OK)
        return 0;
    e.m_hrLetztes = hr;
    e.m_nFehler = code;
    return code;
}

// Repeats a step until it answers 0 or a code is set; -1 tries again, a
// positive answer without a code of its own gives 256.
template <class Schritt>
void Wiederholen(CPraesentation& e, Schritt schritt)
{
    while (e.m_nFehler == 0) {
        const int r = schritt();
        if (r == 0)
            return;
        if (r > 0) {
            if (e.m_nFehler == 0)
                e.m_nFehler = FEHLER_BILDSPEICHER;
            return;
        }
    }
}

// Shows the ready screen the renderers drew and waits for Enter; so does
// Escape, and the trials then start all the same. True when the system asked
// the program to end: then they do not.
bool BereitPhase(CPraesentation& e)
{
    HRESULT hr = e.m_pPrimaer ? e.m_pPrimaer->Flip(nullptr, DDFLIP_WAIT) : DDERR_INVALIDOBJECT;
    if (hr == DDERR_SURFACELOST && e.m_pPrimaer->Restore() == DD_OK)
        hr = e.m_pPrimaer->Flip(nullptr, DDFLIP_WAIT);
    if (hr != DD_OK)
        e.m_nFehler = FEHLER_FLIP;

    e.m_nZustand = 0;
    e.m_nTasten = 0;
    bool beenden = false;
    while (!(e.m_nZustand & ENDE) && !(e.m_nTasten & 0x8000u) && e.m_nFehler == 0) {
        e.m_nTasten |= e.m_Tasten.Abfragen();
        if (e.m_nTasten & 0x80000000u)
            e.m_nZustand |= ENDE;
        const ENachricht n = NachrichtenLeeren(e);
        if (n != ENachricht::Keine)
            e.m_nZustand |= ENDE;
        beenden = n == ENachricht::Beenden;
    }
    // The press that left the ready screen, seen as a message before the
    // poll found it, must not count again in the first frame.
    e.m_Tasten.Abfragen();
    return beenden;
}

// The run state the first frame starts from, by the task's mode, and the
// background task's first wait.
void LaufzustandEinrichten(CPraesentation& e, bool test)
{
    if (!test && (e.m_nEinrichtung & einrichtung::KEIN_VG))
        e.m_nAufgabe |= aufgabe::OHNE_VG;
    const uint32_t a = e.m_nAufgabe;
    auto zielDurchgaenge = [&e, a] {
        e.m_nIndex = -1;
        e.m_nPause = (e.m_nPauseMin + e.m_nPauseMax) / 2;
        // Without a drawn display time a target that gets no reaction
        // still ends after the middle of its bounds.
        e.m_nAnzeige = (e.m_nAnzeigeMin + e.m_nAnzeigeMax) / 2;
        return PAUSE | ((a & aufgabe::START_MIT_TASTE) ? WARTET_TASTE : WARTET_ZEIT);
    };
    e.m_nZustand = 0;
    if (test) {
        e.m_nZustand = (a & (aufgabe::OHNE_VG | aufgabe::ZIELE)) ? zielDurchgaenge() : PAUSE;
    } else if (a & aufgabe::ZIELE) {
        e.m_nZustand = zielDurchgaenge();
    } else if (a & aufgabe::PASSIV) {
        e.m_nIndex = 0;
        e.m_nZustand = SEITENSTART | KOPIEREN;
    } else if (a & aufgabe::PASSIV2) {
        e.m_nZustand = PAUSE;
    } else if (a & (aufgabe::SEITEN | aufgabe::BILD)) {
        e.m_nIndex = 0;
        e.m_nZustand = SEITENSTART | KOPIEREN;
    } else {
        e.m_nZustand = PAUSE;
    }
    e.m_nZustand |= HG_NORMAL | HG_WECHSEL;
    if (a & aufgabe::HG_AUFGABE) {
        e.m_nHGIntervall = (e.m_nHGIntervallMin + e.m_nHGIntervallMax) / 2;
        e.m_nZustand |= (a & aufgabe::HG_START_MIT_TASTE) ? HG_WARTET_TASTE : HG_INTERVALL;
    }
}

// The background's step for this frame; a due switch of its surface
// (auswahl: 1 target colour, 2 normal) takes place now.
double HGSchrittWaehlen(CPraesentation& e, int& auswahl)
{
    uint32_t& s = e.m_nZustand;
    double schritt = 0.0;
    if (s & HG_AENDERUNG) {
        schritt = e.m_dHGSchrittGeaendert;
        if (s & HG_WECHSEL) {
            auswahl = (e.m_nAufgabe & aufgabe::HG_FARBE) ? 1 : 2;
            s = (s & ~HG_WECHSEL) | HG_GEWECHSELT;
        }
    } else if (s & HG_NORMAL) {
        schritt = e.m_dHGSchritt;
        if (s & HG_WECHSEL) {
            auswahl = 2;
            s = (s & ~HG_WECHSEL) | HG_GEWECHSELT;
        }
    }
    return schritt;
}

// Flips until the frame is queued; a lost primary is restored.
void Tauschen(CPraesentation& e)
{
    while (e.m_nFehler == 0) {
        const HRESULT hr = e.m_pPrimaer->Flip(nullptr, 0);
        if (hr == DD_OK)
            break;
        if (hr == DDERR_WASSTILLDRAWING)
            continue;
        if (hr == DDERR_SURFACELOST && e.m_pPrimaer->Restore() == DD_OK)
            continue;
        e.m_nFehler = FEHLER_FLIP;
    }
}

// One frame: background and foreground into the back buffer, the flip, and
// the times of what the flip showed.
void BildZeigen(CPraesentation& e, bool test, int& auswahl, CBildRunden& runden)
{
    e.HGAufgabeAuswerten();
    uint32_t& s = e.m_nZustand;
    const double schritt = HGSchrittWaehlen(e, auswahl);
    e.m_dHGPosition = HGPositionWeiter(e.m_dHGPosition, schritt, e.m_nHGPeriode, &e.m_nHGVersatz);

    Wiederholen(e, [&] {
        Abfragen(e, test);
        return e.HintergrundKopieren(auswahl);
    });

    if (test || !(e.m_nEinrichtung & einrichtung::KEIN_VG)) {
        Wiederholen(e, [&] {
            Abfragen(e, test, false);
            if (!(e.m_nZustand & (KOPIEREN | SICHTBAR)))
                return 0;
            const int r = test ? e.TestVordergrundKopieren() : e.TrainingVordergrundKopieren();
            if (r == 0 && (e.m_nZustand & KOPIEREN))
                e.m_nZustand = (e.m_nZustand & ~KOPIEREN) | GEZEICHNET;
            return r;
        });
    }

    Abfragen(e, test);
    Tauschen(e);

    runden.Eintragen(e.m_UhrBild.NeuStarten());
    if (test)
        e.m_Tasten.Zuruecksetzen();

    if (s & GEZEICHNET) {
        e.m_UhrVordergrund.Synchronisieren(e.m_UhrBild);
        s = (s & ~GEZEICHNET) | SICHTBAR;
        if (test)
            s &= ~(ANTWORT_12 | ANTWORT_34);
    }
    if (s & HG_GEWECHSELT) {
        e.m_UhrHintergrund.Synchronisieren(e.m_UhrBild);
        s = (s & ~HG_GEWECHSELT) | HG_ZEIT;
    }

    Abfragen(e, test);
    if (NachrichtenLeeren(e) != ENachricht::Keine)
        s |= ENDE;
}

// Duration and the background's speeds, measured from the last laps, into the run's report.
void ErgebnisEintragen(CPraesentation& e, bool test, const CBildRunden& runden)
{
    const int64_t proSekunde = e.m_UhrGesamt.GetEinheitenProSekunde();
    const double dauer = proSekunde > 0 ? double(e.m_UhrGesamt.Anhalten()) / double(proSekunde) : 0.0;
    const double normal = e.m_pUmgebung ? runden.Geschwindigkeit(e.m_dHGSchritt, *e.m_pUmgebung) : 0.0;
    const double geaendert = e.m_pUmgebung ? runden.Geschwindigkeit(e.m_dHGSchrittGeaendert, *e.m_pUmgebung) : 0.0;
    // Within the bounds a loaded report gets, so that the report reads
    // back from its file as it was recorded.
    if (test) {
        CTestBericht& b = e.m_TestBericht;
        b.m_dLaufzeit = dauer;
        b.m_dHGGeschwindigkeit = normal;
        b.m_dZielGeschwindigkeit = geaendert;
        BegrenzeLaufwerte(b.m_dLaufzeit, b.m_dHGGeschwindigkeit, b.m_dZielGeschwindigkeit, b.m_nUhrzeit);
    } else {
        CTrainingsBericht& b = e.m_TrainingsBericht;
        b.m_dLaufzeit = dauer;
        b.m_dStandardGeschwindigkeit = normal;
        b.m_dZielGeschwindigkeit = geaendert;
        BegrenzeLaufwerte(b.m_dLaufzeit, b.m_dStandardGeschwindigkeit, b.m_dZielGeschwindigkeit, b.m_nUhrzeit);
    }
}

int Praesentieren(CPraesentation& e, bool test)
{
    if (e.m_nFehler != 0)
        return e.m_nFehler;
    const int tasten = test ? e.m_Tasten.TestEinrichten(e.m_pTest, e.m_pUmgebung)
                            : e.m_Tasten.TrainingEinrichten(e.m_pTraining, e.m_pUmgebung);
    if (tasten != 0) {
        e.m_nFehler = FEHLER_TASTEN;
        e.m_strFehler = "Fehler beim Initialisieren der Reaktionstasten.\n";
        return FEHLER_TASTEN;
    }

    const bool mauszeiger = (e.m_nEinrichtung & einrichtung::MAUSZEIGER) != 0;
    int zeigerZaehler = 0;
    if (!mauszeiger) {
        zeigerZaehler = ShowCursor(TRUE) - 1;
        while (ShowCursor(FALSE) >= 0) {}
    }

    const bool beenden = BereitPhase(e);

    int auswahl = 2; // 1 target-colour background, 2 normal
    CBildRunden runden;
    LaufzustandEinrichten(e, test);
    if (beenden)
        e.m_nZustand |= ENDE;

    e.m_UhrGesamt.NeuStarten();
    e.m_UhrBild.NeuStarten();
    e.m_UhrVordergrund.NeuStarten();
    e.m_UhrHintergrund.NeuStarten();
    e.m_nTasten = 0;

    while (!(e.m_nZustand & ENDE) && e.m_nFehler == 0)
        BildZeigen(e, test, auswahl, runden);

    ErgebnisEintragen(e, test, runden);

    if (!mauszeiger && zeigerZaehler >= 0) {
        while (ShowCursor(TRUE) < zeigerZaehler) {}
    }
    return e.m_nFehler;
}

} // namespace

int CPraesentation::TrainingPraesentieren() { return Praesentieren(*this, false); }

int CPraesentation::TestPraesentieren() { return Praesentieren(*this, true); }

int CPraesentation::HintergrundKopieren(int auswahl)
{
    if (m_nFehler != 0)
        return m_nFehler;
    IDirectDrawSurface* quelle = m_pHintergrund;
    uint32_t bltBit = einrichtung::HG_BLT;
    if ((auswahl & 1) && m_pHintergrundZiel) {
        quelle = m_pHintergrundZiel;
        bltBit = einrichtung::HGZIEL_BLT;
    }
    if (const int r = BlitStatus(*this, quelle, FEHLER_HG_KOPIE); r != 0)
        return r;

    const LONG w = m_rcBildschirm.right - m_rcBildschirm.left;
    const LONG h = m_rcBildschirm.bottom - m_rcBildschirm.top;
    const LONG o = m_nHGVersatz;
    // Left part from the offset on, then the start of the next period.
    const LONG rest = m_nHGPeriode > 0 ? w % m_nHGPeriode : 0;
    struct CTeil {
        RECT quelle;
        LONG x;
        DWORD schnell, langsam;
    };
    const CTeil teile[2] = {{{o, 0, w, h}, 0, DDBLTFAST_NOCOLORKEY, 0},
                            {{rest, 0, rest + o, h}, w - o, DDBLTFAST_WAIT, DDBLT_WAIT}};
    for (int i = 0; i < (o > 0 ? 2 : 1); ++i) {
        const CTeil& t = teile[i];
        auto kopie = [&]() -> HRESULT {
            RECT q = t.quelle;
            if (!(m_nEinrichtung & bltBit)) {
                const HRESULT hr = m_pRueckpuffer->BltFast(DWORD(t.x), 0, quelle, &q, t.schnell);
                if (hr != E_NOTIMPL)
                    return hr;
                m_nEinrichtung |= bltBit;
            }
            RECT z{t.x, 0, t.x + (q.right - q.left), h};
            return m_pRueckpuffer->Blt(&z, quelle, &q, t.langsam, nullptr);
        };
        if (const int r = KopieAuswerten(*this, m_pRueckpuffer, FEHLER_HG_KOPIE, kopie); r != 0)
            return r;
    }
    return 0;
}

int CPraesentation::TrainingVordergrundKopieren()
{
    if (m_nFehler != 0 || (m_nEinrichtung & einrichtung::KEIN_VG))
        return m_nFehler;
    if (m_nIndex < 0 || m_nIndex >= m_nAnzahl) {
        m_nFehler = FEHLER_VG_KOPIE;
        return m_nFehler;
    }
    // A reading page is drawn when it is turned to.
    if (m_pLeseseiten && m_pLeseseiten->Bereitstellen(*this, m_nIndex) != 0) {
        m_nFehler = FEHLER_VG_KOPIE;
        return m_nFehler;
    }
    RECT quelle = m_Rechtecke1.GetAt(m_nIndex);
    RECT ziel = m_Rechtecke2.GetAt(m_nIndex);
    if (const int r = BlitStatus(*this, m_pVordergrund, FEHLER_VG_KOPIE); r != 0)
        return r;
    if (m_nEinrichtung & einrichtung::FELD_LOESCHEN) {
        const int r = KopieAuswerten(*this, m_pRueckpuffer, FEHLER_VG_KOPIE,
                                     [&] { return Farbfuellen(m_pRueckpuffer, &m_rcAktuell, INDEX_HINTERGRUND); });
        if (r != 0)
            return r;
    }
    const bool deckend = (m_nEinrichtung & einrichtung::DECKEND) != 0;
    return KopieAuswerten(*this, m_pRueckpuffer, FEHLER_VG_KOPIE, [&]() -> HRESULT {
        if (!(m_nEinrichtung & einrichtung::VG_BLT)) {
            const HRESULT hr = m_pRueckpuffer->BltFast(DWORD(ziel.left), DWORD(ziel.top), m_pVordergrund, &quelle,
                                                       deckend ? DDBLTFAST_NOCOLORKEY : DDBLTFAST_SRCCOLORKEY);
            if (hr != E_NOTIMPL)
                return hr;
            m_nEinrichtung |= einrichtung::VG_BLT;
        }
        return m_pRueckpuffer->Blt(&ziel, m_pVordergrund, &quelle, deckend ? 0 : DDBLT_KEYSRC, nullptr);
    });
}

int CPraesentation::TestVordergrundKopieren()
{
    if (m_nFehler != 0)
        return m_nFehler;
    if (m_nIndex < 0 || m_nIndex >= m_nAnzahl) {
        m_nFehler = FEHLER_VG_KOPIE;
        return m_nFehler;
    }
    if (const int r = BlitStatus(*this, m_pRueckpuffer, FEHLER_VG_KOPIE); r != 0)
        return r;
    const int s = m_TestBericht.GetDurchgang(m_nIndex);
    auto fuellen = [&](RECT r, int index) {
        r = RechteckBeschneiden(r, m_rcBildschirm);
        if (r.right <= r.left || r.bottom <= r.top)
            return 0;
        return KopieAuswerten(*this, m_pRueckpuffer, FEHLER_VG_KOPIE,
                              [&] { return Farbfuellen(m_pRueckpuffer, &r, index); });
    };
    int r = 0;
    if (m_nEinrichtung & einrichtung::FELD_LOESCHEN)
        r = fuellen(m_rcAktuell, INDEX_HINTERGRUND);
    else if (m_nEinrichtung & einrichtung::REIZFELD_LOESCHEN)
        r = fuellen(m_Rechtecke2.GetAt(s), INDEX_HINTERGRUND);
    if (r == 0 && (m_nAufgabe & aufgabe::ZIELE))
        r = fuellen(m_Rechtecke3.GetAt(s), INDEX_HINTERGRUND);
    if (r == 0)
        r = fuellen(m_TestBericht.GetRechteck1(s), INDEX_VORDERGRUND);
    if (r == 0)
        r = fuellen(m_TestBericht.GetRechteck2(s), INDEX_BEISPIELREIZ);
    return r;
}
