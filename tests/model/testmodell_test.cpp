#include "model/test.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/gespeichert.h"

#include "platform/archiv.h"
#include "platform/meldung.h"
#include "workplace/dateikopf.h"
#include "workplace/umgebung.h"

namespace {

const std::string kPfad = "/daten/Probe.lmd";

int Lade(CTest& t, const std::vector<uint8_t>& bytes)
{
    CArchive ein(bytes, kPfad);
    return t.Serialize(ein);
}

CTest MitBerichten(int anzahl)
{
    CTest t;
    t.SetTestart(20);
    CLaengen g;
    g.m_nReihenfolge = 4;
    g.m_nVerfahren = 20;
    t.SetLaengen(g);
    for (int i = 0; i < anzahl; ++i) {
        CTestBericht b;
        b.m_nTag = 100 + i;
        b.SetAnzahlReize(i + 1);
        b.SetAnzahlDurchgaenge(2);
        b.SetDurchgang(1, i);
        b.IncZaehler1(i);
        t.SetBericht(t.GetBerichtAnzahl(), b);
    }
    return t;
}

void SetzeWort(std::vector<uint8_t>& bytes, size_t pos, uint32_t wert)
{
    for (int k = 0; k < 4; ++k)
        bytes.at(pos + k) = static_cast<uint8_t>(wert >> (8 * k));
}

// Header 4 + 5 + 4 bytes, kind 4, then the two records and the background.
constexpr size_t kVersionPos = 9;
constexpr size_t kBerichtAnzahlPos = 13 + 4 + (21 * 4 + 17 * 8) + (22 * 4 + 17 * 8) + (6 * 4 + 5 * 8) +
                                     (7 * 4 + 3 * 8) + (4 + 8) + 5 * 4;

} // namespace

// Key indices past the key table load as its ends; the other keys stay.
TEST(CTestDatei, KopfTastenRundreiseZuweisungUndAlteVersion)
{
    CTest neu;
    CLinien l = neu.GetLinien();
    l.m_nTasteLinks = 500;
    l.m_nStartTaste = -3;
    neu.SetLinien(l);
    CLaengen g = neu.GetLaengen();
    g.m_nEndTaste = 500;
    neu.SetLaengen(g);
    const auto leer = Gespeichert(neu);
    const std::vector<uint8_t> kopf = {4, 'L', 'M', 'T', 'R', 3, 'L', 'M', 'D', 0x6E, 0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(leer.begin(), leer.begin() + kopf.size()), kopf);
    EXPECT_EQ(leer.size(), kBerichtAnzahlPos + 4);
    CUmgebung umgebung;
    CTest gelesen;
    gelesen.SetUmgebung(&umgebung);
    gelesen.SetTestart(20);
    EXPECT_EQ(Lade(gelesen, leer), DATEI_GELADEN);
    EXPECT_EQ(gelesen.GetTestart(), 10);
    EXPECT_EQ(gelesen.m_strPfad, kPfad);
    const int letzte = umgebung.m_Tastenliste.GetAnzahl() - 1;
    EXPECT_EQ(gelesen.GetLinien().m_nTasteLinks, letzte);
    EXPECT_EQ(gelesen.GetLinien().m_nStartTaste, 0);
    EXPECT_EQ(gelesen.GetLaengen().m_nEndTaste, letzte);

    CTest t = MitBerichten(3), wieder;
    const auto bytes = Gespeichert(t);
    ASSERT_EQ(Lade(wieder, bytes), DATEI_GELADEN);
    ASSERT_EQ(wieder.GetBerichtAnzahl(), 3);
    EXPECT_EQ(wieder.GetBericht(2)->GetDurchgang(1), 2);
    EXPECT_EQ(Gespeichert(wieder), bytes);

    // Assignment takes the settings without the reports.
    t.m_strPfad = "/a.lmd";
    t.SetUmgebung(&umgebung);
    CTest ziel;
    ziel.SetBericht(0, CTestBericht());
    ziel.m_nSeite = 2;
    ziel = t;
    EXPECT_EQ(ziel.GetBerichtAnzahl(), 0);
    EXPECT_EQ(ziel.GetUmgebung(), &umgebung);
    EXPECT_EQ(ziel.GetLaengen().m_nReihenfolge, 4);
    EXPECT_EQ(ziel.m_nSeite, 1);
    EXPECT_EQ(ziel.m_strPfad, "/a.lmd");
    ziel.SetTestart(35); // unknown: none
    EXPECT_EQ(ziel.GetTestart(), 0);

    // Version 105: the settings, no reports.
    auto alt = bytes;
    SetzeWort(alt, kVersionPos, 105);
    alt.resize(kBerichtAnzahlPos);
    CTest ohne = MitBerichten(2);
    EXPECT_EQ(Lade(ohne, alt), DATEI_GELADEN);
    EXPECT_EQ(ohne.GetBerichtAnzahl(), 0);
    EXPECT_EQ(ohne.GetLaengen().m_nReihenfolge, 4);
}

// Report and stimulus counts past any real file are refused.
TEST(CTestDatei, AblehnungenLassenDenTestUnveraendert)
{
    CTest vorlage = MitBerichten(1);
    const auto gut = Gespeichert(vorlage);
    auto fremd = gut;
    fremd[1] = 'X';
    CArchive lmt;
    SchreibeDateikopf(lmt, "LMT", 110);
    std::vector<std::tuple<std::vector<uint8_t>, int, std::string>> faelle = {
        {fremd, DATEI_FREMD, " ist keine gültige Datei von Lumetra."},
        {lmt.GetBytes(), DATEI_FREMD + 1, " ist keine Testdatei."},
    };
    const size_t bericht = kBerichtAnzahlPos + 4;
    for (size_t pos : {kBerichtAnzahlPos, bericht + 72, bericht + 76}) {
        for (uint32_t wert : {0x7FFFFFFFu, 0x10000000u}) {
            faelle.push_back({gut, DATEI_BESCHAEDIGT, " ist beschädigt oder unvollständig und wurde nicht geladen."});
            SetzeWort(std::get<0>(faelle.back()), pos, wert);
        }
    }
    for (const auto& [bytes, code, text] : faelle) {
        CMeldungsRecorder meldungen;
        CTest t = MitBerichten(0);
        t.SetBericht(0, CTestBericht());
        t.m_strPfad = "/vorher.lmd";
        EXPECT_EQ(Lade(t, bytes), code);
        EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{"Fehler: " + kPfad + text});
        EXPECT_EQ(t.GetBerichtAnzahl(), 1);
        EXPECT_EQ(t.GetTestart(), 20);
        EXPECT_EQ(t.m_strPfad, "/vorher.lmd");
    }
    // A negative report count reads as no reports.
    auto negativ = gut;
    negativ.resize(kBerichtAnzahlPos + 4);
    SetzeWort(negativ, kBerichtAnzahlPos, 0xFFFFFFFFu);
    CTest t;
    EXPECT_EQ(Lade(t, negativ), DATEI_GELADEN);
    EXPECT_EQ(t.GetBerichtAnzahl(), 0);
}
