#include "support/laufumfeld.h"

#include "presentation/ablaufbits.h"
#include "testanzeige.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A picture task showing the file at pfad as an own picture.
void Bild(CLaufUmfeld& u, const std::string& pfad)
{
    u.training.SetAufgabenart(60);
    CSonstiges s = u.training.GetSonstiges();
    s.m_nBildart = 10;
    s.m_strBilddatei = std::filesystem::path(pfad).filename().string();
    u.training.SetSonstiges(s);
    CVerzeichnisse v = u.profil.GetVerzeichnisse();
    v.m_strEigeneBilder = std::filesystem::path(pfad).parent_path().string();
    u.profil.SetVerzeichnisse(v);
}

// A white picture with a red corner, centred, shown until Enter.
TEST(Bildaufgabe, BildMittigBisEnter)
{
    CLaufUmfeld u;
    Bild(u, testanzeige::Schreiben("klein.bmp", testanzeige::Bmp(8, 400, 300, {0xFFFFFF, 0x0000FF}, [](int x, int y) {
                                       return x == 0 && y == 0 ? 1u : 0u;
                                   })));
    {
        CPraesentation p;
        ASSERT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
        EXPECT_EQ(p.m_Rechtecke2.GetAt(0), (RECT{312, 234, 712, 534}));
        EXPECT_EQ(p.m_nAufgabe, aufgabe::BILD | aufgabe::TRAINING);
        // Transparency 1: white is the opaque background entry.
        EXPECT_EQ(testanzeige::Pixel(p.m_pVordergrund, 1, 1), 69);
        EXPECT_GE(testanzeige::Pixel(p.m_pVordergrund, 0, 0), 11);
    }
    u.anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    u.anzeige->Druecken(VK_RETURN, 500.0, 520.0);
    CPraesentation lauf;
    ASSERT_EQ(u.Darbieten(lauf), 0) << lauf.m_strFehler;
    EXPECT_NEAR(lauf.m_TrainingsBericht.m_dLaufzeit, 0.5, 0.05);
    const auto& bild = u.anzeige->GetBildschirm();
    EXPECT_EQ(bild[size_t(384) * 1024 + 512], 69);
    EXPECT_EQ(bild[size_t(100) * 1024 + 100], 176);
    u.BildschirmSpeichern("bildaufgabe_lauf");
}

// A missing file and one that is no picture: the run ends naming the file.
TEST(Bildaufgabe, FehlendesOderKaputtesBild)
{
    const std::string fehlt = testanzeige::Ordner() + "/gibtesnicht.bmp";
    for (const std::string& pfad : {fehlt, testanzeige::Schreiben("kaputt.bmp", {'B', 'M', 1, 2, 3})}) {
        CLaufUmfeld u;
        Bild(u, pfad);
        CPraesentation p;
        EXPECT_EQ(u.Darbieten(p), 0x300);
        EXPECT_NE(p.m_strFehler.find(pfad), std::string::npos) << p.m_strFehler;
    }
}

} // namespace
