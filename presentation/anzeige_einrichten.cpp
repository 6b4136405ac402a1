// Taking the display for a run: COM, DirectDraw, the mode ladder, primary
// surface and back buffer, the run's palette and the waiting screen; then
// the renderers' preparation.
#include "presentation/praesentation.h"

#include "model/test.h"
#include "model/training.h"
#include "presentation/ablaufbits.h"
#include "presentation/bereitschirm.h"
#include "presentation/bmpdatei.h"
#include "presentation/oberflaeche_dc.h"
#include "workplace/umgebung.h"

#include <algorithm>
#include <string>

namespace {

// The static colours a palette display keeps in entries 0-9 and 246-255.
constexpr PALETTEENTRY SystemUnten[10] = {{0, 0, 0, 0},       {128, 0, 0, 0},    {0, 128, 0, 0},   {128, 128, 0, 0},
                                          {0, 0, 128, 0},     {128, 0, 128, 0},  {0, 128, 128, 0}, {192, 192, 192, 0},
                                          {192, 220, 192, 0}, {166, 202, 240, 0}};
constexpr PALETTEENTRY SystemOben[10] = {{255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},
                                         {0, 255, 0, 0},     {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},
                                         {0, 255, 255, 0},   {255, 255, 255, 0}};

PALETTEENTRY Reserviert(uint32_t farbe)
{
    PALETTEENTRY e = AlsPaletteneintrag(farbe & 0xFFFFFF);
    e.peFlags = PC_RESERVED;
    return e;
}

// Component of ramp step i from a towards b: b itself is step 59.
BYTE Rampe(int a, int b, int i)
{
    const int d = a - b;
    const int h = d < 0 ? -29 : 29;
    return BYTE(a - (i * d + h) / 59);
}

} // namespace

void PaletteAufbauen(PALETTEENTRY (&p)[256], uint32_t beispielreiz, uint32_t vordergrund, uint32_t hintergrund,
                     uint32_t standardmuster, uint32_t zielmuster)
{
    std::fill(std::begin(p), std::end(p), PALETTEENTRY{});
    std::copy(std::begin(SystemUnten), std::end(SystemUnten), p);
    std::copy(std::begin(SystemOben), std::end(SystemOben), p + 246);
    p[INDEX_VORDERGRUND] = Reserviert(vordergrund);
    p[INDEX_HINTERGRUND] = Reserviert(hintergrund);
    p[INDEX_BEISPIELREIZ] = Reserviert(beispielreiz);
    p[INDEX_STANDARDMUSTER] = Reserviert(standardmuster);
    p[INDEX_DURCHSICHTIG] = Reserviert(hintergrund);
    p[INDEX_ZIELMUSTER] = Reserviert(zielmuster);
    const PALETTEENTRY hg = p[INDEX_HINTERGRUND];
    for (int start : {INDEX_VORDERGRUND, INDEX_BEISPIELREIZ}) {
        const PALETTEENTRY a = p[start];
        for (int i = 1; i <= 58; ++i) {
            const int ziel = start == INDEX_VORDERGRUND ? start + i : start - i;
            p[ziel] = {Rampe(a.peRed, hg.peRed, i), Rampe(a.peGreen, hg.peGreen, i), Rampe(a.peBlue, hg.peBlue, i),
                       PC_RESERVED};
        }
    }
}

CModusErgebnis ModusLeiter(IDirectDraw2* dd, DWORD breite, DWORD hoehe, DWORD frequenz)
{
    CModusErgebnis e;
    auto aufloesung = [&](DWORD b, DWORD h) {
        DWORD r = frequenz;
        if (dd->SetDisplayMode(b, h, 8, r, 0) == DD_OK) {
            e = {true, e.angepasst, b, h, r};
            return true;
        }
        if (frequenz > 0)
            e.angepasst = true;
        if (r == 0)
            r = 100;
        for (;;) {
            if (dd->SetDisplayMode(b, h, 8, r, 0) == DD_OK) {
                e = {true, e.angepasst, b, h, r};
                return true;
            }
            if (r == 0)
                return false;
            for (DWORD stufe : {90u, 85u, 75u, 70u, 60u, 0u})
                if (r > stufe) {
                    r = stufe;
                    break;
                }
        }
    };
    if (aufloesung(breite, hoehe))
        return e;
    e.angepasst = true;
    if (aufloesung(800, 600) || aufloesung(640, 480))
        return e;
    return CModusErgebnis{};
}

