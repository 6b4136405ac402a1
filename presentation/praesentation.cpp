#include "presentation/praesentation.h"

#include <new>
#include <stdexcept>

#include "model/test.h"
#include "model/training.h"
#include "platform/crt.h"
#include "presentation/lesetext.h"
#include "presentation/sakkaden.h"
#include "workplace/datum.h"
#include "workplace/umgebung.h"

CPraesentation::CPraesentation()
    : m_nFehler(FEHLER_DD_INITIALISIEREN), m_hrLetztes(0), m_nHinweis(0),
      m_strFehler("Direct Draw konnte nicht initialisiert werden.\n"), m_hHauptfenster(nullptr), m_nPause(0),
      m_nPauseMin(0), m_nPauseMax(0), m_nAnzeige(0), m_nAnzeigeMin(0), m_nAnzeigeMax(0), m_nHGIntervall(0),
      m_nHGIntervallMin(0), m_nHGIntervallMax(0), m_nHGDauer(0), m_nHGDauerMin(0),
      m_nHGDauerMax(0), m_rcBildschirm{}, m_rcAktuell{}, m_dMarkeBreite(0.0), m_dMarkeHoehe(0.0), m_nIndex(-1),
      m_nAnzahl(0), m_nBildfrequenz(0), m_dSchritt(0.0), m_dHGSchritt(0.0), m_dHGSchrittGeaendert(0.0), m_nHGPeriode(0),
      m_dHGPosition(0.0), m_nHGVersatz(0), m_pDD(nullptr), m_pPrimaer(nullptr), m_pRueckpuffer(nullptr),
      m_pHintergrund(nullptr), m_pHintergrundZiel(nullptr), m_pVordergrund(nullptr),
      m_pDDPalette(nullptr), m_Palette256{}, m_nEinrichtung(0), m_nAufgabe(0), m_nTasten(0), m_nZustand(0),
      m_bCOM(FALSE), m_hFenster(nullptr), m_pView(nullptr), m_pProfil(nullptr), m_pUmgebung(nullptr),
      m_pTraining(nullptr), m_pTest(nullptr)
{
}

CPraesentation::~CPraesentation()
{
    m_Streifen1.Freigeben();
    m_Streifen2.Freigeben();
    if (m_pDD) {
        if (m_pDDPalette)
            while (m_pDDPalette->Release() > 0) {}
        m_pDDPalette = nullptr;
        // The back buffer goes with the primary surface.
        for (IDirectDrawSurface** s : {&m_pVordergrund, &m_pHintergrundZiel, &m_pHintergrund, &m_pPrimaer}) {
            if (*s)
                (*s)->Release();
            *s = nullptr;
        }
        m_pRueckpuffer = nullptr;
        if (m_hHauptfenster) {
            m_pDD->RestoreDisplayMode();
            m_pDD->SetCooperativeLevel(m_hHauptfenster, DDSCL_NORMAL);
        }
        // Also when the set-up failed before it found the main window.
        while (m_pDD->Release() > 0) {}
        m_pDD = nullptr;
    }
    m_hHauptfenster = nullptr;
    if (m_bCOM)
        CoUninitialize();
}

int CPraesentation::Einrichten(HWND hauptfenster, void* view, CBenutzerprofil* profil, CUmgebung* umgebung,
                               CTraining* training, CTest* test)
{
    m_hFenster = hauptfenster;
    m_pView = view;
    m_pProfil = profil;
    m_pUmgebung = umgebung;
    m_pTraining = training;
    m_pTest = test;
    return Gebunden() ? 0 : FEHLER_ARGUMENT;
}

bool CPraesentation::Gebunden() const
{
    return m_hFenster && m_pView && m_pProfil && m_pUmgebung && (m_pTraining != nullptr) != (m_pTest != nullptr);
}

