#include <gtest/gtest.h>

#include "model/trainingsbericht.h"
#include "platform/archiv.h"

TEST(TrainingsBerichtTest, ZaehlerUndSummen)
{
    CTrainingsBericht b;
    ASSERT_EQ(b.SetAnzahlReize(3), 0);
    b.IncZaehler2(0);
    b.IncZaehler3(0);
    b.IncZaehler3(1);
    b.IncZaehler3(1);
    b.IncZaehler1(1);
    b.IncZaehler1(2);
    EXPECT_EQ(b.AnzahlMitZaehler2(), 1);
    EXPECT_EQ(b.AnzahlNurZaehler3(), 1);
    EXPECT_EQ(b.SummeZaehler1(), 2);

    EXPECT_EQ(b.SetZeit(0, 5000000000ull), 0);
    EXPECT_EQ(b.GetZeit(0), 705032704u);
    b.AddZeit(0, 1000);
    EXPECT_DOUBLE_EQ(b.GetZeitSekunden(0), 705033.704);

    b.AddDauer(1500);
    b.IncKorrekteReaktionen();
    EXPECT_DOUBLE_EQ(b.GetDauerSekunden(), 1.5);
    EXPECT_EQ(b.GetKorrekteReaktionen(), 1);

    // Assignment copies the run and always asks for a new evaluation.
    b.SetAnzahlReize(2);
    b.SetPunkt(1, 7, 8);
    CTrainingsBericht k;
    k.m_nAuswertung = 1;
    k = b;
    EXPECT_EQ(k.GetPunkt(1).y, 8);
    EXPECT_EQ(k.m_nAuswertung, 0);
}

TEST(TrainingsBerichtTest, GespeicherterBericht)
{
    CTrainingsBericht b;
    CArchive leer;
    b.Serialize(leer);
    EXPECT_EQ(leer.GetBytes().size(), 84u);

    b.SetAnzahlReize(36);
    b.AddDauer(0x100000005ull);
    b.m_dLaufzeit = 12.5;
    b.m_rcPositionen = RECT{1, 2, 3, 4};
    b.SetRechteck(35, 10, 20, 30, 40);
    b.SetPunkt(35, -5, 6);
    b.SetZeit(0, 123);
    b.SetMarke(1);
    CArchive ar;
    b.Serialize(ar);
    const auto& bytes = ar.GetBytes();
    ASSERT_EQ(bytes.size(), 1668u);
    // Upper and lower 32 bits of the background reaction time.
    EXPECT_EQ(bytes[72], 1);
    EXPECT_EQ(bytes[76], 5);

    CArchive lesen(bytes);
    CTrainingsBericht g;
    g.Serialize(lesen);
    EXPECT_EQ(g.GetHGReaktionszeit(), 0x100000005ull);
    EXPECT_EQ(g.GetRechteck(35).bottom, 40);
    CArchive wieder;
    g.Serialize(wieder);
    EXPECT_EQ(wieder.GetBytes(), bytes);
}

// The list template serves the test's reports too.
TEST(TrainingsBerichtListeTest, WachsenUndEntfernen)
{
    CTrainingsBerichtListe liste;
    CTrainingsBericht b;
    EXPECT_EQ(liste.SetAtGrow(0, nullptr), 2);
    EXPECT_EQ(liste.GetKapazitaet(), 0);
    EXPECT_EQ(liste.SetAtGrow(0, &b), 0);
    EXPECT_EQ(liste.GetKapazitaet(), 5);
    b.m_nTag = 2;
    EXPECT_EQ(liste.SetAtGrow(7, &b), 0); // appended, no gap
    EXPECT_EQ(liste.GetAt(1)->m_nTag, 2);
    EXPECT_EQ(liste.GetAt(2), nullptr);
    for (int i = 0; i < 4; ++i)
        liste.SetAtGrow(liste.GetSize(), &b);
    EXPECT_EQ(liste.GetSize(), 6);
    EXPECT_EQ(liste.GetKapazitaet(), 10);

    EXPECT_EQ(liste.RemoveAt(0), 0);
    EXPECT_EQ(liste.GetAt(0)->m_nTag, 2);
    EXPECT_EQ(liste.RemoveAll(), 0);
    EXPECT_EQ(liste.GetKapazitaet(), 0);
    liste.SetAtGrow(0, &b);
    liste.RemoveAt(0);
    EXPECT_EQ(liste.RemoveAll(), 1); // slots without reports
}
