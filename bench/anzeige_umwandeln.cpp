// Converting one 8-bit frame through the palette, as the SDL display does
// for a frame it cannot compose from kept surfaces (and once per change of
// a kept surface).
#include "platform/display/ddraw.h"
#include "platform/display/pixel8.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

static void BM_Umwandeln1920x1080(benchmark::State& state)
{
    constexpr LONG B = 1920, H = 1080;
    std::vector<BYTE> bild(size_t(B) * H);
    for (size_t i = 0; i < bild.size(); ++i)
        bild[i] = BYTE((i * 7919) >> 3);
    std::vector<uint32_t> ziel(size_t(B) * H);
    PALETTEENTRY palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = {BYTE(i), BYTE(255 - i), BYTE(i * 3), 0};
    uint32_t tabelle[256];
    for (auto _ : state) {
        TabelleAusPalette(palette, tabelle);
        Umwandeln8Nach32(bild.data(), B, ziel.data(), B * 4, B, H, tabelle);
        benchmark::DoNotOptimize(ziel.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * B * H);
}
BENCHMARK(BM_Umwandeln1920x1080)->Unit(benchmark::kMicrosecond);

// A frame composed from one copy step, two pixels per lookup; with
// Arg(1) the palette changes every frame, so the pair table is rebuilt
// each time (its worst case).
static void BM_Zusammensetzen1920x1080(benchmark::State& state)
{
    constexpr LONG B = 1920, H = 1080;
    std::vector<BYTE> bild(size_t(B) * H);
    for (size_t i = 0; i < bild.size(); ++i)
        bild[i] = BYTE((i * 7919) >> 3);
    std::vector<uint32_t> ziel(size_t(B) * H);
    CBildSchritt s;
    s.art = CBildSchritt::EArt::Kopieren;
    s.ziel = s.quelle = {0, 0, B, H};
    s.pixel = bild.data();
    s.pitch = B;
    const std::vector<CBildSchritt> schritte{s};
    uint32_t tabelle[256];
    for (int i = 0; i < 256; ++i)
        tabelle[i] = 0xFF000000u | uint32_t(i * 0x010203);
    CPaarTabelle paare;
    for (auto _ : state) {
        if (state.range(0))
            ++tabelle[0];
        paare.Setzen(tabelle);
        Zusammensetzen8Nach32(schritte, ziel.data(), B * 4, B, H, paare);
        benchmark::DoNotOptimize(ziel.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * B * H);
}
BENCHMARK(BM_Zusammensetzen1920x1080)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A saccade run's frame: the striped background in two copies split at the
// scroll offset, a keyed 50 x 50 item over it at a position as odd as the
// offset. Args: width (height as its screen has it) and offset. Frames go
// to targets in turn that together exceed the last-level cache, as the
// window's surface is cold when the next frame is composed into it.
static void BM_ZusammensetzenSakkaden(benchmark::State& state)
{
    const LONG B = LONG(state.range(0)), H = B == 1920 ? 1080 : 768, versatz = LONG(state.range(1));
    constexpr LONG PERIODE = 100, STREIFEN = 20, TEIL = 50;
    const LONG hgBreite = B + PERIODE, rest = B % PERIODE;
    std::vector<BYTE> hg(size_t(hgBreite) * H), teil(size_t(TEIL) * TEIL);
    for (LONG y = 0; y < H; ++y)
        for (LONG x = 0; x < hgBreite; ++x)
            hg[size_t(y * hgBreite + x)] = x % PERIODE < STREIFEN ? 129 : 176;
    for (LONG y = 0; y < TEIL; ++y)
        for (LONG x = 0; x < TEIL; ++x)
            teil[size_t(y * TEIL + x)] = (x < 10 || x >= 40 || y < 10 || y >= 40) ? 15 : 0;
    std::vector<CBildSchritt> schritte(3);
    for (CBildSchritt& s : schritte) {
        s.art = CBildSchritt::EArt::Kopieren;
        s.pixel = hg.data();
        s.pitch = s.breite = hgBreite;
        s.hoehe = H;
    }
    schritte[0].quelle = {versatz, 0, B, H};
    schritte[0].ziel = {0, 0, B - versatz, H};
    schritte[1].quelle = {rest, 0, rest + versatz, H};
    schritte[1].ziel = {B - versatz, 0, B, H};
    CBildSchritt& vg = schritte[2];
    vg.art = CBildSchritt::EArt::KopierenMitSchluessel;
    vg.pixel = teil.data();
    vg.pitch = vg.breite = vg.hoehe = TEIL;
    vg.quelle = {0, 0, TEIL, TEIL};
    vg.ziel = {300 + versatz, H / 2, 300 + versatz + TEIL, H / 2 + TEIL};
    vg.von = vg.bis = 0;
    if (versatz == 0)
        schritte.erase(schritte.begin() + 1);

    uint32_t tabelle[256];
    for (int i = 0; i < 256; ++i)
        tabelle[i] = 0xFF000000u | uint32_t(i * 0x010203);
    CPaarTabelle paare;
    paare.Setzen(tabelle);
    const size_t pixel = size_t(B) * H, anzahl = (size_t(64) << 20) / (pixel * 4) + 1;
    // Page-aligned, as the window's shared memory is.
    std::vector<uint32_t> ziele(anzahl * pixel + 1024);
    uint32_t* anfang = reinterpret_cast<uint32_t*>((reinterpret_cast<uintptr_t>(ziele.data()) + 4095) & ~uintptr_t(4095));
    std::fill(ziele.begin(), ziele.end(), 0u);
    size_t n = 0;
    for (auto _ : state) {
        uint32_t* ziel = anfang + (n++ % anzahl) * pixel;
        Zusammensetzen8Nach32(schritte, ziel, B * 4, B, H, paare);
        benchmark::DoNotOptimize(ziel);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * B * H);
}
BENCHMARK(BM_ZusammensetzenSakkaden)
    ->ArgsProduct({{1024, 1920}, benchmark::CreateDenseRange(0, 15, 1)})
    ->Unit(benchmark::kMicrosecond);