int CPraesentation::LaufVorbereiten()
{
    if (!Gebunden())
        return FEHLER_ARGUMENT;
    if (VorabPruefen() != 0 || InitDirectDraw() != 0)
        return m_nFehler;
    m_nFehler = m_pTest ? TestVorbereiten() : TrainingVorbereiten();
    return m_nFehler;
}

int CPraesentation::VorabPruefen()
{
    if (!m_pTraining || m_pTraining->GetAufgabenart() != AUFGABENART_SAKKADEN)
        return 0;
    // Judged at the mode asked for; should the display fall back to another
    // mode, the renderer judges again at that size.
    const CBildschirmModus modus = m_pUmgebung->GetBildschirmModus();
    const CSakkaden sak = m_pTraining->GetSakkaden();
    const RECT bildschirm{0, 0, LONG(modus.m_dwBreite), LONG(modus.m_dwHoehe)};
    const int s = SakkadenFeld(sak, *m_pUmgebung, bildschirm).s;
    if (s < 1) {
        // Settings the renderer refuses before it measures are its own.
        if (sak.m_nModus < 10 || sak.m_nModus > 20 || sak.m_nZeilen < 1 || sak.m_nSpalten < 1)
            return 0;
        m_nFehler = FEHLER_ANGABEN;
        m_strFehler = FehlerText(FEHLER_ANGABEN, false, SakkadenFeldPruefen(sak, *m_pUmgebung, bildschirm));
        return m_nFehler;
    }
    if (std::string grund = SakkadenAnzahlPruefen(sak.m_nDurchgaenge, s); !grund.empty()) {
        m_nFehler = FEHLER_VORDERGRUND;
        m_strFehler = std::move(grund);
        return m_nFehler;
    }
    return 0;
}

int CPraesentation::Darbieten()
{
    if (!Gebunden())
        return FEHLER_ARGUMENT;
    const bool test = m_pTest != nullptr;
    if (VorabPruefen() == 0 && InitDirectDraw() == 0)
        try {
            // A test's renderers seed their own shuffles.
            if (!test) {
                const int64_t jetzt = crt::time();
                crt::srand(jetzt ? uint32_t(jetzt) : 1u);
            }
            m_nFehler = test ? TestVorbereiten() : TrainingVorbereiten();
            if (m_nFehler == 0) {
                int tag, monat, jahr, stunde, minute, sekunde;
                HeuteDatumZeit(&tag, &monat, &jahr, &stunde, &minute, &sekunde);
                const int nummer = Tagnummer(tag, monat, jahr);
                const int uhrzeit = stunde * 3600 + minute * 60 + sekunde;
                if (test) {
                    m_TestBericht.m_nTag = nummer;
                    m_TestBericht.m_nUhrzeit = uhrzeit;
                } else {
                    m_TrainingsBericht.m_nTag = nummer;
                    m_TrainingsBericht.m_nUhrzeit = uhrzeit;
                }
                m_nFehler = test ? TestPraesentieren() : TrainingPraesentieren();
            }
        } catch (const std::bad_alloc&) {
            // A run that cannot get its memory ends like any other failed run.
            m_nFehler = FEHLER_SPEICHER;
        } catch (const std::length_error&) {
            m_nFehler = FEHLER_SPEICHER;
        }
    switch (m_nFehler) {
    case FEHLER_ANGABEN:
        // A refusal that named its reason keeps it.
        if (!m_strFehler.starts_with(FehlerText(m_nFehler, test, "")))
            m_strFehler = FehlerText(m_nFehler, test);
        break;
    case FEHLER_COM:
    case FEHLER_BILDSPEICHER:
    case FEHLER_FLIP:
    case FEHLER_HG_KOPIE:
    case FEHLER_VG_KOPIE:
    case FEHLER_SPEICHER: m_strFehler = FehlerText(m_nFehler, test); break;
    default: break;
    }
    if (std::string text = ErgebnisText(m_hrLetztes); !text.empty())
        m_strFehler = text;
    return m_nFehler;
}

