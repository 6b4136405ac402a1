#include "support/laufumfeld.h"

#include "presentation/exploration.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(Exploration, Pfade)
{
    EXPECT_EQ(ExplorationsPfad(2, 3, true), (std::vector<POINT>{{1, 1}, {2, 1}, {3, 1}, {3, 2}, {2, 2}, {1, 2}}));
    EXPECT_EQ(ExplorationsPfad(2, 3, false), (std::vector<POINT>{{1, 1}, {1, 2}, {2, 2}, {2, 1}, {3, 1}, {3, 2}}));
}

// A failed copy leaves a gap: the preparation fails with the drawing error.
TEST(Exploration, FehlgeschlageneKopieIstZeichenfehler)
{
    auto vorbereiten = [](int strategie, int gelingen) {
        CLaufUmfeld u;
        u.training.SetAufgabenart(20);
        CExploration e = u.training.GetExploration();
        e.m_nStrategie = strategie;
        e.m_nFreiflaecheAktiv = e.m_nZielliste = e.m_nDistraktorliste = 0;
        e.m_nZielBis = 6;
        e.m_nZeilen = 2;
        e.m_nSpalten = 3;
        u.training.SetExploration(e);
        if (gelingen >= 0) {
            if (gelingen > 0)
                u.anzeige->SetErgebnis(EAufruf::Blt, DD_OK, gelingen);
            u.anzeige->SetErgebnis(EAufruf::Blt, DDERR_GENERIC, strategie == 11 ? 1 : -1);
        }
        CPraesentation p;
        const int fehler = u.Vorbereiten(p);
        return std::make_tuple(fehler, p.m_strFehler, u.anzeige->GetAufrufe(EAufruf::Blt));
    };
    // The path's last field stimulus is the preparation's last copy.
    const auto [ohne, text, kopien] = vorbereiten(11, -1);
    ASSERT_EQ(ohne, 0) << text;
    const auto [fehler, fehlertext, k] = vorbereiten(11, kopien - 1);
    EXPECT_EQ(fehler, 11);
    EXPECT_EQ(fehlertext, "Fehler beim Erstellen des Vordergrundbildes.\n");

    // Border slots, copies failing from some point on: codes once ORed into 14.
    const auto [rand, randtext, randkopien] = vorbereiten(30, -1);
    ASSERT_EQ(rand, 0) << randtext;
    int zeichenfehler = 0;
    for (int gelingen = 0; gelingen < randkopien; ++gelingen) {
        const auto [f, t, n] = vorbereiten(30, gelingen);
        EXPECT_TRUE(f == 10 || f == 11) << gelingen << ": " << f << " " << t;
        zeichenfehler += f == 11;
    }
    EXPECT_GT(zeichenfehler, 0);
}

} // namespace
