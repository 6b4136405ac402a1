// The SDL display under a real X server: what the screen shows (grabbed
// from the X server) and when, for a saccade run over a moving background.

#include "support/sanitizer.h"
#include "sdl_lauf.h"

#include <ctime>
#include <mutex>
#include <set>

namespace {

using Uhr = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The SDL display, watched: a copy of the latest flipped frames (indices and
// palette) as the in-memory display would show them.
class CBeobachteteAnzeige final : public CAnzeigeTreiber {
public:
    struct CBild {
        std::vector<BYTE> pixel;
        LONG pitch = 0;
        int breite = 0, hoehe = 0;
        std::array<PALETTEENTRY, 256> palette{};
    };

    explicit CBeobachteteAnzeige(std::shared_ptr<CSdlAnzeige> sdl) : m_sdl(std::move(sdl)) {}
    std::vector<CAnzeigeModus> Modi() override { return m_sdl->Modi(); }
    HRESULT ModusSetzen(const CAnzeigeModus& m) override { return m_sdl->ModusSetzen(m); }
    CAnzeigeModus ModusInKraft() override { return m_sdl->ModusInKraft(); }
    void ModusZuruecksetzen() override { m_sdl->ModusZuruecksetzen(); }
    HRESULT Exklusiv(bool e) override { return m_sdl->Exklusiv(e); }
    void SchritteVormerken(const std::vector<CBildSchritt>* s) override { m_sdl->SchritteVormerken(s); }
    void QuelleAendertSich() override { m_sdl->QuelleAendertSich(); }
    void BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) override
    {
        m_sdl->BildEinreihen(pixel, pitch, palette);
        std::lock_guard<std::mutex> sperre(m_mutex);
        if (bilder.empty())
            ersteZeit = Uhr::now();
        const CAnzeigeModus m = m_sdl->ModusInKraft();
        bilder.push_back(
            {std::vector<BYTE>(pixel, pixel + size_t(pitch) * m.hoehe), pitch, int(m.breite), int(m.hoehe)});
        std::copy(palette, palette + 256, bilder.back().palette.begin());
        if (bilder.size() > 8)
            bilder.erase(bilder.begin() + 1); // the first (the ready screen) stays
        ++anzahl;
    }
    bool TauschAusstehend() override { return m_sdl->TauschAusstehend(); }
    void TauschAbwarten() override { m_sdl->TauschAbwarten(); }
    void FrontGeaendert(const BYTE* p, LONG n, const PALETTEENTRY* f) override { m_sdl->FrontGeaendert(p, n, f); }
    SHORT Taste(int vk) override { return m_sdl->Taste(vk); }
    bool Nachricht(MSG& n, UINT a, UINT b, bool e) override { return m_sdl->Nachricht(n, a, b, e); }
    void MauszeigerSichtbar(bool s) override { m_sdl->MauszeigerSichtbar(s); }
    HRESULT Vorgabe(EAufruf a) override { return m_sdl->Vorgabe(a); }

    std::mutex m_mutex;
    std::vector<CBild> bilder; // guarded by m_mutex
    std::atomic<int> anzahl{0};
    Uhr::time_point ersteZeit;

private:
    std::shared_ptr<CSdlAnzeige> m_sdl;
};

struct SdlAnzeigeX : XTest, ::testing::WithParamInterface<const char*> {};

// The ready screen is on screen while the loop only waits for Enter, and a
// composed frame of the moving run shows exactly the pixels in memory.
TEST_P(SdlAnzeigeX, BereitschirmUndBilderPixelgleich)
{
    CSdlTrainingslauf lauf(GetParam());
    auto sdl = std::make_shared<CSdlAnzeige>();
    auto beobachter = std::make_shared<CBeobachteteAnzeige>(sdl);
    // The grabs: the frame's rectangle, as far as the screen has it.
    int breite = 0, hoehe = 0;
    std::vector<uint32_t> bereitFoto, bereitErwartet, laufFoto;
    bool laufGleich = false;
    auto rgb = [](const CBeobachteteAnzeige::CBild& b) {
        return Rgb(b.pixel.data(), b.pitch, b.palette.data(), b.breite, b.hoehe);
    };
    const int ergebnis = lauf.Laufen(beobachter, [&](const std::atomic<bool>& fertig) {
        while (beobachter->anzahl == 0 && !fertig)
            std::this_thread::sleep_for(2ms);
        if (beobachter->anzahl == 0)
            return; // the run ended before its first frame
        std::this_thread::sleep_until(beobachter->ersteZeit + 300ms);
        {
            std::lock_guard<std::mutex> sperre(beobachter->m_mutex);
            bereitErwartet = rgb(beobachter->bilder.front());
            breite = beobachter->bilder.front().breite;
            hoehe = beobachter->bilder.front().hoehe;
        }
        bereitFoto = Bildschirmfoto(breite, hoehe);
        SdlTasteDruecken(SDLK_RETURN);
        // Within the first target's display time; one of the latest frames must match a grab.
        std::this_thread::sleep_for(700ms);
        for (int versuch = 0; versuch < 5 && !laufGleich; ++versuch) {
            laufFoto = Bildschirmfoto(breite, hoehe);
            std::lock_guard<std::mutex> sperre(beobachter->m_mutex);
            for (size_t i = 1; i < beobachter->bilder.size() && !laufGleich; ++i)
                laufGleich = rgb(beobachter->bilder[i]) == laufFoto;
        }
        SdlTasteDruecken(SDLK_ESCAPE);
    });
    EXPECT_EQ(ergebnis, 0) << lauf.fehler;
    if (!*GetParam()) {
        // Xvfb's emulated retraces, however close to the mode's rate, do not
        // make Mesa's CPU rasteriser the choice.
        EXPECT_FALSE(sdl->MitVsync());
        EXPECT_TRUE(sdl->IstSoftware());
    }
    const std::string name = std::string("sdl_") + (*GetParam() ? GetParam() : "standard");
    Speichern(bereitFoto, breite, hoehe, name + "_bereit");
    Speichern(laufFoto, breite, hoehe, name + "_lauf");
    ASSERT_FALSE(bereitFoto.empty());
    // The ready screen holds text in a second colour.
    EXPECT_GT(std::set<uint32_t>(bereitErwartet.begin(), bereitErwartet.end()).size(), 1u);
    EXPECT_TRUE(bereitFoto == bereitErwartet) << "ready screen not on screen 300 ms after its flip";
    EXPECT_TRUE(laufGleich) << "no grab of the run matched a frame in memory";
    // Only the ready screen, drawn into the pixels, is converted whole.
    EXPECT_GT(sdl->Messung().zusammengesetzt, 30);
    EXPECT_EQ(sdl->Messung().umgewandelt, 1);
}

INSTANTIATE_TEST_SUITE_P(Renderer, SdlAnzeigeX, ::testing::Values("", "software", "opengl"),
                         [](const auto& info) { return std::string(*info.param ? info.param : "standard"); });

// Six seconds of the run: presents at the nominal period, the speed as
// set, each key taken once, no core spent waiting.
using SdlAnzeigeXTakt = XTest;

TEST_F(SdlAnzeigeXTakt, PeriodeGeschwindigkeitAbfragen)
{
    CSdlTrainingslauf lauf;
    auto sdl = std::make_shared<CSdlAnzeige>();
    sdl->Messung().an = true;
    auto cpuSekunden = [] { return double(std::clock()) / CLOCKS_PER_SEC; };
    double cpu0 = 0, cpu1 = 0, bereit0 = 0, bereit1 = 0;
    Uhr::time_point wand0, wand1;
    const int ergebnis = lauf.Laufen(sdl, [&](const std::atomic<bool>& fertig) {
        // A run ended early (SIGTERM) is not waited for.
        auto warten = [&](int ms) { Bis(fertig, Uhr::now(), ms); };
        // The ready screen waits for Enter from about 0.3 s on.
        warten(500);
        bereit0 = cpuSekunden();
        warten(500);
        bereit1 = cpuSekunden();
        SdlTasteDruecken(SDLK_RETURN);
        warten(1000);
        cpu0 = cpuSekunden();
        wand0 = Uhr::now();
        warten(5000);
        cpu1 = cpuSekunden();
        wand1 = Uhr::now();
        SdlTasteDruecken(SDLK_ESCAPE);
    });
    ASSERT_EQ(ergebnis, 0) << lauf.fehler;
    const auto& m = sdl->Messung();
    // Left out: the ready screen and the first frames after it.
    const CPerioden p = PeriodenAuswerten(m.gezeigt, 5);
    ASSERT_GT(p.anzahl, 100u);
    std::printf("Periode %.2f ms (sd %.2f, max %.2f; Uhr %.2f ms, Vorlauf %.2f ms, vsync %d), Geschwindigkeit %.4f "
                "(soll %.4f)\n",
                p.mittel, p.sd, p.max, std::chrono::duration<double, std::milli>(sdl->Periode()).count(),
                std::chrono::duration<double, std::milli>(sdl->Vorlauf()).count(), int(sdl->MitVsync()),
                lauf.bericht.m_dStandardGeschwindigkeit, lauf.Sollgeschwindigkeit());
    EXPECT_NEAR(p.mittel, 1000.0 / 60.0, 1000.0 / 60.0 * 0.1);
    EXPECT_LT(p.sd, 6.0);
    EXPECT_NEAR(lauf.bericht.m_dStandardGeschwindigkeit, lauf.Sollgeschwindigkeit(), lauf.Sollgeschwindigkeit() * 0.15);
    // Enter and Escape, each reported by a poll once.
    EXPECT_EQ(m.gesehen.size(), 2u);
    // Waiting for the retrace, and for Enter, sleeps: far less than a core.
    const double wand = std::chrono::duration<double>(wand1 - wand0).count();
    EXPECT_LT((cpu1 - cpu0) / wand, 0.7) << cpu1 - cpu0 << " s CPU in " << wand << " s";
    // The sanitizers' checks of every composed pixel cost the ready screen
    // about a third of a core; a screen that spun would still take half.
#ifdef LUMETRA_ASAN
    constexpr double kBereitCpu = 0.45;
#else
    constexpr double kBereitCpu = 0.25;
#endif
    std::printf("Bereitschirm: %.3f s CPU in 0,5 s\n", bereit1 - bereit0);
    EXPECT_LT(bereit1 - bereit0, kBereitCpu) << "CPU seconds in half a second of the ready screen";
}

} // namespace