std::string CPraesentation::FehlerText(int code, bool test)
{
    switch (code) {
    case FEHLER_COM: return "Fehler beim Initialisieren der OLE/COM Bibliothek.\n";
    case FEHLER_VOLLBILD: return "Fehler beim Setzen des Vollbildschirm-Modus.\n";
    case FEHLER_DD_ERSTELLEN: return "Fehler beim Erstellen von Direct Draw.\n";
    case FEHLER_DD_INITIALISIEREN: return "Direct Draw konnte nicht initialisiert werden.\n";
    case FEHLER_OBERFLAECHE: return "Fehler beim Erstellen der Bildschirmoberfläche.\n";
    case FEHLER_AUFLOESUNG:
        return "Fehler beim Setzen der Bildschirmauflösung. Versuchen Sie eine andere Bildschirmauflösung.\n";
    case FEHLER_PALETTE: return "Fehler beim Erstellen der Farbpalette.\n";
    case FEHLER_MODUS: return "Fehler beim Setzen der Bildschirmauflösung.\n";
    case FEHLER_HINTERGRUND: return "Fehler beim Erstellen des Hintergrundbildes.\n";
    case FEHLER_VORDERGRUND: return "Fehler beim Erstellen des Vordergrundbildes.\n";
    case FEHLER_ZEICHENLISTE: return "Fehler beim Erstellen der Zeichenliste.\n";
    case FEHLER_ANGABEN:
        return test ? "Eine oder mehrere Testangaben sind unzulässig.\n"
                    : "Eine oder mehrere Trainingsangaben sind unzulässig.\n";
    case FEHLER_TASTEN: return "Fehler beim Initialisieren der Reaktionstasten.\n";
    case FEHLER_STOPPUHR: return "Fehler beim Initialisieren der Stoppuhr.\n";
    case FEHLER_ANGABEN_LESEN:
        return test ? "Fehler beim Lesen der Testangaben.\n" : "Fehler beim Lesen der Trainingsangaben.\n";
    case FEHLER_BILDSPEICHER: return "Fehler beim Beschreiben des Bildschirmspeichers.\n";
    case FEHLER_FLIP: return "Fehler beim Starten der Bildwiederholung.\n";
    case FEHLER_HG_KOPIE: return "Fehler beim Kopieren des Hintergrundbildes in den Bildschirmspeicher.\n";
    case FEHLER_VG_KOPIE: return "Fehler beim Kopieren des Vordergrundbildes in den Bildschirmspeicher.\n";
    case FEHLER_SPEICHER: return "Zuwenig Speicherplatz verfügbar.\n";
    default: return std::string();
    }
}

std::string CPraesentation::FehlerText(int code, bool test, const std::string& grund)
{
    std::string text = FehlerText(code, test);
    if (text.ends_with(".\n"))
        text.resize(text.size() - 2);
    return text + ": " + grund + (grund.empty() ? "" : "\n");
}

std::string CPraesentation::ErgebnisText(HRESULT hr)
{
    switch (hr) {
    case E_INVALIDARG: return "Ein oder mehrere Parameter sind ungültig.\n";
    case DDERR_INVALIDOBJECT:
        return "DirectDraw erhielt einen Zeiger, der auf ein ungültiges DirectDraw-Objekt verwies.\n";
    case DDERR_SURFACELOST:
        return "Zugriff auf eine Surface wurde verweigert, da der Speicherbereich der Surface verloren ging.\n";
    case DDERR_SURFACEBUSY:
        return "Zugriff auf eine Surface wurde verweigert, da die Surface bereits von einem anderen Thread "
               "verwendet wird.\n";
    case E_NOTIMPL: return "Aktion wird nicht unterstützt.\n";
    case DDERR_WASSTILLDRAWING: return "Ein vorausgegangener Blitt-Vorgang wurde noch nicht abgeschlossen.\n";
    case DDERR_NOBLTHW: return "Die Hardware unterstützt kein Blitting.\n";
    default: return std::string();
    }
}
