#include "platform/display/ddraw.h"
#include "platform/display/pixel8.h"
#include "platform/display/sdl/bildtakt.h"
#include "platform/display/sdl/sdl_anzeige.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

HRESULT ErsterModus(DDSURFACEDESC* d, void* kontext)
{
    *static_cast<DDSURFACEDESC*>(kontext) = *d;
    return DDENUMRET_CANCEL;
}

TEST(SdlAnzeige, ZeigtBilderImVollbild)
{
    SdlAnzeigeAnmelden();
    ASSERT_EQ(AnzeigeTreiberWaehlen("sdl"), 0);
    IDirectDraw2* dd = nullptr;
    ASSERT_EQ(DirectDrawErzeugen(&dd), S_OK);
    ASSERT_EQ(dd->Initialize(nullptr), DD_OK);
    DDSURFACEDESC modus;
    ASSERT_EQ(dd->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, &modus, ErsterModus), DD_OK);
    EXPECT_EQ(modus.ddpfPixelFormat.dwRGBBitCount, 8u);
    ASSERT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT), DD_OK);
    EXPECT_EQ(dd->SetDisplayMode(modus.dwWidth, modus.dwHeight, 32, 0, 0), DDERR_INVALIDMODE);
    ASSERT_EQ(dd->SetDisplayMode(modus.dwWidth, modus.dwHeight, 8, modus.dwRefreshRate, 0), DD_OK);

    DDSURFACEDESC d;
    d.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    d.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    d.dwBackBufferCount = 1;
    IDirectDrawSurface* primaer = nullptr;
    IDirectDrawSurface* rueck = nullptr;
    ASSERT_EQ(dd->CreateSurface(&d, &primaer, nullptr), DD_OK);
    DDSCAPS caps{DDSCAPS_BACKBUFFER};
    ASSERT_EQ(primaer->GetAttachedSurface(&caps, &rueck), DD_OK);

    // Between flips the back buffer answers "still drawing" while the loop
    // goes on polling keys.
    int nochBeimZeichnen = 0;
    for (int bild = 0; bild < 3; ++bild) {
        while (rueck->GetBltStatus(DDGBS_CANBLT) == DDERR_WASSTILLDRAWING) {
            ++nochBeimZeichnen;
            GetAsyncKeyState(VK_ESCAPE);
        }
        DDBLTFX fx;
        fx.dwFillColor = DWORD(bild);
        ASSERT_EQ(rueck->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
        HRESULT hr;
        while ((hr = primaer->Flip(nullptr, 0)) == DDERR_WASSTILLDRAWING) {}
        ASSERT_EQ(hr, DD_OK);
    }
    EXPECT_GT(nochBeimZeichnen, 0);

    EXPECT_EQ(primaer->Release(), 0u);
    EXPECT_EQ(dd->RestoreDisplayMode(), DD_OK);
    EXPECT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL), DD_OK);
    EXPECT_EQ(dd->Release(), 0u);
    AnzeigeTreiberWaehlen("");
}

// What the window shows, as 0xRRGGBB, against the primary's indices
// through the palette (reading the primary draws it out, as a lock does).
std::vector<uint32_t> Fensterbild(CSdlAnzeige& sdl)
{
    SDL_Surface* f = SDL_GetWindowSurface(sdl.Fenster());
    const CAnzeigeModus m = sdl.ModusInKraft();
    std::vector<uint32_t> rgb;
    for (DWORD y = 0; y < m.hoehe; ++y)
        for (DWORD x = 0; x < m.breite; ++x) {
            Uint8 r, g, b;
            SDL_GetRGB(static_cast<const uint32_t*>(f->pixels)[y * DWORD(f->pitch) / 4 + x], f->format, &r, &g, &b);
            rgb.push_back(uint32_t(r) << 16 | uint32_t(g) << 8 | b);
        }
    return rgb;
}

std::vector<uint32_t> Erwartet(IDirectDrawSurface* primaer, const PALETTEENTRY* palette)
{
    DDSURFACEDESC d;
    EXPECT_EQ(primaer->Lock(nullptr, &d, DDLOCK_READONLY, nullptr), DD_OK);
    uint32_t tabelle[256];
    TabelleAusPalette(palette, tabelle);
    std::vector<uint32_t> rgb(size_t(d.dwWidth) * d.dwHeight);
    Umwandeln8Nach32(static_cast<const BYTE*>(d.lpSurface), d.lPitch, rgb.data(), LONG(d.dwWidth) * 4,
                     LONG(d.dwWidth), LONG(d.dwHeight), tabelle);
    primaer->Unlock(nullptr);
    for (uint32_t& p : rgb)
        p &= 0xFFFFFF;
    return rgb;
}

