// The reading task at 1920 x 1080 on the in-memory display: preparing a
// text of 1000 lines of 300-character paragraphs (line breaking, pages,
// the first page drawn), at the default font and at a large one, with the
// bytes of the foreground surface and the process's peak memory; and
// turning to a page that is not drawn yet; breaking one long line.
#include "platform/draw/raster8/index_dc.h"
#include "presentation/lesetext.h"
#include "support/laufumfeld.h"
#include "workplace/textdatei.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// 1000 lines: a heading, then paragraphs of 300 characters of German words.
std::string Textdatei()
{
    static const char* const woerter[] = {"der",       "Zecke",      "sticht", "im",       "Frühling",   "Wald-",
                                          "Wiese",     "Gesundheit", "über",   "Haut",     "Ärztin",     "schnell",
                                          "entfernen", "mit",        "einer",  "Pinzette", "Borreliose", "ist"};
    const auto pfad = std::filesystem::temp_directory_path() / "lumetra_bench_lesetext" / "lang.txt";
    std::filesystem::create_directories(pfad.parent_path());
    std::ofstream datei(pfad, std::ios::binary);
    datei << "Zecken und ihre Stiche\r\n";
    unsigned zufall = 1;
    for (int z = 1; z < 1000; ++z) {
        std::string absatz;
        for (;;) {
            zufall = zufall * 1103515245u + 12345u;
            const std::string wort = woerter[(zufall >> 16) % std::size(woerter)];
            if (absatz.size() + wort.size() + 1 > 300)
                break;
            absatz += wort + ' ';
        }
        absatz.resize(300, '.');
        datei << absatz << "\r\n";
    }
    return pfad.string();
}

struct CUmfeld : CLaufUmfeld {
    explicit CUmfeld(double textgroesse) : CLaufUmfeld(KonfigMitModus(1920, 1080, 60), 1920, 1080, 60)
    {
        training.SetAufgabenart(50);
        const std::filesystem::path pfad = Textdatei();
        CText t = training.GetText();
        t.m_nTextart = 20;
        t.m_strEigenerText = pfad.filename().string();
        t.m_strEigenerOrdner.clear();
        t.m_dTextgroesse = textgroesse;
        training.SetText(t);
        CVerzeichnisse v = profil.GetVerzeichnisse();
        v.m_strEigeneTexte = pfad.parent_path().string();
        profil.SetVerzeichnisse(v);
    }
};

double SpitzeMB()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_maxrss) / 1024.0;
}

double FlaecheMB(IDirectDrawSurface* s)
{
    DDSURFACEDESC d;
    if (!s || s->GetSurfaceDesc(&d) != DD_OK)
        return 0.0;
    return double(d.dwWidth) * double(d.dwHeight) / (1024.0 * 1024.0);
}

// Text font size in parts of the display height: the default 25/768
// (137 pages), and 60/768 (777 pages).
void BM_LesetextVorbereiten(benchmark::State& state)
{
    CUmfeld u(double(state.range(0)) / 768.0);
    int seiten = 0;
    double vordergrund = 0.0;
    for (auto _ : state) {
        CPraesentation p;
        if (const int fehler = u.Vorbereiten(p); fehler != 0) {
            state.SkipWithError(("Vorbereitung: " + std::to_string(fehler) + " " + p.m_strFehler).c_str());
            return;
        }
        seiten = p.m_nAnzahl;
        vordergrund = FlaecheMB(p.m_pVordergrund);
    }
    state.counters["Seiten"] = seiten;
    state.counters["Vordergrund_MB"] = vordergrund;
    state.counters["Spitze_MB"] = SpitzeMB();
}
BENCHMARK(BM_LesetextVorbereiten)->Arg(25)->Arg(60)->Unit(benchmark::kMillisecond)->Iterations(3);

// Turning to pages not drawn yet: each draws one page into a slot.
void BM_LeseseiteZeichnen(benchmark::State& state)
{
    CUmfeld u(25.0 / 768.0);
    CPraesentation p;
    if (u.Vorbereiten(p) != 0 || !p.m_pLeseseiten) {
        state.SkipWithError(p.m_strFehler.c_str());
        return;
    }
    int seite = 0;
    for (auto _ : state) {
        seite = (seite + 1) % p.m_nAnzahl;
        benchmark::DoNotOptimize(p.m_pLeseseiten->Bereitstellen(p, seite));
    }
}
BENCHMARK(BM_LeseseiteZeichnen)->Unit(benchmark::kMicrosecond);

// One line of n bytes of words broken to 1700 pixels in a 25-pixel font.
void BM_ZerlegeText(benchmark::State& state)
{
    std::vector<uint8_t> pixel(64 * 64);
    CIndexDC dc(CIndexPuffer{pixel.data(), 64, 64, 64});
    CFont schrift;
    LOGFONT lf;
    lf.lfHeight = 25;
    lf.lfFaceName = "Arial";
    schrift.CreateFontIndirect(&lf);
    dc.SelectObject(&schrift);
    std::string zeile;
    for (unsigned zufall = 1; zeile.size() < size_t(state.range(0));) {
        zufall = zufall * 1103515245u + 12345u;
        zeile += std::string(1 + (zufall >> 16) % 9, char('a' + (zufall >> 8) % 26));
        zeile += (zufall >> 4) % 7 ? ' ' : '-';
    }
    std::vector<std::string> aus;
    for (auto _ : state)
        benchmark::DoNotOptimize(ZerlegeText({zeile}, &aus, &dc, 1700));
    state.counters["Zeilen"] = double(aus.size());
}
BENCHMARK(BM_ZerlegeText)->Arg(64 << 10)->Arg(256 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
