#include "platform/display/ddraw.h"
#include "platform/display/memory/speicher_anzeige.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <vector>

namespace {

class SpeicherAnzeige : public ::testing::Test {
protected:
    void Starten(CSpeicherKonfig konfig = {})
    {
        m_anzeige = CSpeicherAnzeige::Installieren(std::move(konfig));
        ASSERT_EQ(DirectDrawErzeugen(&m_dd), S_OK);
        ASSERT_EQ(m_dd->Initialize(nullptr), DD_OK);
    }
    void Vollbild()
    {
        ASSERT_EQ(m_dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT), DD_OK);
        ASSERT_EQ(m_dd->SetDisplayMode(640, 480, 8, 60, 0), DD_OK);
        DDSURFACEDESC d;
        d.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
        d.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
        d.dwBackBufferCount = 1;
        ASSERT_EQ(m_dd->CreateSurface(&d, &m_primaer, nullptr), DD_OK);
        DDSCAPS caps{DDSCAPS_BACKBUFFER};
        ASSERT_EQ(m_primaer->GetAttachedSurface(&caps, &m_rueck), DD_OK);
    }
    IDirectDrawSurface* Oberflaeche(DWORD b, DWORD h, DWORD caps = DDSCAPS_OFFSCREENPLAIN, HRESULT erwartet = DD_OK)
    {
        DDSURFACEDESC d;
        d.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        d.dwWidth = b;
        d.dwHeight = h;
        d.ddsCaps.dwCaps = caps;
        IDirectDrawSurface* s = nullptr;
        EXPECT_EQ(m_dd->CreateSurface(&d, &s, nullptr), erwartet);
        return s;
    }
    static void Fuellen(IDirectDrawSurface* o, DWORD farbe, RECT* r = nullptr)
    {
        DDBLTFX fx;
        fx.dwFillColor = farbe;
        ASSERT_EQ(o->Blt(r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    }
    using Zeilen = std::vector<std::vector<int>>;
    static Zeilen Lesen(IDirectDrawSurface* o)
    {
        DDSURFACEDESC l;
        EXPECT_EQ(o->Lock(nullptr, &l, DDLOCK_READONLY, nullptr), DD_OK);
        Zeilen zeilen(l.dwHeight);
        for (DWORD y = 0; y < l.dwHeight; ++y)
            for (DWORD x = 0; x < l.dwWidth; ++x)
                zeilen[y].push_back(static_cast<BYTE*>(l.lpSurface)[y * DWORD(l.lPitch) + x]);
        o->Unlock(nullptr);
        return zeilen;
    }
    void TearDown() override
    {
        if (m_primaer)
            m_primaer->Release();
        if (m_dd)
            m_dd->Release();
    }
    std::shared_ptr<CSpeicherAnzeige> m_anzeige;
    IDirectDraw2* m_dd = nullptr;
    IDirectDrawSurface* m_primaer = nullptr;
    IDirectDrawSurface* m_rueck = nullptr;
};

TEST_F(SpeicherAnzeige, ErzeugenUndModusSetzen)
{
    IDirectDraw2* dd = nullptr;
    AnzeigeTreiberWaehlen("");
    EXPECT_EQ(DirectDrawErzeugen(&dd), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(AnzeigeTreiberWaehlen("gibtsnicht"), 1);
    Starten();
    m_anzeige->SetErgebnis(EAufruf::Erzeugen, E_OUTOFMEMORY);
    EXPECT_EQ(DirectDrawErzeugen(&dd), E_OUTOFMEMORY);
    EXPECT_EQ(dd, nullptr);
    EXPECT_EQ(m_dd->Initialize(nullptr), DDERR_ALREADYINITIALIZED);

    // A mode only with exclusive access, and only one from the list.
    EXPECT_EQ(m_dd->SetDisplayMode(1024, 768, 8, 75, 0), DDERR_NOEXCLUSIVEMODE);
    ASSERT_EQ(m_dd->SetCooperativeLevel(nullptr, 0x13), DD_OK);
    EXPECT_EQ(m_dd->SetDisplayMode(1000, 768, 8, 0, 0), DDERR_INVALIDMODE);
    m_anzeige->ModusVerweigern({1024, 768, 8, 0});
    EXPECT_EQ(m_dd->SetDisplayMode(1024, 768, 8, 0, 0), DDERR_UNSUPPORTEDMODE);
    ASSERT_EQ(m_dd->SetDisplayMode(800, 600, 8, 0, 0), DD_OK);
    EXPECT_EQ(m_anzeige->GetModusVersuche().size(), 3u);
}

TEST_F(SpeicherAnzeige, FlipWartetAufDenNaechstenStrahlruecklauf)
{
    Starten();
    Vollbild();
    DDBLTFX fx;
    fx.dwFillColor = 10;
    ASSERT_EQ(m_rueck->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    const int64_t t0 = m_anzeige->GetZeitNs();
    ASSERT_EQ(m_primaer->Flip(nullptr, 0), DD_OK);
    EXPECT_EQ(m_anzeige->GetZeitNs(), t0); // the flip only queues the swap
    EXPECT_EQ(m_anzeige->GetBildschirm()[0], 10);

    // Until the retrace the back buffer is still being shown.
    EXPECT_EQ(m_rueck->GetBltStatus(DDGBS_CANBLT), DDERR_WASSTILLDRAWING);
    EXPECT_EQ(m_rueck->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_WASSTILLDRAWING);
    DDSURFACEDESC d;
    EXPECT_EQ(m_rueck->Lock(nullptr, &d, 0, nullptr), DDERR_WASSTILLDRAWING);
    int versuche = 0;
    while (m_primaer->Flip(nullptr, 0) == DDERR_WASSTILLDRAWING)
        ++versuche;
    EXPECT_EQ(m_anzeige->GetZeitNs(), 16'666'667); // 1/60 s, rounded up to the nanosecond
    EXPECT_GT(versuche, 100);
    EXPECT_EQ(m_anzeige->GetLetzterTauschNs(), 33'333'334);

    // A waiting call jumps to the retrace.
    ASSERT_EQ(m_rueck->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    EXPECT_EQ(m_anzeige->GetZeitNs(), 33'333'334);
    EXPECT_EQ(m_anzeige->GetBilder(), 2);
}

TEST_F(SpeicherAnzeige, KopienMitFarbschluesselUndGestreckt)
{
    Starten();
    Vollbild();
    IDirectDrawSurface* q = Oberflaeche(3, 2);
    DDSURFACEDESC d;
    ASSERT_EQ(q->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    ASSERT_EQ(d.lPitch, 4);
    const BYTE bild[] = {176, 69, 176, 0, 1, 176, 2};
    std::copy(std::begin(bild), std::end(bild), static_cast<BYTE*>(d.lpSurface));
    EXPECT_EQ(q->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr), DDERR_INVALIDPARAMS);
    DDBLTFX fx;
    fx.dwFillColor = 69;
    EXPECT_EQ(q->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_SURFACEBUSY);
    ASSERT_EQ(q->Unlock(nullptr), DD_OK);
    EXPECT_EQ(q->Unlock(nullptr), DDERR_NOTLOCKED);

    IDirectDrawSurface* z = Oberflaeche(8, 4);
    Fuellen(z, 9);
    EXPECT_EQ(z->BltFast(0, 0, q, nullptr, DDBLTFAST_SRCCOLORKEY), DDERR_NOCOLORKEY);
    DDCOLORKEY key{176, 176};
    ASSERT_EQ(q->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    ASSERT_EQ(z->BltFast(1, 1, q, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(z->BltFast(6, 0, q, nullptr, 0), DDERR_INVALIDRECT);
    RECT ziel{5, 0, 8, 2};
    ASSERT_EQ(z->Blt(&ziel, q, nullptr, DDBLT_WAIT, nullptr), DD_OK); // opaque
    // Stretched twice as wide, keyed: the 176 pixels let 9 through.
    IDirectDrawSurface* s = Oberflaeche(6, 4);
    Fuellen(s, 9);
    ASSERT_EQ(s->Blt(nullptr, q, nullptr, DDBLT_KEYSRC, nullptr), DD_OK);
    // Shrunk: 3 x 2 onto 2 x 1 takes the source pixels under the centres.
    IDirectDrawSurface* k = Oberflaeche(2, 1);
    ASSERT_EQ(k->Blt(nullptr, q, nullptr, 0, nullptr), DD_OK);

    EXPECT_EQ(Lesen(z), (Zeilen{{9, 9, 9, 9, 9, 176, 69, 176},
                                {9, 9, 69, 9, 9, 1, 176, 2},
                                {9, 1, 9, 2, 9, 9, 9, 9},
                                {9, 9, 9, 9, 9, 9, 9, 9}}));
    EXPECT_EQ(Lesen(s), (Zeilen{{9, 9, 69, 69, 9, 9}, {9, 9, 69, 69, 9, 9}, {1, 1, 9, 9, 2, 2}, {1, 1, 9, 9, 2, 2}}));
    EXPECT_EQ(Lesen(k), (Zeilen{{1, 2}}));
    for (auto* o : {q, z, s, k})
        EXPECT_EQ(o->Release(), 0u);
}

// A flipped frame comes with the steps that drew it when they describe all
// its pixels; the display composes each such frame from them and compares.
TEST_F(SpeicherAnzeige, BildschritteBeschreibenDasGeflippteBild)
{
    CSpeicherKonfig k;
    k.schrittePruefen = true;
    Starten(k);
    Vollbild();
    IDirectDrawSurface* hg = Oberflaeche(700, 480);
    IDirectDrawSurface* vg = Oberflaeche(10, 10);
    DDSURFACEDESC d;
    for (auto* o : {hg, vg}) {
        ASSERT_EQ(o->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
        for (DWORD i = 0; i < DWORD(d.lPitch) * d.dwHeight; ++i)
            static_cast<BYTE*>(d.lpSurface)[i] = BYTE(i * 7 % 251);
        ASSERT_EQ(o->Unlock(nullptr), DD_OK);
    }
    DDCOLORKEY key{0, 100};
    ASSERT_EQ(vg->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    auto bild = [&](LONG versatz) {
        // The scroll as two copies, a keyed item, a filled field.
        RECT links{versatz, 0, 640, 480}, rechts{60, 0, 60 + versatz, 480};
        ASSERT_EQ(m_rueck->BltFast(0, 0, hg, &links, DDBLTFAST_WAIT), DD_OK);
        if (versatz > 0) {
            ASSERT_EQ(m_rueck->BltFast(DWORD(640 - versatz), 0, hg, &rechts, DDBLTFAST_WAIT), DD_OK);
        }
        ASSERT_EQ(m_rueck->BltFast(20, 30, vg, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
        RECT feld{2, 2, 9, 5};
        Fuellen(m_rueck, 200, &feld);
    };
    auto flip = [&] { ASSERT_EQ(m_primaer->Flip(nullptr, DDFLIP_WAIT), DD_OK); };
    for (LONG v : {0, 5, 30})
        bild(v), flip();
    EXPECT_EQ(m_anzeige->GetSchrittBilder(), 3);

    // Written through a lock: only the pixels say what the frame is ...
    ASSERT_EQ(m_rueck->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    static_cast<BYTE*>(d.lpSurface)[0] = 1;
    ASSERT_EQ(m_rueck->Unlock(nullptr), DD_OK);
    flip();
    EXPECT_EQ(m_anzeige->GetSchrittBilder(), 3);
    // ... and so when a source changed after its copy, or a copy stretched.
    bild(7);
    ASSERT_EQ(vg->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    ASSERT_EQ(vg->Unlock(nullptr), DD_OK);
    flip();
    bild(9);
    RECT gross{0, 0, 20, 20};
    ASSERT_EQ(m_rueck->Blt(&gross, vg, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    flip();
    EXPECT_EQ(m_anzeige->GetSchrittBilder(), 3);
    // A frame that covers all again is described by its steps again.
    bild(11);
    flip();
    EXPECT_EQ(m_anzeige->GetSchrittBilder(), 4);
    EXPECT_EQ(m_anzeige->GetSchrittFehler(), 0);
    hg->Release();
    vg->Release();
}

TEST_F(SpeicherAnzeige, VorgegebeneFehlerUndVerloreneOberflaechen)
{
    CSpeicherKonfig k;
    k.videospeicher = false;
    Starten(k);
    Vollbild();
    Oberflaeche(4, 4, DDSCAPS_OFFSCREENPLAIN | DDSCAPS_VIDEOMEMORY, DDERR_OUTOFVIDEOMEMORY);
    IDirectDrawSurface* s = Oberflaeche(4, 4, DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY);
    ASSERT_NE(s, nullptr);

    m_anzeige->SetErgebnis(EAufruf::Flip, DDERR_SURFACELOST);
    EXPECT_EQ(m_primaer->Flip(nullptr, DDFLIP_WAIT), DDERR_SURFACELOST);
    EXPECT_EQ(m_rueck->IsLost(), DDERR_SURFACELOST);
    EXPECT_EQ(m_rueck->BltFast(0, 0, s, nullptr, 0), DDERR_SURFACELOST);
    ASSERT_EQ(m_primaer->Restore(), DD_OK);
    EXPECT_EQ(m_rueck->IsLost(), DD_OK);
    EXPECT_EQ(m_primaer->Flip(nullptr, DDFLIP_WAIT), DD_OK);

    m_anzeige->SetErgebnis(EAufruf::BltFast, E_NOTIMPL, -1); // a driver without BltFast
    EXPECT_EQ(m_rueck->BltFast(0, 0, s, nullptr, DDBLTFAST_WAIT), E_NOTIMPL);
    EXPECT_EQ(m_rueck->BltFast(0, 0, s, nullptr, DDBLTFAST_WAIT), E_NOTIMPL);
    EXPECT_EQ(m_rueck->Blt(nullptr, s, nullptr, DDBLT_WAIT, nullptr), DD_OK);

    // A new mode loses every surface made before it.
    ASSERT_EQ(m_dd->SetDisplayMode(800, 600, 8, 75, 0), DD_OK);
    EXPECT_EQ(s->IsLost(), DDERR_SURFACELOST);
    m_anzeige->SetErgebnis(EAufruf::Restore, DDERR_GENERIC);
    EXPECT_EQ(s->Restore(), DDERR_GENERIC);
    EXPECT_EQ(s->Restore(), DD_OK);
    s->Release();
}

TEST_F(SpeicherAnzeige, TastenzeitleisteSpeistAbfrageUndNachrichten)
{
    Starten();
    Vollbild();
    m_anzeige->Druecken(VK_SPACE, 5.0, 10.0);
    m_anzeige->Druecken(VK_RBUTTON, 1.0, 2.0);
    m_anzeige->Druecken('A', 20.0, 20.05); // shorter than a poll step apart
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    int polls = 0;
    while (GetAsyncKeyState(VK_SPACE) >= 0)
        ++polls;
    EXPECT_EQ(polls, 49); // 0.1 ms a poll: down at the 50th
    EXPECT_DOUBLE_EQ(m_anzeige->GetZeitMs(), 5.0);
    EXPECT_EQ(GetAsyncKeyState(VK_SPACE) & 0x8001, 0x8000); // still down, no new press

    // Keyboard messages are taken; the mouse's wait.
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    EXPECT_EQ(m.message, WM_KEYDOWN);
    EXPECT_EQ(m.wParam, WPARAM(VK_SPACE));
    EXPECT_EQ(m.time, 5u);
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, WM_RBUTTONDOWN);

    m_anzeige->ZeitVorruecken(15'000'000); // to 20.0 ms
    EXPECT_EQ(GetAsyncKeyState(VK_SPACE), 0);
    EXPECT_EQ(GetAsyncKeyState('A'), 1); // released again, but pressed since the last poll
    EXPECT_EQ(GetAsyncKeyState('A'), 0);
}

// The dump goes through the screen's palette into a PNG that others can read.
TEST_F(SpeicherAnzeige, PaletteUndBildschirmabzug)
{
    Starten();
    Vollbild();
    std::vector<PALETTEENTRY> eintraege(256, {9, 8, 7, PC_RESERVED});
    IDirectDrawPalette* pal = nullptr;
    ASSERT_EQ(m_dd->CreatePalette(DDPCAPS_8BIT, eintraege.data(), &pal, nullptr), DD_OK);
    ASSERT_EQ(m_primaer->SetPalette(pal), DD_OK);
    PALETTEENTRY neu{1, 2, 3, 0};
    ASSERT_EQ(pal->SetEntries(0, 176, 1, &neu), DD_OK);
    EXPECT_EQ(pal->SetEntries(0, 250, 7, eintraege.data()), DDERR_INVALIDPARAMS);
    EXPECT_EQ(m_anzeige->GetBildschirmpalette()[176].peBlue, 3); // shows at once
    EXPECT_EQ(pal->Release(), 0u); // the primary keeps using it

    RECT r{40, 0, 80, 480};
    Fuellen(m_rueck, 176, &r);
    ASSERT_EQ(m_primaer->Flip(nullptr, DDFLIP_WAIT), DD_OK);
    const std::string datei = LUMETRA_ARTIFACTS "/speicher_bildschirm.png";
    ASSERT_EQ(m_anzeige->BildschirmSpeichern(datei), 0);
    const QImage bild(QString::fromStdString(datei));
    EXPECT_EQ(bild.size(), QSize(640, 480));
    EXPECT_EQ(bild.pixel(50, 479), qRgb(1, 2, 3));
    EXPECT_EQ(bild.pixel(639, 0), qRgb(9, 8, 7));
}

} // namespace

#include "platform/display/pixel8.h"

TEST(Pixel8, UmwandlungUeberDiePaletteBeachtetPitch)
{
    PALETTEENTRY palette[256] = {};
    palette[69] = {0xF0, 0xF0, 0xFF, 0};
    palette[176] = {0xF0, 0xF0, 0xFF, 0}; // same colour, other index
    palette[10] = {1, 2, 3, 0};
    const BYTE quelle[2][8] = {{69, 176, 10, 0, 10, 99, 99, 99}, {10, 10, 10, 10, 69, 99, 99, 99}};
    std::vector<uint32_t> ziel(12);
    uint32_t tabelle[256];
    TabelleAusPalette(palette, tabelle);
    Umwandeln8Nach32(&quelle[0][0], 8, ziel.data(), 6 * 4, 5, 2, tabelle);
    // Beyond the width the target stays untouched.
    EXPECT_EQ(ziel, (std::vector<uint32_t>{0xFFF0F0FF, 0xFFF0F0FF, 0xFF010203, 0xFF000000, 0xFF010203, 0, 0xFF010203,
                                           0xFF010203, 0xFF010203, 0xFF010203, 0xFFF0F0FF, 0}));
}

// Composing by pairs of indices gives the pixels one lookup each gives, at
// every width and alignment of the target (the head and tail taken singly),
// and takes a changed palette although the table object is kept.
TEST(Pixel8, KopierenPaarweiseWieEinzeln)
{
    std::vector<BYTE> quelle(32 * 3);
    for (size_t i = 0; i < quelle.size(); ++i)
        quelle[i] = BYTE(i * 167 + 13);
    PALETTEENTRY palette[256];
    CPaarTabelle paare;
    for (int wechsel = 0; wechsel < 2; ++wechsel) {
        for (int i = 0; i < 256; ++i)
            palette[i] = {BYTE(i), BYTE(i * 7 + wechsel), BYTE(255 - i), 0};
        uint32_t tabelle[256];
        TabelleAusPalette(palette, tabelle);
        paare.Setzen(tabelle);
        for (LONG links = 0; links < 4; ++links)
            for (LONG breite = 1; breite <= 21; ++breite) {
                CBildSchritt s;
                s.art = CBildSchritt::EArt::Kopieren;
                s.ziel = {links, 0, links + breite, 3};
                s.pixel = quelle.data();
                s.pitch = 32;
                s.quelle = {5, 0, 5 + breite, 3};
                std::vector<uint32_t> ziel(24 * 3 + 4), erwartet(ziel);
                // 16-byte aligned, as a window surface's rows are.
                uint32_t* anfang = reinterpret_cast<uint32_t*>((reinterpret_cast<uintptr_t>(ziel.data()) + 15) & ~15);
                Zusammensetzen8Nach32({s}, anfang, 24 * 4, 24, 3, paare);
                Umwandeln8Nach32(quelle.data() + 5, 32, erwartet.data() + (anfang - ziel.data()) + links, 24 * 4,
                                 breite, 3, tabelle);
                EXPECT_EQ(ziel, erwartet) << "links " << links << " breite " << breite << " wechsel " << wechsel;
            }
    }
}

// A scrolling frame composed at every offset of its background split and
// odd and even positions of its keyed item, into targets of every alignment
// and rows off the cache line: the pixels that drawing the same steps with
// the 8-bit operations gives; where no step draws (a keyed pixel over
// nothing, a row the background misses) the target keeps what it held.
TEST(Pixel8, ZusammengesetztWieGezeichnetBeiJedemVersatz)
{
    PALETTEENTRY palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = {BYTE(i), BYTE(i * 7), BYTE(255 - i), 0};
    uint32_t tabelle[256];
    TabelleAusPalette(palette, tabelle);
    CPaarTabelle paare;
    paare.Setzen(tabelle);
    constexpr LONG H = 7, PERIODE = 16, TB = 11, TH = 4;
    std::vector<BYTE> teil(size_t(TB) * TH);
    const BYTE teilWerte[] = {9, 10, 20, 21, 15, 200}; // key 10..20: both ends and their neighbours
    for (size_t i = 0; i < teil.size(); ++i)
        teil[i] = teilWerte[i % 6];
    for (const LONG B : {LONG(64), LONG(37)}) {
        const LONG hgBreite = B + PERIODE, rest = B % PERIODE, zielPitch = B + 3;
        std::vector<BYTE> hg(size_t(hgBreite) * H);
        for (size_t i = 0; i < hg.size(); ++i)
            hg[i] = BYTE(i * 13 + 1);
        for (LONG versatz = 0; versatz < 16; ++versatz) {
            auto kopie = [&](RECT ziel, RECT quelle, BYTE* pixel, LONG breite, LONG hoehe, bool schluessel) {
                CBildSchritt s;
                s.art = schluessel ? CBildSchritt::EArt::KopierenMitSchluessel : CBildSchritt::EArt::Kopieren;
                s.ziel = ziel;
                s.quelle = quelle;
                s.pixel = pixel;
                s.pitch = s.breite = breite;
                s.hoehe = hoehe;
                s.von = 10;
                s.bis = 20;
                return s;
            };
            std::vector<CBildSchritt> schritte;
            // The background misses the last row.
            schritte.push_back(kopie({0, 0, B - versatz, H - 1}, {versatz, 0, B, H - 1}, hg.data(), hgBreite, H, false));
            if (versatz > 0)
                schritte.push_back(
                    kopie({B - versatz, 0, B, H - 1}, {rest, 0, rest + versatz, H - 1}, hg.data(), hgBreite, H, false));
            CBildSchritt fuellen;
            fuellen.ziel = {-5, 1, 4 + versatz, 3};
            fuellen.farbe = 77;
            schritte.push_back(fuellen);
            // Over the background, over nothing, and beyond the bottom.
            schritte.push_back(kopie({3 + versatz, H - 3, 3 + versatz + TB, H - 3 + TH}, {0, 0, TB, TH}, teil.data(),
                                     TB, TH, true));
            schritte.push_back(kopie({B - 3, 2, B + 5, 4}, {1, 1, 9, 3}, hg.data(), hgBreite, H, false));

            // The same steps drawn on 8 bits; a mask of what they drew.
            std::vector<BYTE> bild(size_t(B) * H), gezeichnet(size_t(B) * H);
            for (const CBildSchritt& s : schritte) {
                const LONG l = std::max<LONG>(s.ziel.left, 0), o = std::max<LONG>(s.ziel.top, 0);
                const LONG w = std::min<LONG>(s.ziel.right, B) - l, h = std::min<LONG>(s.ziel.bottom, H) - o;
                const CPixelFeld ziel{bild.data() + o * B + l, B, w, h};
                if (s.art == CBildSchritt::EArt::Fuellen) {
                    Fuellen8(ziel, s.farbe);
                    Fuellen8({gezeichnet.data() + o * B + l, B, w, h}, 1);
                    continue;
                }
                BYTE* q = const_cast<BYTE*>(s.pixel) + (s.quelle.top + o - s.ziel.top) * s.pitch + s.quelle.left + l -
                          s.ziel.left;
                if (s.art == CBildSchritt::EArt::Kopieren) {
                    Kopieren8(ziel, {q, s.pitch, w, h});
                    Fuellen8({gezeichnet.data() + o * B + l, B, w, h}, 1);
                } else {
                    KopierenMitSchluessel8(ziel, {q, s.pitch, w, h}, s.von, s.bis);
                    for (LONG y = 0; y < h; ++y)
                        for (LONG x = 0; x < w; ++x)
                            gezeichnet[size_t((o + y) * B + l + x)] |= q[y * s.pitch + x] < 10 || q[y * s.pitch + x] > 20;
                }
            }
            std::vector<uint32_t> rgb(size_t(B) * H);
            Umwandeln8Nach32(bild.data(), B, rgb.data(), B * 4, B, H, tabelle);

            for (LONG ausrichtung = 0; ausrichtung < 4; ++ausrichtung) {
                std::vector<uint32_t> speicher(size_t(zielPitch) * H + 32);
                for (size_t i = 0; i < speicher.size(); ++i)
                    speicher[i] = 0x5A000000u + uint32_t(i);
                const std::vector<uint32_t> vorher = speicher;
                const size_t anfang =
                    size_t((64 - (reinterpret_cast<uintptr_t>(speicher.data()) & 63)) & 63) / 4 + size_t(ausrichtung);
                Zusammensetzen8Nach32(schritte, speicher.data() + anfang, zielPitch * 4, B, H, paare);
                std::vector<uint32_t> erwartet = vorher;
                for (LONG y = 0; y < H; ++y)
                    for (LONG x = 0; x < B; ++x)
                        if (gezeichnet[size_t(y * B + x)])
                            erwartet[anfang + size_t(y * zielPitch + x)] = rgb[size_t(y * B + x)];
                ASSERT_EQ(speicher, erwartet) << "Breite " << B << " Versatz " << versatz << " Ausrichtung " << ausrichtung;
            }
        }
    }
}
