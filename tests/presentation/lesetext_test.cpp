#include "laufumfeld.h"

#include "presentation/ablaufbits.h"
#include "testanzeige.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A reading task of an own text file; block 1000 x 100 pixels, text and
// heading 20 pixels high with a pitch of 20.
void Lesen(CLaufUmfeld& u, const std::string& pfad, int vertikal = 0)
{
    u.training.SetAufgabenart(50);
    CText t = u.training.GetText();
    t.m_nTextart = 20;
    t.m_strEigenerText = std::filesystem::path(pfad).filename().string();
    t.m_strEigenerOrdner.clear();
    t.m_dBildbreite = 1000.0 / 1024.0;
    t.m_dBildhoehe = 100.0 / 768.0;
    t.m_dTextgroesse = t.m_dUeberschriftgroesse = 20.0 / 768.0;
    t.m_dZeilenabstand = 1.0;
    t.m_nVertikal = vertikal;
    t.m_nTextausrichtung = 0;
    u.training.SetText(t);
    CVerzeichnisse v = u.profil.GetVerzeichnisse();
    v.m_strEigeneTexte = std::filesystem::path(pfad).parent_path().string();
    u.profil.SetVerzeichnisse(v);
}

std::string Datei(const std::string& name, const std::string& inhalt)
{
    return testanzeige::Schreiben(name, std::vector<uint8_t>(inhalt.begin(), inhalt.end()));
}

TEST(Lesetext, EineZeileIstUeberschriftUndEinzigeSeite)
{
    CLaufUmfeld u;
    Lesen(u, Datei("eine.txt", "Nur eine Überschrift"));
    CPraesentation p;
    ASSERT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
    EXPECT_EQ(p.m_nAnzahl, 1);
    EXPECT_EQ(p.m_TrainingsBericht.GetAnzahlReize(), 1);
    EXPECT_EQ(p.m_Rechtecke1.GetAt(0), (RECT{0, 0, 1000, 100}));
    EXPECT_EQ(p.m_Rechtecke2.GetAt(0), (RECT{12, 334, 1012, 434}));
    EXPECT_EQ(p.m_nAufgabe, aufgabe::SEITEN | aufgabe::TRAINING);
    u.Speichern(p.m_pVordergrund, "lesetext_seite");
}

TEST(Lesetext, FehlendeDatei)
{
    CLaufUmfeld u;
    Lesen(u, testanzeige::Ordner() + "/fehlt.txt");
    {
        CPraesentation p;
        EXPECT_EQ(u.Darbieten(p), 0x300);
        EXPECT_EQ(p.m_strFehler,
                  "Fehler beim Laden der Datei " + testanzeige::Ordner() + "/fehlt.txt. Datei wurde nicht gefunden.\n");
    }
    // An empty file has no page.
    CLaufUmfeld v;
    Lesen(v, Datei("leer.txt", ""));
    CPraesentation q;
    EXPECT_EQ(v.Darbieten(q), 11);
    EXPECT_EQ(q.m_strFehler, "Fehler beim Erstellen des Vordergrundbildes.\n");
}

TEST(Lesetext, SeitenVorUndZurueck)
{
    CLaufUmfeld u;
    Lesen(u, Datei("lauf.txt", "Titel\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6"));
    CReaktionstasten tasten;
    ASSERT_EQ(tasten.TrainingEinrichten(&u.training, &u.umgebung), 0);
    const int vor = tasten.GetCode(4), zurueck = tasten.GetCode(5);
    auto& a = *u.anzeige;
    a.Druecken(VK_RETURN, 2.0, 4.0);
    a.Druecken(vor, 1000.0, 1020.0);     // page 1 read for about 1 s
    a.Druecken(zurueck, 1500.0, 1520.0); // page 2 for 0.5 s, back
    a.Druecken(vor, 1700.0, 1720.0);     // page 1 again for 0.2 s
    a.Druecken(vor, 2000.0, 2020.0);     // page 2 again for 0.3 s: the end
    CPraesentation p;
    ASSERT_EQ(u.Darbieten(p), 0) << p.m_strFehler;
    const CTrainingsBericht& b = p.m_TrainingsBericht;
    ASSERT_EQ(b.GetAnzahlReize(), 2);
    EXPECT_NEAR(double(b.GetZeit(0)), 1200.0, 40.0);
    EXPECT_NEAR(double(b.GetZeit(1)), 800.0, 40.0);
    EXPECT_EQ(b.m_nAufgabenart, 50);
}

} // namespace
