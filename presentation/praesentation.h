#pragma once

#include "model/testbericht.h"
#include "model/trainingsbericht.h"
#include "platform/display/ddraw.h"
#include "platform/draw/dc.h"
#include "presentation/bildstreifen.h"
#include "presentation/reaktionstasten.h"
#include "presentation/stoppuhr.h"
#include "workplace/benutzerprofil.h"
#include "workplace/geometrie.h"

#include <cstdint>
#include <memory>
#include <string>

class CHintergrund;
class CTraining;
class CTest;
class CUmgebung;
class CLeseseiten;

// Error codes of a run (m_nFehler).
enum : int {
    FEHLER_COM = 1,
    FEHLER_VOLLBILD = 2,
    FEHLER_HAUPTFENSTER = 3,
    FEHLER_DD_ERSTELLEN = 4,
    FEHLER_DD_INITIALISIEREN = 5,
    FEHLER_OBERFLAECHE = 6,
    FEHLER_AUFLOESUNG = 7,
    FEHLER_PALETTE = 8,
    FEHLER_MODUS = 9,
    FEHLER_HINTERGRUND = 10,
    FEHLER_VORDERGRUND = 11,
    FEHLER_ZEICHENLISTE = 12,
    FEHLER_ARGUMENT = 13,
    FEHLER_ANGABEN = 14,
    FEHLER_TASTEN = 15,
    FEHLER_STOPPUHR = 16,
    FEHLER_ANGABEN_LESEN = 17,
    FEHLER_BILDSPEICHER = 256,
    FEHLER_FLIP = 257,
    FEHLER_HG_KOPIE = 258,
    FEHLER_VG_KOPIE = 259,
    FEHLER_DATEI = 0x300,
    FEHLER_SPEICHER = 513,
};

// Hint codes (m_nHinweis).
enum : int { HINWEIS_MODUS = 1, HINWEIS_UNDURCHSICHTIG = 32 };

// The full-screen engine of exactly one run of a training or a test. A view
// builds one, binds it with Einrichten, calls Darbieten once, reads the error
// code, the texts and the report, and destroys it, which gives the display
// back; LaufVorbereiten stops before the frame loop, for callers that drive
// the loop's steps themselves. Every member is open to the renderers, the frame
// loop and the trial logic, which are members themselves (one file each).
class CPraesentation {
public:
    CPraesentation();
    ~CPraesentation();
    CPraesentation(const CPraesentation&) = delete;
    CPraesentation& operator=(const CPraesentation&) = delete;

    // -- Set-up: binds the run to the main window whose screen it takes over
    // and to what it borrows for its length: the view that asks, profile,
    // environment, and the training or the test. FEHLER_ARGUMENT when one is
    // missing (or both a training and a test are given), else 0; the display
    // is not touched yet.
    int Einrichten(HWND hauptfenster, void* view, CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training,
                   CTest* test);
    // The bound run: 0 on success, else the error code.
    int Darbieten();
    // The bound run's display set-up and preparation, up to its frame loop;
    // 0, else the error code (also in m_nFehler).
    int LaufVorbereiten();

    // -- Display set-up and preparation
    int InitDirectDraw();
    int TrainingVorbereiten();
    int TestVorbereiten();

    // -- Renderers: 0, 14 for unusable settings, else their failure value
    int HintergrundErstellen();
    int SakkadenErstellen();
    int ExplorationErstellen();
    int AufgabeOhneBildPruefen(int art); // tasks 30 and 40
    int TextErstellen();
    int SonstigesErstellen();
    int LinienErstellen();
    int LaengenErstellen();
    // Stimulus cells of up to two stimulus sets in m_Streifen1 and m_Streifen2.
    int VordergrundbilderLaden(int satz1, int satz2, int zellgroesse, int schrifthoehe);

    // -- Frame loop: the copies answer 0, -1 to be tried again, or the code
    int TrainingPraesentieren();
    int TestPraesentieren();
    int HintergrundKopieren(int auswahl);
    int TrainingVordergrundKopieren();
    int TestVordergrundKopieren();

    // -- Trial logic: 1 when the run ends on an error, else 0
    int TrainingAuswerten();
    int TestAuswerten();
    int HGAufgabeAuswerten();

    // Error text of a code of the table (empty for codes that set their own).
    static std::string FehlerText(int code, bool test);
    // The code's text naming its reason (a sentence): the reason follows
    // the text's own words after a colon.
    static std::string FehlerText(int code, bool test, const std::string& grund);
    // Text of a DirectDraw result that replaces the error text; empty for others.
    static std::string ErgebnisText(HRESULT hr);