int CPraesentation::InitDirectDraw()
{
    m_Verzeichnisse = m_pProfil ? m_pProfil->GetVerzeichnisse() : CVerzeichnisse();
    m_nFehler = 0;
    m_strFehler.clear();
    m_nHinweis = 0;
    m_strHinweis.clear();
    auto fehler = [this](int code) {
        m_nFehler = code;
        m_strFehler = FehlerText(code, m_pTest && !m_pTraining);
        return m_nFehler;
    };

    if (m_UhrBild.Init(10000) || m_UhrVordergrund.Init(1000) || m_UhrHintergrund.Init(1000) || m_UhrGesamt.Init(10))
        return fehler(FEHLER_STOPPUHR);

    // Already initialised on this thread counts as a failure, but must be
    // undone all the same.
    const HRESULT com = CoInitialize(nullptr);
    if (com == S_OK || com == S_FALSE)
        m_bCOM = TRUE;
    if (com == E_OUTOFMEMORY)
        return m_nFehler = FEHLER_SPEICHER;
    if (com != S_OK)
        return m_nFehler = FEHLER_COM;

    if (FAILED(DirectDrawErzeugen(&m_pDD)) || !m_pDD) {
        m_pDD = nullptr;
        return fehler(FEHLER_DD_ERSTELLEN);
    }
    if (m_pDD->Initialize(nullptr) != DD_OK)
        return fehler(FEHLER_DD_INITIALISIEREN);
    m_hHauptfenster = m_hFenster;
    if (!m_hHauptfenster)
        return m_nFehler = FEHLER_HAUPTFENSTER;
    if (m_pDD->SetCooperativeLevel(m_hHauptfenster, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT) != DD_OK)
        return fehler(FEHLER_VOLLBILD);

    CBildschirmModus modus = m_pUmgebung ? m_pUmgebung->GetBildschirmModus() : CBildschirmModus();
    const CModusErgebnis leiter = ModusLeiter(m_pDD, modus.m_dwBreite, modus.m_dwHoehe, modus.GetWunschfrequenz());
    if (!leiter.gesetzt)
        return fehler(FEHLER_AUFLOESUNG);

    DDSURFACEDESC d;
    if (m_pDD->GetDisplayMode(&d) != DD_OK)
        d = DDSURFACEDESC{};
    m_rcBildschirm = RECT{0, 0, LONG(d.dwWidth), LONG(d.dwHeight)};
    modus.m_dwBreite = d.dwWidth;
    modus.m_dwHoehe = d.dwHeight;
    modus.SetGesetzteFrequenz(leiter.frequenz);
    modus.m_dwFarbtiefe = (d.ddpfPixelFormat.dwFlags & DDPF_RGB) ? d.ddpfPixelFormat.dwRGBBitCount : 8;
    if (modus.m_dwFarbtiefe != 8 || d.dwWidth == 0 || d.dwHeight == 0)
        return fehler(FEHLER_MODUS);

    if (leiter.angepasst) {
        if (m_pUmgebung)
            m_pUmgebung->SetBildschirmModus(modus);
        m_nHinweis |= HINWEIS_MODUS;
        m_strHinweis = "Die gewünschte Bildschirmauflösung konnte nicht gesetzt werden.\n"
                       "Die Bildschirmauflösung wurde angepasst:\n\n" +
                       std::to_string(leiter.breite) + " [Pxl] x " + std::to_string(leiter.hoehe) + ", 8 [Bit], " +
                       (leiter.frequenz ? std::to_string(leiter.frequenz) + " [Hz]\n" : std::string("? [Hz]\n"));
    }
    m_nBildfrequenz = d.dwRefreshRate > 0 ? int(d.dwRefreshRate) : int(leiter.frequenz);
    if (m_nBildfrequenz == 0)
        m_nBildfrequenz = 60;

    DDSURFACEDESC primaer;
    primaer.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    primaer.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    primaer.dwBackBufferCount = 1;
    if (FAILED(m_pDD->CreateSurface(&primaer, &m_pPrimaer, nullptr)) || !m_pPrimaer) {
        m_pPrimaer = nullptr;
        return fehler(FEHLER_OBERFLAECHE);
    }
    DDSCAPS rueck{DDSCAPS_BACKBUFFER};
    if (FAILED(m_pPrimaer->GetAttachedSurface(&rueck, &m_pRueckpuffer)) || !m_pRueckpuffer) {
        m_pRueckpuffer = nullptr;
        return fehler(FEHLER_OBERFLAECHE);
    }

    const CFarben farben = Hintergrund() ? Hintergrund()->GetFarben() : CFarben();
    PaletteAufbauen(m_Palette256, farben.m_crBeispielreiz, farben.m_crVordergrund, farben.m_crHintergrund,
                    farben.m_crStandardmuster, farben.m_crZielmuster);
    m_Palette.CreatePalette(m_Palette256, 256);
    if (m_pDD->CreatePalette(DDPCAPS_8BIT, m_Palette256, &m_pDDPalette, nullptr) != DD_OK)
        m_pDDPalette = nullptr;
    m_pPrimaer->SetPalette(m_pDDPalette);

    DDBLTFX fx;
    fx.dwFillColor = INDEX_DURCHSICHTIG;
    m_pRueckpuffer->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    m_pPrimaer->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);

    // Waiting text in the ready screens' font.
    CFont schrift;
    BereitSchriftErstellen(*this, schrift);
    {
        COberflaechenDC dc(m_pPrimaer);
        if (CDC* pDC = dc.GetDC()) {
            pDC->SelectPalette(&m_Palette, false);
            pDC->SelectObject(&schrift);
            pDC->SetBkColor(PALETTEINDEX(INDEX_HINTERGRUND));
            pDC->SetTextColor(PALETTEINDEX(INDEX_VORDERGRUND));
            pDC->SetTextAlign(TA_CENTER);
            pDC->TextOut(m_rcBildschirm.right / 2, m_rcBildschirm.bottom / 2, "Bilder werden vorbereitet.");
        }
    }
    return m_nFehler;
}

