#include <gtest/gtest.h>

#include <tuple>

#include "support/gespeichert.h"

#include "model/training.h"
#include "platform/archiv.h"
#include "platform/meldung.h"
#include "workplace/umgebung.h"

namespace {

constexpr size_t kVersionOffset = 9; // after "LMTR" and "LMT"
const std::string kPfad = "/daten/Übung.lmt";
const std::string kBeschaedigt = " ist beschädigt oder unvollständig und wurde nicht geladen.";

void SetzeLong(std::vector<uint8_t>& b, size_t pos, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[pos + i] = static_cast<uint8_t>(v >> (8 * i));
}

struct TrainingsdateiTest : ::testing::Test {
    CUmgebung umgebung;
    CMeldungsRecorder meldungen;

    void Vorbereiten(CTraining& t, int berichte)
    {
        t.SetUmgebung(&umgebung);
        t.SetAufgabenart(50);
        CSakkaden s;
        s.m_nReaktionstaste = 2;
        s.m_nReserve2 = 17;
        s.m_dReserve5 = 3.25;
        t.SetSakkaden(s);
        CText text;
        text.m_strEigenerOrdner = "Märchen";
        t.SetText(text);
        CHGBewegung b;
        b.m_dGeschwindigkeit = -0.2;
        t.SetHGBewegung(b);
        CFarben f;
        f.m_crBeispielreiz = 0x123456;
        t.SetFarben(f);
        CTrainingsBericht bericht;
        bericht.SetAnzahlReize(36);
        for (int i = 0; i < berichte; ++i) {
            bericht.m_nTag = 20000 + i;
            bericht.SetZeit(i % 36, 1000 + i);
            t.SetBericht(i, &bericht);
        }
    }

    int Laden(CTraining& t, std::vector<uint8_t> bytes)
    {
        CArchive ar(std::move(bytes), kPfad);
        return t.Serialize(ar);
    }
};

} // namespace

TEST_F(TrainingsdateiTest, GespeichertGeladenUndZugewiesen)
{
    CTraining t;
    Vorbereiten(t, 3);
    // A loaded training has met the pattern's height rule and stores itself unchanged.
    CTraining einmal;
    einmal.SetUmgebung(&umgebung);
    ASSERT_EQ(Laden(einmal, Gespeichert(t)), 0);
    const auto bytes = Gespeichert(einmal);
    ASSERT_EQ(bytes.size(), 644u + 3 * 1668u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), std::string("\x04LMTR\x03LMT"));
    EXPECT_EQ(bytes[kVersionOffset], 110);

    CTraining g;
    g.SetUmgebung(&umgebung);
    g.m_nSeite = 2;
    ASSERT_EQ(Laden(g, bytes), 0);
    EXPECT_EQ(g.m_strPfad, kPfad);
    EXPECT_EQ(g.m_nSeite, 1);
    EXPECT_EQ(g.GetText().m_strEigenerOrdner, "Märchen");
    ASSERT_EQ(g.GetBerichtAnzahl(), 3);
    EXPECT_EQ(g.GetBericht(2)->m_nTag, 20002);
    EXPECT_EQ(Gespeichert(g), bytes);
    EXPECT_TRUE(meldungen.m_meldungen.empty());

    // Assignment takes the settings without the reports.
    t.m_strPfad = "/tmp/a.lmt";
    CTraining ziel;
    ziel.SetBericht(0, t.GetBericht(0));
    ziel.m_nSeite = 3;
    ziel.m_nBerichtNr = 2;
    ziel = t;
    EXPECT_EQ(ziel.GetUmgebung(), &umgebung);
    EXPECT_EQ(ziel.GetText().m_strEigenerOrdner, "Märchen");
    EXPECT_EQ(ziel.GetBerichtAnzahl(), 0);
    EXPECT_EQ(ziel.m_strPfad, "/tmp/a.lmt");
    EXPECT_EQ(ziel.m_nSeite, 1);
    EXPECT_EQ(ziel.m_nBerichtNr, 0);
}

TEST_F(TrainingsdateiTest, VersionenUndIhreMeldungen)
{
    CTraining t;
    Vorbereiten(t, 1);
    const auto bytes = Gespeichert(t);
    auto fremd = bytes, test = bytes;
    fremd[4] = 'S';
    test[8] = 'D';
    const std::string lumetra = " ist keine gültige Datei von Lumetra.",
                      spaeter = " wurde von einer späteren Version von Lumetra erstellt.";
    std::vector<std::tuple<std::vector<uint8_t>, uint32_t, int, std::string>> faelle = {
        {fremd, 110, CTraining::KeineLumetraDatei, lumetra},
        {{}, 0, CTraining::KeineLumetraDatei, lumetra},
        {test, 110, CTraining::KeineTrainingsdatei, " ist keine Trainingsdatei von Lumetra."},
        {bytes, 9, CTraining::UngueltigeVersion, " hat eine ungültige Versionsnummer."},
        {bytes, 200, CTraining::SpaetereVersion, spaeter},
        {bytes, 0xFFFFFFFFu, CTraining::SpaetereVersion, spaeter},
    };
    // Report and stimulus counts past any real file.
    const size_t berichte = bytes.size() - 1668 - 4;
    for (size_t pos : {berichte, berichte + 4 + 80}) {
        for (uint32_t wert : {0x7FFFFFFFu, 0x10000000u, 1000u}) {
            faelle.push_back({bytes, 110, CTraining::Beschaedigt, kBeschaedigt});
            SetzeLong(std::get<0>(faelle.back()), pos, wert);
        }
    }
    for (const auto& [datei, version, code, text] : faelle) {
        CTraining g;
        Vorbereiten(g, 2);
        const auto vorher = Gespeichert(g);
        g.m_strPfad = "/vorher.lmt";
        auto b = datei;
        if (!b.empty())
            SetzeLong(b, kVersionOffset, version);
        meldungen.m_meldungen.clear();
        EXPECT_EQ(Laden(g, b), code) << version << " " << text;
        EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{"Fehler: " + kPfad + text});
        EXPECT_EQ(g.m_strPfad, "/vorher.lmt");
        EXPECT_EQ(Gespeichert(g), vorher);
    }

    // Below 110 no report count, below 100 no example colour (the one set stays).
    meldungen.m_meldungen.clear();
    for (uint32_t version : {10u, 50u, 100u, 110u, 199u}) {
        auto b = bytes;
        SetzeLong(b, kVersionOffset, version);
        for (uint32_t i = 0; i < 4; ++i)
            SetzeLong(b, berichte - 16 + 4 * i, i + 1);
        if (version < 110)
            b.resize(berichte);
        if (version < 100)
            b.erase(b.end() - 20, b.end() - 16);
        CTraining g;
        Vorbereiten(g, 2);
        CFarben f;
        f.m_crBeispielreiz = 0xABCDEF;
        g.SetFarben(f);
        ASSERT_EQ(Laden(g, b), 0) << version;
        EXPECT_EQ(g.GetBerichtAnzahl(), version >= 110 ? 1 : 0) << version;
        EXPECT_EQ(g.GetSakkaden().m_nReaktionstaste, version < 100 ? 50 : 2) << version;
        EXPECT_EQ(g.GetFarben().m_crBeispielreiz, version < 100 ? 0xABCDEFu : 0x123456u) << version;
        EXPECT_EQ(g.GetFarben().m_crHintergrund, 2u) << version;
        EXPECT_EQ(g.GetFarben().m_crZielmuster, 4u) << version;
    }
    EXPECT_TRUE(meldungen.m_meldungen.empty());
}
