#include "testanzeige.h"

#include "model/training.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace testanzeige {

void Setze32(std::vector<uint8_t>& b, size_t o, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[o + size_t(i)] = uint8_t(v >> (8 * i));
}

std::vector<uint8_t> Bmp(int bits, int breite, int hoehe, const std::vector<uint32_t>& farben,
                         const std::function<uint32_t(int, int)>& wert)
{
    const int h = hoehe < 0 ? -hoehe : hoehe;
    const size_t zeile = size_t(((breite * bits + 31) / 32) * 4);
    const size_t tabelle = 4 * farben.size();
    std::vector<uint8_t> b(54 + tabelle + zeile * size_t(h), 0);
    b[0] = 'B';
    b[1] = 'M';
    Setze32(b, 2, uint32_t(b.size()));
    Setze32(b, 10, uint32_t(54 + tabelle));
    Setze32(b, 14, 40);
    Setze32(b, 18, uint32_t(breite));
    Setze32(b, 22, uint32_t(hoehe));
    b[26] = 1;
    b[28] = uint8_t(bits);
    Setze32(b, 46, uint32_t(farben.size()));
    for (size_t i = 0; i < farben.size(); ++i) {
        const uint32_t c = farben[i];
        b[54 + 4 * i] = uint8_t(c >> 16);
        b[55 + 4 * i] = uint8_t(c >> 8);
        b[56 + 4 * i] = uint8_t(c);
    }
    for (int y = 0; y < h; ++y) {
        const size_t dateiZeile = size_t(hoehe < 0 ? y : h - 1 - y);
        uint8_t* z = &b[54 + tabelle + dateiZeile * zeile];
        for (int x = 0; x < breite; ++x) {
            const uint32_t v = wert(x, y);
            if (bits == 24) {
                z[3 * x] = uint8_t(v >> 16);
                z[3 * x + 1] = uint8_t(v >> 8);
                z[3 * x + 2] = uint8_t(v);
            } else {
                const int bit = x * bits;
                z[bit / 8] |= uint8_t((v & ((1u << bits) - 1)) << (8 - bits - bit % 8));
            }
        }
    }
    return b;
}

std::string Ordner()
{
    const std::string o = LUMETRA_ARTIFACTS "/praesentation";
    std::filesystem::create_directories(o);
    return o;
}

std::string Schreiben(const std::string& name, const std::vector<uint8_t>& bytes)
{
    // Tests run in parallel processes: each writes under its own name.
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string pfad = Ordner() + "/" +
                             (info ? std::string(info->test_suite_name()) + "." + info->name() + "." : std::string()) +
                             name;
    std::ofstream(pfad, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return pfad;
}

int Pixel(IDirectDrawSurface* s, int x, int y)
{
    DDSURFACEDESC d;
    if (!s || s->Lock(nullptr, &d, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK)
        return -1;
    int v = -1;
    if (x >= 0 && y >= 0 && DWORD(x) < d.dwWidth && DWORD(y) < d.dwHeight)
        v = static_cast<BYTE*>(d.lpSurface)[y * d.lPitch + x];
    s->Unlock(d.lpSurface);
    return v;
}

void Sakkaden(CTraining& t, int n, double pause, double dauer)
{
    t.SetAufgabenart(10);
    CSakkaden s = t.GetSakkaden();
    s.m_nDurchgaenge = n;
    s.m_dPauseMin = s.m_dPauseMax = pause;
    s.m_dDauerMin = s.m_dDauerMax = dauer;
    t.SetSakkaden(s);
}

CUmfeld::CUmfeld(CSpeicherKonfig konfig)
{
    anzeige = CSpeicherAnzeige::Installieren(std::move(konfig));
    EXPECT_EQ(DirectDrawErzeugen(&dd), S_OK);
    EXPECT_EQ(dd ? dd->Initialize(nullptr) : DD_OK, DD_OK);
}

CUmfeld::~CUmfeld()
{
    if (dd)
        dd->Release();
}

} // namespace testanzeige
