#include "support/laufumfeld.h"

#include "presentation/ablaufbits.h"
#include "testanzeige.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr uint32_t kWeiss = 0xFFFFFF, kRot = 0x0000FF;

// A picture task showing the file `name` of the own-pictures folder.
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

TEST(Bildaufgabe, KleinesBildMittig)
{
    CLaufUmfeld u;
    Bild(u, testanzeige::Schreiben("klein.bmp", testanzeige::Bmp(8, 400, 300, {kWeiss, kRot}, [](int x, int y) {
                                       return x == 0 && y == 0 ? 1u : 0u;
                                   })));
    CPraesentation p;
    ASSERT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
    EXPECT_EQ(p.m_nAnzahl, 1);
    EXPECT_EQ(p.m_Rechtecke2.GetAt(0), (RECT{312, 234, 712, 534}));
    EXPECT_EQ(p.m_nAufgabe, aufgabe::BILD | aufgabe::TRAINING);
    // Transparency 1: white is the opaque background entry.
    EXPECT_EQ(testanzeige::Pixel(p.m_pVordergrund, 1, 1), 69);
    EXPECT_GE(testanzeige::Pixel(p.m_pVordergrund, 0, 0), 11);
}

TEST(Bildaufgabe, FehlendesBild)
{
    CLaufUmfeld u;
    Bild(u, testanzeige::Ordner() + "/gibtesnicht.bmp");
    {
        CPraesentation p;
        EXPECT_EQ(u.Darbieten(p), 0x300);
        EXPECT_EQ(p.m_strFehler, "Datei " + testanzeige::Ordner() + "/gibtesnicht.bmp nicht gefunden.\n");
    }

    // Not a picture at all: its own code and message, nothing shown.
    CLaufUmfeld v;
    Bild(v, testanzeige::Schreiben("kaputt.bmp", {'B', 'M', 1, 2, 3}));
    CPraesentation q;
    EXPECT_EQ(v.Darbieten(q), 0x300);
    EXPECT_NE(q.m_strFehler.find("kaputt.bmp"), std::string::npos) << q.m_strFehler;
}

TEST(Bildaufgabe, BildBisEnter)
{
    CLaufUmfeld u;
    // 64 shades of a colour table, in bands across, a black frame.
    std::vector<uint32_t> farben{0x000000};
    for (uint32_t i = 0; i < 64; ++i)
        farben.push_back((i * 4) | ((255 - i * 4) << 8) | 0x800000);
    Bild(u, testanzeige::Schreiben("lauf.bmp", testanzeige::Bmp(8, 300, 200, farben, [](int x, int y) {
                                       return x < 4 || y < 4 || x >= 296 || y >= 196 ? 0u : uint32_t(1 + x * 64 / 300);
                                   })));
    u.anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    u.anzeige->Druecken(VK_RETURN, 500.0, 520.0);
    CPraesentation p;
    ASSERT_EQ(u.Darbieten(p), 0) << p.m_strFehler;
    EXPECT_NEAR(p.m_TrainingsBericht.m_dLaufzeit, 0.5, 0.05);
    // The picture is on the screen, in the middle.
    const auto& bild = u.anzeige->GetBildschirm();
    EXPECT_NE(bild[size_t(384) * 1024 + 512], 176);
    EXPECT_EQ(bild[size_t(100) * 1024 + 100], 176);
    u.BildschirmSpeichern("bildaufgabe_lauf");
}

} // namespace