const CHintergrund* CPraesentation::Hintergrund() const
{
    return m_pTraining ? &m_pTraining->GetHintergrund() : m_pTest ? &m_pTest->GetHintergrund() : nullptr;
}

int CPraesentation::TrainingVorbereiten() { return Vorbereiten(false); }
int CPraesentation::TestVorbereiten() { return Vorbereiten(true); }

int CPraesentation::Vorbereiten(bool test)
{
    const int hintergrund = HintergrundErstellen();
    if (hintergrund != 0 && m_nFehler == 0) {
        m_nFehler = FEHLER_HINTERGRUND;
        m_strFehler = FehlerText(FEHLER_HINTERGRUND, test);
    }
    if (m_nFehler)
        return m_nFehler;

    int vordergrund = 0;
    int art = 0;
    if (!test) {
        art = m_pTraining ? m_pTraining->GetAufgabenart() : 0;
        switch (art) {
        case AUFGABENART_SAKKADEN: vordergrund = SakkadenErstellen(); break;
        case AUFGABENART_EXPLORATION: vordergrund = ExplorationErstellen(); break;
        case AUFGABENART_SAETZE:
        case AUFGABENART_VORBEHALTEN: vordergrund = AufgabeOhneBildPruefen(art); break;
        case AUFGABENART_TEXT: vordergrund = TextErstellen(); break;
        case AUFGABENART_SONSTIGES: vordergrund = SonstigesErstellen(); break;
        default: vordergrund = OhneVordergrund(test); break;
        }
        m_nAufgabe |= aufgabe::TRAINING;
        m_TrainingsBericht.m_nAufgabenart = art;
        m_TrainingsBericht.m_dwAufgabenFlags = m_nAufgabe;
    } else {
        art = m_pTest ? m_pTest->GetTestart() : 0;
        switch (art) {
        case TESTART_LINIEN: vordergrund = LinienErstellen(); break;
        case TESTART_LAENGEN: vordergrund = LaengenErstellen(); break;
        default: vordergrund = OhneVordergrund(test); break;
        }
        m_nAufgabe |= aufgabe::TEST;
        m_TestBericht.m_nTestart = art;
        m_TestBericht.m_dwTestFlags = m_nAufgabe;
    }
    if (vordergrund != 0 && m_nFehler == 0) {
        m_nFehler = vordergrund == FEHLER_ANGABEN ? FEHLER_ANGABEN_LESEN : FEHLER_VORDERGRUND;
        m_strFehler = FehlerText(m_nFehler, test);
    }
    if (m_nFehler)
        return m_nFehler;

    if (m_nEinrichtung & einrichtung::KEIN_VG)
        m_nEinrichtung |= einrichtung::DECKEND;
    else
        Durchsichtigkeit(Hintergrund()->GetHGMuster().m_nDurchsichtigkeit);

    m_Palette.GetPaletteEntries(0, 256, m_Palette256);
    bool ok = m_pDDPalette && m_pDDPalette->SetEntries(0, 0, 256, m_Palette256) == DD_OK;
    ok = ok && m_pPrimaer && m_pPrimaer->SetPalette(m_pDDPalette) == DD_OK;
    ok = ok && (!m_pHintergrund || m_pHintergrund->SetPalette(m_pDDPalette) == DD_OK);
    ok = ok && (!m_pVordergrund || m_pVordergrund->SetPalette(m_pDDPalette) == DD_OK);
    if (!ok) {
        m_nFehler = FEHLER_PALETTE;
        m_strFehler = FehlerText(FEHLER_PALETTE, test);
    }
    return m_nFehler;
}

