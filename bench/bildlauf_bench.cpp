// The frame loop at 1920 x 1080 on the in-memory display: the CPU time of
// one frame, the largest gap between two key polls while a flip waits, a
// run of 10,000 frames, and the preparation of the backgrounds.
#include "model/training.h"
#include "platform/crt.h"
#include "platform/display/memory/speicher_anzeige.h"
#include "platform/display/pixel8.h"
#include "presentation/ablaufbits.h"
#include "presentation/praesentation.h"
#include "support/laufumfeld.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

// The in-memory display, watched: real time between key polls while a
// flipped frame waits for its retrace, and retraces that no frame met.
class CMessAnzeige final : public CAnzeigeTreiber {
public:
    explicit CMessAnzeige(std::shared_ptr<CSpeicherAnzeige> s) : m_s(std::move(s)) {}
    std::vector<CAnzeigeModus> Modi() override { return m_s->Modi(); }
    HRESULT ModusSetzen(const CAnzeigeModus& m) override { return m_s->ModusSetzen(m); }
    CAnzeigeModus ModusInKraft() override { return m_s->ModusInKraft(); }
    void ModusZuruecksetzen() override { m_s->ModusZuruecksetzen(); }
    void BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) override
    {
        const int64_t f = m_s->ModusInKraft().frequenz;
        const int64_t k = m_s->GetZeitNs() * f / 1'000'000'000 + 1;
        if (m_letzteRetrace > 0 && k > m_letzteRetrace + 1)
            verpasst += k - m_letzteRetrace - 1;
        m_letzteRetrace = k;
        ++bilder;
        m_s->BildEinreihen(pixel, pitch, palette);
        m_wartet = true;
        m_letzteAbfrage = Uhr::now();
    }
    bool TauschAusstehend() override
    {
        const bool a = m_s->TauschAusstehend();
        if (!a)
            m_wartet = false;
        return a;
    }
    void TauschAbwarten() override
    {
        m_s->TauschAbwarten();
        m_wartet = false;
    }
    void FrontGeaendert(const BYTE* p, LONG pitch, const PALETTEENTRY* pal) override
    {
        m_s->FrontGeaendert(p, pitch, pal);
    }
    SHORT Taste(int vk) override
    {
        const auto jetzt = Uhr::now();
        if (m_wartet)
            groessteLuecke = std::max(groessteLuecke, jetzt - m_letzteAbfrage);
        m_letzteAbfrage = jetzt;
        return m_s->Taste(vk);
    }
    bool Nachricht(MSG& n, UINT von, UINT bis, bool entfernen) override
    {
        return m_s->Nachricht(n, von, bis, entfernen);
    }
    void MauszeigerSichtbar(bool s) override { m_s->MauszeigerSichtbar(s); }
    HRESULT Vorgabe(EAufruf a) override { return m_s->Vorgabe(a); }
    bool VideospeicherFrei() override { return m_s->VideospeicherFrei(); }

    Uhr::duration groessteLuecke{};
    int64_t verpasst = 0;
    int64_t bilder = 0;

private:
    std::shared_ptr<CSpeicherAnzeige> m_s;
    bool m_wartet = false;
    Uhr::time_point m_letzteAbfrage{};
    int64_t m_letzteRetrace = 0;
};

struct CUmfeld : CLaufUmfeld {
    CUmfeld() : CLaufUmfeld(KonfigMitModus(1920, 1080, 60), 1920, 1080, 60)
    {
        messung = std::make_shared<CMessAnzeige>(anzeige);
        auto m = messung;
        AnzeigeTreiberAnmelden("messung", [m] { return m; });
        AnzeigeTreiberWaehlen("messung");
        // Saccades over the default pattern of ellipses, with a colour-change task.
        training.SetAufgabenart(10);
        CSakkaden s = training.GetSakkaden();
        s.m_nDurchgaenge = 2000;
        training.SetSakkaden(s);
        CHGAufgabe a = training.GetHGAufgabe();
        a.m_nArt = 10;
        training.SetHGAufgabe(a);
    }
    std::shared_ptr<CMessAnzeige> messung;
};