    // -- Result of the run
    int m_nFehler;
    HRESULT m_hrLetztes;
    int m_nHinweis;
    std::string m_strFehler;
    std::string m_strHinweis;
    CTrainingsBericht m_TrainingsBericht;
    CTestBericht m_TestBericht;
    HWND m_hHauptfenster;

    // -- Stopwatches: frame laps (0.1 ms), foreground and background (ms), run (0.1 s)
    CStoppuhr m_UhrBild;
    CStoppuhr m_UhrVordergrund;
    CStoppuhr m_UhrHintergrund;
    CStoppuhr m_UhrGesamt;

    // -- Times in ms: current value and bounds
    int64_t m_nPause, m_nPauseMin, m_nPauseMax;
    int64_t m_nAnzeige, m_nAnzeigeMin, m_nAnzeigeMax;
    int64_t m_nHGIntervall, m_nHGIntervallMin, m_nHGIntervallMax;
    int64_t m_nHGDauer, m_nHGDauerMin, m_nHGDauerMax;

    // -- Pictures and places
    CBildstreifen m_Streifen1, m_Streifen2;
    CPalette m_Palette;
    CVerzeichnisse m_Verzeichnisse;
    RECT m_rcBildschirm;
    RECT m_rcAktuell;
    CRechteckListe m_Rechtecke1, m_Rechtecke2, m_Rechtecke3;
    CDPunktListe m_Punkte1, m_Punkte2, m_Punkte3;
    double m_dMarkeBreite, m_dMarkeHoehe;
    int m_nIndex;
    int m_nAnzahl;
    int m_nBildfrequenz;
    double m_dSchritt;
    double m_dHGSchritt, m_dHGSchrittGeaendert;
    int m_nHGPeriode;
    double m_dHGPosition;
    int m_nHGVersatz;

    // -- Display objects
    IDirectDraw2* m_pDD;
    IDirectDrawSurface* m_pPrimaer;
    IDirectDrawSurface* m_pRueckpuffer;
    IDirectDrawSurface* m_pHintergrund;
    IDirectDrawSurface* m_pHintergrundZiel;
    IDirectDrawSurface* m_pVordergrund;
    // The reading task's pages, drawn into m_pVordergrund when shown.
    std::unique_ptr<CLeseseiten> m_pLeseseiten;
    IDirectDrawPalette* m_pDDPalette;
    PALETTEENTRY m_Palette256[256];

    // -- Keys and flag words
    CReaktionstasten m_Tasten;
    uint32_t m_nEinrichtung;
    uint32_t m_nAufgabe;
    uint32_t m_nTasten;
    uint32_t m_nZustand;
    BOOL m_bCOM;

    // -- Borrowed, never freed
    HWND m_hFenster; // bound by Einrichten; m_hHauptfenster once the display took it
    void* m_pView;
    CBenutzerprofil* m_pProfil;
    CUmgebung* m_pUmgebung;
    CTraining* m_pTraining;
    CTest* m_pTest;

private:
    // Settings that the run could never prepare at the display size the
    // environment asks for, refused before the display is taken; 0, else
    // the error code with its text.
    int VorabPruefen();
    // The preparation steps that training and test share.
    int Vorbereiten(bool test);
    // Colour key on the foreground, or opaque with the hint.
    void Durchsichtigkeit(int durchsichtigkeit);
    // Set-up of a task without a foreground picture; 0.
    int OhneVordergrund(bool test);
    // True when Einrichten bound everything a run needs.
    bool Gebunden() const;
    // Background and colours of the run's training, else of its test; null
    // without either.
    const CHintergrund* Hintergrund() const;
};

// The run's palette from the five colours: system entries 0-9 and 246-255,
// the fixed entries and both ramps. Colours as COLORREF.
void PaletteAufbauen(PALETTEENTRY (&palette)[256], uint32_t beispielreiz, uint32_t vordergrund, uint32_t hintergrund,
                     uint32_t standardmuster, uint32_t zielmuster);

// One try of the display-mode ladder: the mode was set at breite x hoehe
// and frequenz; angepasst when it differs from what was asked for.
struct CModusErgebnis {
    bool gesetzt = false;
    bool angepasst = false;
    DWORD breite = 0, hoehe = 0, frequenz = 0;
};
// Tries the asked size at the rate to ask for (CBildschirmModus::
// GetWunschfrequenz) and falling rates, then 800 x 600 and 640 x 480 the
// same way; always 8 bits per pixel.
CModusErgebnis ModusLeiter(IDirectDraw2* dd, DWORD breite, DWORD hoehe, DWORD frequenz);