// Frames composed from their steps (scrolled background, keyed item, fill)
// show on every composition path exactly the frame the in-memory pixels
// hold: the key range's both ends left out, and after a palette change the
// new colours also where the kept surfaces did not change.
struct SdlZusammensetzen : ::testing::TestWithParam<const char*> {};

TEST_P(SdlZusammensetzen, PixelgleichMitSchluesselUndNachPalettenwechsel)
{
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, GetParam());
    auto sdl = std::make_shared<CSdlAnzeige>();
    AnzeigeTreiberAnmelden("sdl-test", [sdl] { return sdl; });
    ASSERT_EQ(AnzeigeTreiberWaehlen("sdl-test"), 0);
    IDirectDraw2* dd = nullptr;
    ASSERT_EQ(DirectDrawErzeugen(&dd), S_OK);
    ASSERT_EQ(dd->Initialize(nullptr), DD_OK);
    ASSERT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    const CAnzeigeModus m = sdl->ModusInKraft();
    ASSERT_EQ(dd->SetDisplayMode(m.breite, m.hoehe, 8, 0, 0), DD_OK);
    EXPECT_EQ(sdl->EinDurchgang(), !*GetParam());
    DDSURFACEDESC d;
    d.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    d.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    d.dwBackBufferCount = 1;
    IDirectDrawSurface *primaer = nullptr, *rueck = nullptr, *hg = nullptr, *vg = nullptr;
    ASSERT_EQ(dd->CreateSurface(&d, &primaer, nullptr), DD_OK);
    DDSCAPS caps{DDSCAPS_BACKBUFFER};
    ASSERT_EQ(primaer->GetAttachedSurface(&caps, &rueck), DD_OK);
    std::array<PALETTEENTRY, 256> farben;
    for (int i = 0; i < 256; ++i)
        farben[size_t(i)] = {BYTE(i), BYTE(255 - i), BYTE(i * 5), 0};
    IDirectDrawPalette* palette = nullptr;
    ASSERT_EQ(dd->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, farben.data(), &palette, nullptr), DD_OK);
    ASSERT_EQ(primaer->SetPalette(palette), DD_OK);

    // The background every index in turn; the item's key range 10..20 with
    // its neighbours 9 and 21 beside both ends.
    const DWORD w = m.breite, h = m.hoehe;
    for (auto [o, b, hoehe] : {std::tuple{&hg, w + 64, h}, std::tuple{&vg, DWORD(40), DWORD(30)}}) {
        d = {};
        d.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        d.dwWidth = b;
        d.dwHeight = hoehe;
        d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
        ASSERT_EQ(dd->CreateSurface(&d, o, nullptr), DD_OK);
        ASSERT_EQ((*o)->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
        const BYTE vgWerte[] = {9, 10, 20, 21, 15, 200};
        for (DWORD y = 0; y < hoehe; ++y)
            for (DWORD x = 0; x < b; ++x)
                static_cast<BYTE*>(d.lpSurface)[y * DWORD(d.lPitch) + x] =
                    o == &hg ? BYTE(x + y * 3) : vgWerte[(x / 3 + y) % 6];
        ASSERT_EQ((*o)->Unlock(nullptr), DD_OK);
    }
    DDCOLORKEY key{10, 20};
    ASSERT_EQ(vg->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);

    auto bild = [&](LONG versatz, DWORD teilX = 100) {
        while (rueck->GetBltStatus(DDGBS_CANBLT) == DDERR_WASSTILLDRAWING) {}
        RECT links{versatz, 0, LONG(w), LONG(h)}, rechts{0, 0, versatz, LONG(h)}, feld{5, 7, 60, 9};
        ASSERT_EQ(rueck->BltFast(0, 0, hg, &links, 0), DD_OK);
        if (versatz > 0) {
            ASSERT_EQ(rueck->BltFast(w - DWORD(versatz), 0, hg, &rechts, 0), DD_OK);
        }
        ASSERT_EQ(rueck->BltFast(teilX, 50, vg, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
        DDBLTFX fx;
        fx.dwFillColor = 77;
        ASSERT_EQ(rueck->Blt(&feld, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
        ASSERT_EQ(primaer->Flip(nullptr, DDFLIP_WAIT), DD_OK);
        while (rueck->GetBltStatus(DDGBS_CANBLT) == DDERR_WASSTILLDRAWING) {}
    };
    bild(3);
    EXPECT_TRUE(Fensterbild(*sdl) == Erwartet(primaer, farben.data()));
    for (PALETTEENTRY& e : farben)
        std::swap(e.peRed, e.peBlue);
    ASSERT_EQ(palette->SetEntries(0, 0, 256, farben.data()), DD_OK);
    EXPECT_TRUE(Fensterbild(*sdl) == Erwartet(primaer, farben.data())) << "palette change";
    // The frames on screen were never drawn into the primary's pixels: they
    // are drawn before a source of them changes or goes.
    bild(5);
    ASSERT_EQ(vg->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    std::fill_n(static_cast<BYTE*>(d.lpSurface), d.lPitch * LONG(d.dwHeight), BYTE(33));
    ASSERT_EQ(vg->Unlock(nullptr), DD_OK);
    EXPECT_TRUE(Fensterbild(*sdl) == Erwartet(primaer, farben.data())) << "after the palette change, source changed";
    // Changed at once after the flip, while the frame may still be composed.
    RECT ganz{0, 0, LONG(w), LONG(h)};
    ASSERT_EQ(rueck->BltFast(0, 0, hg, &ganz, 0), DD_OK);
    ASSERT_EQ(rueck->BltFast(40, 60, vg, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    ASSERT_EQ(primaer->Flip(nullptr, DDFLIP_WAIT), DD_OK);
    ASSERT_EQ(vg->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    std::fill_n(static_cast<BYTE*>(d.lpSurface), d.lPitch * LONG(d.dwHeight), BYTE(44));
    ASSERT_EQ(vg->Unlock(nullptr), DD_OK);
    while (rueck->GetBltStatus(DDGBS_CANBLT) == DDERR_WASSTILLDRAWING) {}
    EXPECT_TRUE(Fensterbild(*sdl) == Erwartet(primaer, farben.data())) << "source changed right after the flip";
    // Every offset of the background's split, the item at odd and even places.
    for (LONG versatz = 0; versatz < 16; ++versatz) {
        bild(versatz, DWORD(101 + versatz));
        EXPECT_TRUE(Fensterbild(*sdl) == Erwartet(primaer, farben.data())) << "offset " << versatz;
    }
    bild(7);
    EXPECT_EQ(hg->Release(), 0u);
    EXPECT_TRUE(Fensterbild(*sdl) == Erwartet(primaer, farben.data())) << "source released";
    EXPECT_EQ(sdl->Messung().zusammengesetzt, 20);

    for (auto* o : {vg, primaer})
        EXPECT_EQ(o->Release(), 0u);
    palette->Release();
    dd->Release();
    AnzeigeTreiberWaehlen("");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "");
}

INSTANTIATE_TEST_SUITE_P(Pfade, SdlZusammensetzen, ::testing::Values("", "software"),
                         [](const auto& info) { return std::string(*info.param ? "Texturen" : "EinDurchgang"); });

// The pacing rule on a simulated screen: the loop flips 2 ms after each
// present; a present draws for `kosten` (and up to `streuung` more, drawn
// at random), with vsync then waits for the next retrace (at whole
// `strahl`, the screen's true period, by default the nominal one), without
// it ends at once. A present that returns early (rueckkehr of 0 or more)
// ends that long after drawing whatever vsync. Per frame: the retrace it
// was for and the end of its present; the clock's period at the end.
struct CTaktlauf {
    std::vector<CBildtakt::Zeit> faellig, ende;
    CBildtakt::Dauer periode;
};
CTaktlauf Simulieren(bool vsync, CBildtakt::Dauer kosten, int bilder, int spaetesBild = -1,
                     CBildtakt::Dauer rueckkehr = -1ns, CBildtakt::Dauer strahl = 16'666'667ns,
                     CBildtakt::Dauer streuung = 0ns)
{
    const CBildtakt::Dauer periode = 16'666'667ns;
    CBildtakt takt;
    takt.Beginnen(periode, vsync);
    std::mt19937 zufall(1);
    std::uniform_int_distribution<CBildtakt::Dauer::rep> mehr(0, streuung.count());
    CTaktlauf lauf;
    CBildtakt::Zeit jetzt{1s};
    for (int i = 0; i < bilder; ++i) {
        jetzt += i == spaetesBild ? 25ms : 2ms;
        lauf.faellig.push_back(takt.Einreihen(jetzt));
        const auto start = std::max(jetzt, takt.Beginn());
        const auto gezeichnet = start + kosten + CBildtakt::Dauer(mehr(zufall));
        auto ende = gezeichnet;
        if (rueckkehr >= 0ns)
            ende = gezeichnet + rueckkehr;
        else if (vsync)
            ende = CBildtakt::Zeit{} + ((gezeichnet.time_since_epoch() + strahl - 1ns) / strahl) * strahl;
        takt.Gezeigt(start, gezeichnet, ende);
        lauf.ende.push_back(ende);
        jetzt = ende;
    }
    lauf.periode = takt.Periode();
    return lauf;
}

TEST(SdlBildtakt, MitVsyncErreichtJedesBildSeinenStrahlruecklauf)
{
    // On screens up to 1.9 % off their nominal rate, with drawing that
    // takes the same time or up to a millisecond more: once the lead has
    // settled, every frame appears at the retrace it was for, every
    // retrace shows a new frame, and the clock runs at the screen's rate.
    for (const CBildtakt::Dauer strahl : {16'666'667ns, 16'916'667ns, 16'416'667ns, 16'350'000ns, 16'983'333ns})
        for (const CBildtakt::Dauer streuung : {0ns, 1'000'000ns}) {
            const CTaktlauf l = Simulieren(true, 3ms, 400, -1, -1ns, strahl, streuung);
            for (size_t i = 100; i < l.ende.size(); ++i) {
                ASSERT_LT(std::chrono::abs(l.ende[i] - l.faellig[i]), 4ms) << strahl.count() << " " << i;
                ASSERT_EQ(l.ende[i] - l.ende[i - 1], strahl) << strahl.count() << " " << i;
            }
            EXPECT_LT(std::chrono::abs(l.periode - strahl), 1us) << strahl.count() << " " << streuung.count();
        }
}

TEST(SdlBildtakt, SpaetesBildBleibtAufDerPhase)
{
    const CTaktlauf l = Simulieren(false, 1ms, 200, 120);
    const auto periode = 16'666'667ns;
    for (size_t i = 1; i < l.faellig.size(); ++i) {
        EXPECT_EQ((l.faellig[i] - l.faellig[0]) % periode, 0ns) << i;
        // The late frame takes the first retrace it can still meet.
        EXPECT_LE(l.faellig[i] - l.faellig[i - 1], i == 120 ? 2 * periode : periode) << i;
    }
    // Presents end the lead's margin before their retrace.
    EXPECT_LT(l.ende[150], l.faellig[150]);
}

// Presents that return before the retrace, without vsync or with vsync that
// does not wait (a fixed time after drawing, or at once), leave the frames
// on the nominal period, whether drawing always takes the same time or up
// to a millisecond more: over five simulated minutes their mean spacing is
// the period to a hundredth of a per mille, and they spread by less than a
// millisecond.
TEST(SdlBildtakt, FrueheRueckkehrHaeltDieMittlerePeriode)
{
    const auto periode = 16'666'667ns;
    const struct {
        bool vsync;
        CBildtakt::Dauer rueckkehr;
    } faelle[] = {{false, -1ns}, {true, 0ns},  {true, 300us}, {true, 600us},
                  {true, 1ms},   {true, 2ms},  {true, 4ms},   {true, 8ms}};
    for (const auto& f : faelle)
        for (const CBildtakt::Dauer streuung : {0ns, 1'000'000ns}) {
            const CTaktlauf l = Simulieren(f.vsync, 3ms, 18000, -1, f.rueckkehr, periode, streuung);
            const size_t von = 200, bis = l.ende.size() - 1;
            const double mittel = std::chrono::duration<double, std::nano>(l.ende[bis] - l.ende[von]).count() /
                                  double(bis - von);
            double quadrate = 0;
            for (size_t i = von + 1; i <= bis; ++i) {
                const double d = std::chrono::duration<double, std::nano>(l.ende[i] - l.ende[i - 1]).count() - mittel;
                quadrate += d * d;
            }
            const std::string fall = std::to_string(f.vsync) + " " + std::to_string(f.rueckkehr.count()) + " " +
                                     std::to_string(streuung.count());
            EXPECT_NEAR(mittel / periode.count(), 1.0, 1e-5) << fall;
            EXPECT_LT(std::sqrt(quadrate / double(bis - von)), 1e6) << fall;
        }
}

// Without retraces, presents that take most of a period and vary (a
// rasteriser on the CPU): the frames keep the clock's rate, those that run
// late shown at once, none a whole period later.
TEST(SdlBildtakt, OhneVsyncHaeltLangesZeigenDenTakt)
{
    const CBildtakt::Dauer periode = 16'666'667ns;
    CBildtakt takt;
    takt.Beginnen(periode, false);
    CBildtakt::Zeit jetzt{1s}, erstes{};
    for (int i = 0; i < 400; ++i) {
        jetzt += 1ms;
        takt.Einreihen(jetzt);
        const auto start = std::max(jetzt, takt.Beginn());
        const auto ende = start + (i % 3 == 0 ? 15ms : 11ms);
        takt.Gezeigt(start, ende, ende);
        if (i == 100)
            erstes = ende;
        if (i > 100) {
            EXPECT_LT(ende - jetzt, periode + 5ms) << i;
        }
        jetzt = ende;
    }
    const double mittel = std::chrono::duration<double>(jetzt - erstes).count() / 299;
    EXPECT_NEAR(mittel, 1.0 / 60, 1.0 / 60 * 0.02);
}

} // namespace