// One frame's work: the background in two blits at a moving offset, the
// keyed foreground item, and the back buffer converted through the palette
// as a display that cannot compose the frame from kept surfaces must.
void BM_Bild1920x1080(benchmark::State& state)
{
    CUmfeld u;
    CPraesentation p;
    if (u.Vorbereiten(p) != 0) {
        state.SkipWithError(p.m_strFehler.c_str());
        return;
    }
    p.m_nIndex = 0;
    std::vector<uint32_t> rgb(size_t(1920) * 1080);
    uint32_t tabelle[256];
    int versatz = 0;
    for (auto _ : state) {
        p.m_nHGVersatz = versatz = (versatz + 3) % std::max(p.m_nHGPeriode, 1);
        p.HintergrundKopieren(2);
        p.TrainingVordergrundKopieren();
        DDSURFACEDESC d;
        p.m_pRueckpuffer->Lock(nullptr, &d, DDLOCK_WAIT | DDLOCK_READONLY, nullptr);
        TabelleAusPalette(p.m_Palette256, tabelle);
        Umwandeln8Nach32(static_cast<const BYTE*>(d.lpSurface), d.lPitch, rgb.data(), 1920 * 4, 1920, 1080, tabelle);
        p.m_pRueckpuffer->Unlock(nullptr);
        benchmark::DoNotOptimize(rgb.data());
    }
    if (p.m_nFehler)
        state.SkipWithError("copy failed");
}
BENCHMARK(BM_Bild1920x1080)->Unit(benchmark::kMicrosecond);

// 10,000 frames of a saccade run: real time per frame, retraces missed on
// the display's clock, and the largest real gap between two key polls
// while a flip waits.
void BM_Lauf10000Bilder(benchmark::State& state)
{
    for (auto _ : state) {
        CUmfeld u;
        constexpr double periode = 1000.0 / 60.0;
        u.anzeige->Druecken(VK_RETURN, 1.0, 3.0);
        u.anzeige->Druecken(VK_ESCAPE, (10000 + 0.5) * periode, (10000 + 1.5) * periode);
        CPraesentation p;
        const auto start = Uhr::now();
        const int ergebnis = u.Darbieten(p);
        const double sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
        if (ergebnis != 0) {
            state.SkipWithError(p.m_strFehler.c_str());
            return;
        }
        const double bilder = double(u.messung->bilder);
        state.counters["Bilder"] = bilder;
        state.counters["verpasst"] = double(u.messung->verpasst);
        state.counters["us_je_Bild"] = sekunden / bilder * 1e6;
        state.counters["Abfrageluecke_us"] =
            std::chrono::duration<double, std::micro>(u.messung->groessteLuecke).count();
    }
}
BENCHMARK(BM_Lauf10000Bilder)->Iterations(1)->Unit(benchmark::kMillisecond);

// Preparing the normal and the target-colour background: mode 0 the
// default ellipses, 1 random dots, 2 stripes.
void BM_HintergrundVorbereiten(benchmark::State& state)
{
    CUmfeld u;
    CHGMuster m = u.training.GetHGMuster();
    const int art[] = {20, 30, 10};
    m.m_nArt = art[state.range(0)];
    if (m.m_nArt == 30) {
        m.m_dElementbreite = 0.01;
        m.m_dZyklusbreite = 0.2;
    }
    u.training.SetHGMuster(m);
    CPraesentation p;
    if (u.Vorbereiten(p) != 0) {
        state.SkipWithError(p.m_strFehler.c_str());
        return;
    }
    for (auto _ : state) {
        for (IDirectDrawSurface** s : {&p.m_pHintergrund, &p.m_pHintergrundZiel}) {
            if (*s)
                (*s)->Release();
            *s = nullptr;
        }
        p.m_nAufgabe = aufgabe::TRAINING;
        benchmark::DoNotOptimize(p.HintergrundErstellen());
    }
}
BENCHMARK(BM_HintergrundVorbereiten)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