void CPraesentation::Durchsichtigkeit(int durchsichtigkeit)
{
    if (durchsichtigkeit != 0 && durchsichtigkeit != 1) {
        m_nEinrichtung |= einrichtung::DECKEND;
        return;
    }
    DDCOLORKEY schluessel{INDEX_DURCHSICHTIG, INDEX_DURCHSICHTIG};
    HRESULT hr = DDERR_INVALIDOBJECT;
    if (m_pVordergrund)
        do
            hr = m_pVordergrund->SetColorKey(DDCKEY_SRCBLT, &schluessel);
        while (hr == DDERR_WASSTILLDRAWING);
    if (hr != DD_OK) {
        m_nEinrichtung |= einrichtung::DECKEND;
        m_nHinweis = HINWEIS_UNDURCHSICHTIG;
        m_strHinweis = "Das Vordergrundbild konnte nicht transparent gezeichnet werden.\n";
    }
}

int CPraesentation::OhneVordergrund(bool test)
{
    m_nEinrichtung |= einrichtung::KEIN_VG;
    m_nIndex = 0;
    m_nAnzahl = 0;
    if (test)
        m_TestBericht.SetAnzahlReize(0);
    else
        m_TrainingsBericht.SetAnzahlReize(0);
    return 0;
}

// Tasks 30 and 40 have no foreground picture: the run shows the background alone.
int CPraesentation::AufgabeOhneBildPruefen(int art)
{
    if (!m_pTraining || m_pTraining->GetAufgabenart() != art)
        return FEHLER_ANGABEN;
    return OhneVordergrund(false);
}
