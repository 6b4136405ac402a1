// The SDL display under a real X server: what the screen shows (grabbed
// from the X server) and when, for a saccade run over a moving background.

#include "sdl_lauf.h"

#include <ctime>
#include <mutex>
#include <set>

namespace {

using Uhr = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The SDL display, watched: a copy of every flipped frame (indices and
// palette) as the in-memory display would show it.
class CBeobachteteAnzeige final : public CAnzeigeTreiber {
public:
    struct CBild {
        std::vector<BYTE> pixel;
        LONG pitch = 0;
        std::array<PALETTEENTRY, 256> palette{};
        std::vector<uint32_t> Rgb(int breite, int hoehe) const
        {
            return ::Rgb(pixel.data(), pitch, palette.data(), breite, hoehe);
        }
    };

    explicit CBeobachteteAnzeige(std::shared_ptr<CSdlAnzeige> sdl) : m_sdl(std::move(sdl)) {}
    std::vector<CAnzeigeModus> Modi() override { return m_sdl->Modi(); }
    HRESULT ModusSetzen(const CAnzeigeModus& m) override { return m_sdl->ModusSetzen(m); }
    CAnzeigeModus ModusInKraft() override { return m_sdl->ModusInKraft(); }
    void ModusZuruecksetzen() override { m_sdl->ModusZuruecksetzen(); }
    HRESULT Exklusiv(bool e) override { return m_sdl->Exklusiv(e); }
    void SchritteVormerken(const std::vector<CBildSchritt>* s) override { m_sdl->SchritteVormerken(s); }
    void BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) override
    {
        m_sdl->BildEinreihen(pixel, pitch, palette);
        std::lock_guard<std::mutex> sperre(m_mutex);
        CBild b;
        b.pixel.assign(pixel, pixel + size_t(pitch) * m_sdl->ModusInKraft().hoehe);
        b.pitch = pitch;
        std::copy(palette, palette + 256, b.palette.begin());
        if (bilder.empty())
            ersteZeit = Uhr::now();
        bilder.push_back(std::move(b));
        if (bilder.size() > 8)
            bilder.erase(bilder.begin() + 1); // the first (the ready screen) stays
        ++anzahl;
    }
    bool TauschAusstehend() override { return m_sdl->TauschAusstehend(); }
    void TauschAbwarten() override { m_sdl->TauschAbwarten(); }
    void FrontGeaendert(const BYTE* p, LONG pitch, const PALETTEENTRY* pal) override
    {
        m_sdl->FrontGeaendert(p, pitch, pal);
    }
    SHORT Taste(int vk) override { return m_sdl->Taste(vk); }
    bool Nachricht(MSG& n, UINT von, UINT bis, bool entfernen) override
    {
        return m_sdl->Nachricht(n, von, bis, entfernen);
    }
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

// The ready screen must be on screen while the loop only waits for Enter,
// and a composed frame of the moving run must show exactly the pixels of
// the frame in memory.
TEST_P(SdlAnzeigeX, BereitschirmUndBilderPixelgleich)
{
    CSdlTrainingslauf lauf(GetParam());
    auto sdl = std::make_shared<CSdlAnzeige>();
    auto beobachter = std::make_shared<CBeobachteteAnzeige>(sdl);
    int breite = 0, hoehe = 0;
    std::vector<uint32_t> bereitFoto, bereitErwartet, laufFoto;
    bool laufGleich = false;
    const int ergebnis = lauf.Laufen(beobachter, [&](const std::atomic<bool>& fertig) {
        while (beobachter->anzahl == 0 && !fertig)
            std::this_thread::sleep_for(2ms);
        std::this_thread::sleep_until(beobachter->ersteZeit + 300ms);
        bereitFoto = Bildschirmfoto(breite, hoehe);
        {
            std::lock_guard<std::mutex> sperre(beobachter->m_mutex);
            bereitErwartet = beobachter->bilder.front().Rgb(breite, hoehe);
        }
        SdlTasteDruecken(SDLK_RETURN);
        // Within the first target's display time.
        std::this_thread::sleep_for(700ms);
        // Frames change while the screen is grabbed: one of the latest
        // frames must match.
        for (int versuch = 0; versuch < 5 && !laufGleich; ++versuch) {
            laufFoto = Bildschirmfoto(breite, hoehe);
            std::lock_guard<std::mutex> sperre(beobachter->m_mutex);
            for (size_t i = 1; i < beobachter->bilder.size() && !laufGleich; ++i)
                laufGleich = beobachter->bilder[i].Rgb(breite, hoehe) == laufFoto;
        }
        SdlTasteDruecken(SDLK_ESCAPE);
    });
    EXPECT_EQ(ergebnis, 0) << lauf.fehler;
    const std::string name = std::string("sdl_") + (*GetParam() ? GetParam() : "standard");
    Speichern(bereitFoto, breite, hoehe, name + "_bereit");
    Speichern(laufFoto, breite, hoehe, name + "_lauf");
    ASSERT_FALSE(bereitFoto.empty());
    // The ready screen holds text in a second colour, and the grab shows it
    // pixel for pixel.
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
// set, keys polled while a flip waits, no core spent waiting.
using SdlAnzeigeXTakt = XTest;

TEST_F(SdlAnzeigeXTakt, PeriodeGeschwindigkeitAbfragen)
{
    CSdlTrainingslauf lauf;
    auto sdl = std::make_shared<CSdlAnzeige>();
    sdl->Messung().an = true;
    timespec cpu0{}, cpu1{}, bereit0{}, bereit1{};
    Uhr::time_point wand0, wand1;
    const int ergebnis = lauf.Laufen(sdl, [&](const std::atomic<bool>&) {
        // The ready screen waits for Enter from about 0.3 s on.
        std::this_thread::sleep_for(500ms);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &bereit0);
        std::this_thread::sleep_for(500ms);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &bereit1);
        SdlTasteDruecken(SDLK_RETURN);
        std::this_thread::sleep_for(1000ms);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
        wand0 = Uhr::now();
        std::this_thread::sleep_for(5000ms);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
        wand1 = Uhr::now();
        SdlTasteDruecken(SDLK_ESCAPE);
    });
    ASSERT_EQ(ergebnis, 0) << lauf.fehler;
    const auto& m = sdl->Messung();
    // Left out: the ready screen and the first frames after it.
    const CPerioden p = PeriodenAuswerten(m.gezeigt, 5);
    ASSERT_GT(p.anzahl, 100u);
    std::printf("Periode %.2f ms (sd %.2f, max %.2f; Uhr %.2f ms, Vorlauf %.2f ms, vsync %d), Luecke %.3f ms "
                "(%lld von %lld > 1 ms), Geschwindigkeit %.4f (soll %.4f)\n",
                p.mittel, p.sd, p.max, std::chrono::duration<double, std::milli>(sdl->Periode()).count(),
                std::chrono::duration<double, std::milli>(sdl->Vorlauf()).count(), int(sdl->MitVsync()),
                std::chrono::duration<double, std::milli>(m.groessteLuecke).count(), (long long)m.langeLuecken,
                (long long)m.abfragen, lauf.bericht.m_dStandardGeschwindigkeit, lauf.Sollgeschwindigkeit());
    EXPECT_NEAR(p.mittel, 1000.0 / 60.0, 1000.0 / 60.0 * 0.1);
    EXPECT_LT(p.sd, 6.0);
    EXPECT_NEAR(lauf.bericht.m_dStandardGeschwindigkeit, lauf.Sollgeschwindigkeit(), lauf.Sollgeschwindigkeit() * 0.15);
    // Keys are polled within a millisecond while a flip waits; on a loaded
    // machine a sleep may overrun now and then, so only the share counts.
    EXPECT_GT(m.abfragen, int64_t(p.anzahl) * 5);
    EXPECT_LT(m.langeLuecken * 10, m.abfragen);
    // Waiting for the retrace, and for Enter, sleeps: far less than a core.
    auto sekunden = [](timespec a, timespec b) {
        return double(b.tv_sec - a.tv_sec) + double(b.tv_nsec - a.tv_nsec) / 1e9;
    };
    const double cpu = sekunden(cpu0, cpu1);
    const double wand = std::chrono::duration<double>(wand1 - wand0).count();
    EXPECT_LT(cpu / wand, 0.7) << cpu << " s CPU in " << wand << " s";
    EXPECT_LT(sekunden(bereit0, bereit1), 0.25) << "CPU seconds in half a second of the ready screen";
}

} // namespace
