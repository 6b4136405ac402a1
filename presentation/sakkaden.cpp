// The saccade task: the whole sequence of targets decided before the first
// frame, one picture per trial in the foreground surface.

#include "presentation/sakkaden.h"

#include "presentation/praesentation.h"

#include "model/training.h"
#include "platform/crt.h"
#include "presentation/ablaufbits.h"
#include "presentation/bereitschirm.h"
#include "presentation/bmpdatei.h"
#include "presentation/flaechen.h"
#include "presentation/hgbewegung.h"
#include "presentation/oberflaeche_dc.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"
#include "workplace/verteilung.h"

#include <algorithm>
#include <optional>
#include <vector>

std::vector<std::optional<int>> ReizfolgeZiehen(int anzahl, int zellen, int erster, int letzter)
{
    const int hi = std::min(std::max(letzter, 1), zellen);
    const int lo = std::min(std::max(erster, 1), hi);
    const int spanne = lo > 0 ? hi - lo + 1 : 0;
    std::vector<std::optional<int>> folge(size_t(std::max(anzahl, 0)));
    if (spanne == 0)
        return folge;
    for (size_t i = 0; i < folge.size(); ++i) {
        int k = lo - 1 + crt::rand() % spanne;
        if (i > 0 && folge[i - 1] == k) {
            k += crt::rand() % 2 == 0 ? -1 : 1;
            if (k < lo - 1)
                k = hi - 1;
            else if (k >= hi)
                k = lo - 1;
        }
        folge[i] = k;
    }
    return folge;
}

CSakkadenFeld SakkadenFeld(const CSakkaden& sak, const CUmgebung& umgebung, const RECT& bildschirm)
{
    const int w = bildschirm.right - bildschirm.left;
    const int h = bildschirm.bottom - bildschirm.top;
    const int aw = std::min(umgebung.AnteilInPixelX(sak.m_dBildbreite), w);
    const int ah = std::min(umgebung.AnteilInPixelY(sak.m_dBildhoehe), h);
    RECT feld;
    feld.left = (w - aw) / 2 + bildschirm.left;
    feld.right = feld.left + aw;
    feld.top = (h - ah) / 2 + bildschirm.top;
    feld.bottom = feld.top + ah;
    const int zeilen = std::max(sak.m_nZeilen, 1), spalten = std::max(sak.m_nSpalten, 1);
    return {feld, std::min({umgebung.AnteilInPixelY(sak.m_dZeichengroesse), ah / zeilen, aw / spalten})};
}

std::string SakkadenFeldPruefen(const CSakkaden& sak, const CUmgebung& umgebung, const RECT& bildschirm)
{
    const CSakkadenFeld f = SakkadenFeld(sak, umgebung, bildschirm);
    if (f.s >= 1)
        return {};
    const int aw = f.feld.right - f.feld.left, ah = f.feld.bottom - f.feld.top;
    if (aw < 1)
        return MindestensEinPixel("Die Bildbreite", aw);
    if (ah < 1)
        return MindestensEinPixel("Die Bildhöhe", ah);
    if (const int groesse = umgebung.AnteilInPixelY(sak.m_dZeichengroesse); groesse < 1)
        return MindestensEinPixel("Die Zeichengröße", groesse);
    if (ah / std::max(sak.m_nZeilen, 1) < 1)
        return HoechstensTeile(sak.m_nZeilen, "Zeilen", "Bildhöhe", ah, ah);
    return HoechstensTeile(sak.m_nSpalten, "Spalten", "Bildbreite", aw, aw);
}

std::string SakkadenAnzahlPruefen(int anzahl, int s)
{
    const std::string kopf = "Fehler beim Erstellen des Vordergrundbildes: ";
    if (anzahl < 1)
        return kopf + "Die Anzahl der Durchgänge muss mindestens 1 sein.\n";
    const uint64_t hoechstens = DD_MAX_PIXEL / (uint64_t(s) * uint64_t(s));
    if (uint64_t(anzahl) <= hoechstens)
        return {};
    return kopf + "Für " + FormatInt(anzahl) + " Durchgänge ist das Vordergrundbild zu groß. Bei dieser " +
           "Zeichengröße (" + FormatInt(s) + " Pixel) und Bildschirmauflösung sind höchstens " +
           FormatInt(int(hoechstens)) + " Durchgänge möglich.\n";
}

