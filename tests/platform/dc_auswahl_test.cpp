#include <gtest/gtest.h>

#include "platform/draw/dc_auswahl.h"
#include "platform/draw/recorder/recorder_dc.h"

// Whatever a step chose, and however often, the context gets back what it
// had before, also when the step leaves early.
TEST(DCAuswahl, StelltDasVorherigeBeimVerlassenWiederHer)
{
    CRecorderDC dc;
    CPen vorher(PS_SOLID, 1, RGB(1, 2, 3)), a(PS_SOLID, 2, RGB(4, 5, 6)), b(PS_SOLID, 3, RGB(7, 8, 9));
    CBrush pinselVorher(RGB(1, 1, 1)), pinsel(RGB(2, 2, 2));
    CFont schriftVorher, schrift;
    LOGFONT lf;
    lf.lfHeight = 12;
    ASSERT_TRUE(schriftVorher.CreateFontIndirect(&lf));
    lf.lfHeight = 30;
    ASSERT_TRUE(schrift.CreateFontIndirect(&lf));
    dc.SelectObject(&vorher);
    dc.SelectObject(&pinselVorher);
    dc.SelectObject(&schriftVorher);

    auto schritt = [&](bool frueh) {
        CDCAuswahl auswahl(&dc);
        auswahl.Abbildung(MM_ISOTROPIC);
        auswahl.Waehlen(&a);
        auswahl.Waehlen(&b);
        auswahl.Waehlen(&schrift);
        if (frueh)
            return;
        auswahl.Waehlen(&pinsel);
        EXPECT_EQ(dc.GetStift().lopnWidth.x, 3);
        EXPECT_EQ(dc.GetSchrift().lfHeight, 30);
    };
    for (bool frueh : {true, false}) {
        schritt(frueh);
        EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
        EXPECT_EQ(dc.SelectObject(&vorher), &vorher);
        EXPECT_EQ(dc.SelectObject(&pinselVorher), &pinselVorher);
        EXPECT_EQ(dc.SelectObject(&schriftVorher), &schriftVorher);
    }
}
