#include "platform/display/ddraw.h"
#include "platform/display/memory/speicher_anzeige.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

struct CGefunden {
    std::vector<CAnzeigeModus> modi;
    std::vector<DWORD> flags;
};

HRESULT Sammeln(DDSURFACEDESC* d, void* kontext)
{
    auto* g = static_cast<CGefunden*>(kontext);
    g->modi.push_back({d->dwWidth, d->dwHeight, d->ddpfPixelFormat.dwRGBBitCount, d->dwRefreshRate});
    g->flags.push_back(d->ddpfPixelFormat.dwFlags);
    return DDENUMRET_OK;
}

class SpeicherAnzeige : public ::testing::Test {
protected:
    void Starten(CSpeicherKonfig konfig = {})
    {
        m_anzeige = CSpeicherAnzeige::Installieren(std::move(konfig));
        ASSERT_EQ(DirectDrawErzeugen(&m_dd), S_OK);
        ASSERT_EQ(m_dd->Initialize(nullptr), DD_OK);
    }
    void Vollbild(DWORD b = 640, DWORD h = 480, DWORD f = 60)
    {
        ASSERT_EQ(m_dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT), DD_OK);
        ASSERT_EQ(m_dd->SetDisplayMode(b, h, 8, f, 0), DD_OK);
        DDSURFACEDESC d;
        d.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
        d.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
        d.dwBackBufferCount = 1;
        ASSERT_EQ(m_dd->CreateSurface(&d, &m_primaer, nullptr), DD_OK);
        DDSCAPS caps{DDSCAPS_BACKBUFFER};
        ASSERT_EQ(m_primaer->GetAttachedSurface(&caps, &m_rueck), DD_OK);
    }
    IDirectDrawSurface* Oberflaeche(DWORD b, DWORD h, DWORD caps = DDSCAPS_OFFSCREENPLAIN)
    {
        DDSURFACEDESC d;
        d.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        d.dwWidth = b;
        d.dwHeight = h;
        d.ddsCaps.dwCaps = caps;
        IDirectDrawSurface* s = nullptr;
        EXPECT_EQ(m_dd->CreateSurface(&d, &s, nullptr), DD_OK);
        return s;
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

TEST_F(SpeicherAnzeige, ZaehltModiMitUndOhneFrequenzenAuf)
{
    CSpeicherKonfig k;
    k.modi = {{640, 480, 8, 60}, {640, 480, 8, 75}, {800, 600, 0, 56}, {800, 600, 16, 60}};
    Starten(k);
    CGefunden mit;
    ASSERT_EQ(m_dd->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, &mit, Sammeln), DD_OK);
    ASSERT_EQ(mit.modi.size(), 4u);
    EXPECT_EQ(mit.modi[1], (CAnzeigeModus{640, 480, 8, 75}));
    EXPECT_EQ(mit.flags[0], DDPF_RGB | DDPF_PALETTEINDEXED8);
    EXPECT_EQ(mit.flags[2], 0u); // depth 0: no RGB flag
    EXPECT_EQ(mit.modi[2].frequenz, 56u);

    CGefunden ohne;
    ASSERT_EQ(m_dd->EnumDisplayModes(0, nullptr, &ohne, Sammeln), DD_OK);
    ASSERT_EQ(ohne.modi.size(), 3u);
    EXPECT_EQ(ohne.modi[0], (CAnzeigeModus{640, 480, 8, 0}));

    m_anzeige->SetErgebnis(EAufruf::EnumDisplayModes, DDERR_GENERIC);
    CGefunden fehl;
    EXPECT_EQ(m_dd->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, &fehl, Sammeln), DDERR_GENERIC);
    EXPECT_TRUE(fehl.modi.empty());
}

TEST_F(SpeicherAnzeige, ErzeugenNurAufAusdruecklicheWahl)
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
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
    CoUninitialize();
    CoUninitialize();
}

} // namespace
