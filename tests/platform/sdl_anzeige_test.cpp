#include "platform/display/ddraw.h"
#include "platform/display/sdl/sdl_anzeige.h"

#include <gtest/gtest.h>

namespace {

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

} // namespace