int CPraesentation::SakkadenErstellen()
{
    if (m_nFehler != 0)
        return m_nFehler;
    if (!m_pTraining || m_pTraining->GetAufgabenart() != AUFGABENART_SAKKADEN || !m_pUmgebung)
        return FEHLER_ANGABEN;
    const CSakkaden sak = m_pTraining->GetSakkaden();
    if (sak.m_nModus < 10 || sak.m_nModus > 20)
        return FEHLER_ANGABEN;
    const int zeilen = sak.m_nZeilen, spalten = sak.m_nSpalten;
    if (zeilen < 1 || spalten < 1)
        return FEHLER_ANGABEN;

    const auto [feld, s] = SakkadenFeld(sak, *m_pUmgebung, m_rcBildschirm);
    if (s < 1) {
        m_nFehler = FEHLER_ANGABEN;
        m_strFehler = FehlerText(FEHLER_ANGABEN, false, SakkadenFeldPruefen(sak, *m_pUmgebung, m_rcBildschirm));
        return FEHLER_ANGABEN;
    }
    const int n = sak.m_nDurchgaenge;
    // Refused before any picture is drawn: the foreground could not be made.
    if (std::string grund = SakkadenAnzahlPruefen(n, s); !grund.empty()) {
        m_nFehler = FEHLER_VORDERGRUND;
        m_strFehler = std::move(grund);
        return 3;
    }
    if (const int r = VordergrundbilderLaden(sak.m_nZielliste, -1, s, s); r != 0)
        return r;

    const auto folge = ReizfolgeZiehen(n, m_Streifen1.GetAnzahl(), sak.m_nZielVon, sak.m_nZielBis);

    BereitSchreiben(*this, {"Bereit?"});

    m_nAnzahl = n;
    m_Rechtecke1.SetSize(n);
    for (int i = 0; i < n; ++i)
        m_Rechtecke1.SetAt(i, RECT{0, i * s, s, (i + 1) * s});
    if (m_pTraining->GetHGMuster().m_nDurchsichtigkeit == 2) {
        m_rcAktuell = feld;
        m_nEinrichtung |= einrichtung::FELD_LOESCHEN;
    }
    m_Rechtecke2.SetSize(n);
    m_TrainingsBericht.SetAnzahlReize(n);

    CVerteilung raster;
    const int r1 = raster.SetBereich(feld, RECT{0, 0, s, s});
    const int r2 = raster.SetRaster(zeilen, spalten, 0x41);
    if (r1 != 0 || r2 != 0)
        return r1 | r2;

    // Walk across the grid step by step, or jump at random.
    const int dxMin = std::max(sak.m_nSchrittXMin, 0);
    const int dxSpanne = std::max(sak.m_nSchrittXMax - sak.m_nSchrittXMin, 0);
    const int dyMin = std::max(sak.m_nSchrittYMin, 0);
    const int dySpanne = std::max(sak.m_nSchrittYMax - sak.m_nSchrittYMin, 0);
    const bool rechts = m_pTraining->GetHGBewegung().m_nRichtung == 1;
    int spalte = 1, zeile = 1;
    if (sak.m_nModus == 10) {
        spalte = rechts ? 1 - dxMin : spalten + dxMin;
        zeile = 1 + crt::rand() % zeilen;
    }
    for (int i = 0; i < n; ++i) {
        if (sak.m_nModus == 10) {
            const int dx = dxMin + crt::rand() % (dxSpanne + 1);
            if (rechts) {
                spalte += dx;
                while (spalte > spalten)
                    spalte -= spalten;
            } else {
                spalte -= dx;
                while (spalte < 1)
                    spalte += spalten;
            }
            crt::rand(); // drawn and not used: the sequence of draws is part of the task
            zeile += dyMin + crt::rand() % (dySpanne + 1);
            while (zeile > zeilen)
                zeile -= zeilen;
        } else {
            spalte = 1 + crt::rand() % spalten;
            zeile = 1 + crt::rand() % zeilen;
        }
        const RECT r = raster.GetRechteckRasterplatz(zeile, spalte);
        const POINT p = raster.GetPunktRasterplatz(zeile, spalte);
        m_Rechtecke2.SetAt(i, r);
        m_TrainingsBericht.SetRechteck(i, r.left, r.top, r.right, r.bottom);
        m_TrainingsBericht.SetPunkt(i, p.x, p.y);
    }
    m_TrainingsBericht.m_nRasterSpalten = spalten;
    m_TrainingsBericht.m_nRasterZeilen = zeilen;
    const POINT erster = raster.GetPunktRasterplatz(1, 1);
    const POINT letzter = raster.GetPunktRasterplatz(zeilen, spalten);
    m_TrainingsBericht.m_rcPositionen = RECT{erster.x, erster.y, letzter.x, letzter.y};

    m_nAufgabe |= aufgabe::ZIELE;
    if (sak.m_nDurchgangsstart == 1)
        m_nAufgabe |= aufgabe::START_MIT_TASTE;
    if (sak.m_nRueckmeldung == 1)
        m_nAufgabe |= aufgabe::ZWEITE_ANTWORT;
    if (sak.m_nDurchgangsende == 1)
        m_nAufgabe |= aufgabe::REAKTIONSTASTE;
    else if (sak.m_nDurchgangsende == 2)
        m_nAufgabe |= aufgabe::RUECKMELDUNG;
    if (sak.m_nMauszeiger == 1)
        m_nEinrichtung |= einrichtung::MAUSZEIGER;

    m_nPauseMin = InMillisekunden(sak.m_dPauseMin);
    m_nPauseMax = InMillisekunden(sak.m_dPauseMax);
    m_nAnzeigeMin = InMillisekunden(sak.m_dDauerMin);
    m_nAnzeigeMax = InMillisekunden(sak.m_dDauerMax);

    bool system = false;
    if (BildflaecheAnlegen(m_pDD, s, n * s, &m_pVordergrund, &system) != DD_OK)
        return 3;
    if (system)
        m_nEinrichtung |= einrichtung::VG_BLT;
    Farbfuellen(m_pVordergrund, nullptr, INDEX_DURCHSICHTIG);

    int ergebnis = 0;
    IDirectDrawSurface* streifen = m_Streifen1.GetOberflaeche();
    for (int i = 0; i < n; ++i) {
        if (!folge[size_t(i)])
            continue;
        RECT ziel = m_Rechtecke1.GetAt(i);
        RECT zelle = m_Streifen1.GetZelle(*folge[size_t(i)]);
        if (!streifen || m_pVordergrund->Blt(&ziel, streifen, &zelle, DDBLT_WAIT, nullptr) != DD_OK)
            ergebnis |= 4;
    }
    return ergebnis;
}
