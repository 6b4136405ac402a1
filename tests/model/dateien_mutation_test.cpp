#include <gtest/gtest.h>

#include "support/gespeichert.h"

#include <cmath>
#include <cstring>
#include <functional>

#include "model/test.h"
#include "model/training.h"
#include "platform/archiv.h"
#include "platform/crt.h"
#include "platform/meldung.h"
#include "workplace/umgebung.h"

namespace {

// A refusal keeps the state vorbereiten gave; a loaded model holds only finite numbers.
template <class TModell, class FVorbereiten>
void PruefeBeschaedigteDateien(TModell& vorlage, FVorbereiten vorbereiten)
{
    CMeldungsRecorder meldungen;
    const std::vector<uint8_t> gut = Gespeichert(vorlage);
    auto lade = [&](const std::vector<uint8_t>& bytes, const char* art, size_t i) {
        TModell m;
        vorbereiten(m);
        const std::vector<uint8_t> vorher = Gespeichert(m);
        CArchive ein(bytes, "/daten/beschaedigt");
        const int code = m.Serialize(ein);
        if (code != 0) {
            EXPECT_EQ(Gespeichert(m), vorher) << art << " " << i << " hat den Zustand halb übernommen";
        } else {
            CArchive aus;
            m.Serialize(aus);
            EXPECT_EQ(aus.GetNichtEndlich(), 0u) << art << " " << i;
        }
        return code;
    };

    for (size_t laenge = 0; laenge < gut.size(); ++laenge)
        EXPECT_NE(lade({gut.begin(), gut.begin() + static_cast<long>(laenge)}, "Länge", laenge), 0);
    EXPECT_EQ(meldungen.Texte().back(),
              "Fehler: /daten/beschaedigt ist beschädigt oder unvollständig und wurde nicht geladen.");

    // Flips, overwrites and boundary values at seeded pseudo-random places.
    crt::srand(4711);
    constexpr uint8_t kGrenzen[] = {0x00, 0x7F, 0x80, 0xFE, 0xFF};
    for (int i = 0; i < 3000; ++i) {
        std::vector<uint8_t> b = gut;
        for (int k = 0; k < 1 + i % 4; ++k) {
            const size_t pos = static_cast<size_t>(crt::rand() * 32768 + crt::rand()) % b.size();
            switch (i % 3) {
            case 0: b[pos] ^= static_cast<uint8_t>(1 << (crt::rand() % 8)); break;
            case 1: b[pos] = static_cast<uint8_t>(crt::rand()); break;
            default: b[pos] = kGrenzen[crt::rand() % 5]; break;
            }
        }
        lade(b, "Mutation", i);
    }

    // NaN and both infinities at every place: clamped fields load, others refuse.
    int geladen = 0, abgelehnt = 0;
    for (size_t pos = 0; pos + 8 <= gut.size(); ++pos) {
        for (double w : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
            std::vector<uint8_t> b = gut;
            std::memcpy(&b[pos], &w, 8);
            ++(lade(b, "Stelle", pos) == 0 ? geladen : abgelehnt);
        }
    }
    EXPECT_GT(geladen, 0);
    EXPECT_GT(abgelehnt, 0);
}

TEST(DateienMutation, TrainingUndTestUeberstehenBeschaedigteBytesUndZahlen)
{
    CUmgebung umgebung;
    CTraining training;
    training.SetUmgebung(&umgebung);
    training.SetAufgabenart(50);
    CTrainingsBericht tb;
    tb.SetAnzahlReize(12);
    for (int i = 0; i < 3; ++i)
        training.SetBericht(i, &tb);
    PruefeBeschaedigteDateien(training, [&](CTraining& t) {
        t.SetUmgebung(&umgebung);
        t.SetAufgabenart(20);
        t.SetBericht(0, &tb);
    });

    CTest test;
    test.SetUmgebung(&umgebung);
    CTestBericht b;
    b.SetAnzahlReize(6);
    b.SetAnzahlDurchgaenge(12);
    for (int i = 0; i < 3; ++i)
        test.SetBericht(i, b);
    PruefeBeschaedigteDateien(test, [&](CTest& t) {
        t.SetUmgebung(&umgebung);
        t.SetTestart(20);
        t.SetBericht(0, b);
    });

    // NaN goes to the lower bound; a file holding an infinite bound loads it clamped.
    CSakkaden s;
    s.m_dBildbreite = std::nan("");
    s.m_dDauerMax = HUGE_VAL;
    training.SetSakkaden(s);
    EXPECT_EQ(training.GetSakkaden().m_dBildbreite, 0.0);
    EXPECT_EQ(training.GetSakkaden().m_dDauerMax, 86400.0);
}

// One double of a model set as a user or a run would set it: records through
// their setters, reports directly as the presentation fills them.
template <class TModell>
using Setzer = std::function<void(TModell&, double)>;

// Field f of the record set to w through the model's setter, as stored.
template <class TModell, class R, class K>
double Gesetzt(TModell& m, R (K::*get)() const, void (K::*set)(R), double R::*f, double w)
{
    R r = (m.*get)();
    r.*f = w;
    (m.*set)(r);
    return (m.*get)().*f;
}

template <class TModell, class R, class K>
void Felder(std::vector<Setzer<TModell>>& setzer, R (K::*get)() const, void (K::*set)(R),
            std::initializer_list<double R::*> felder)
{
    for (double R::*f : felder)
        setzer.push_back([=](TModell& m, double w) { Gesetzt(m, get, set, f, w); });
}

template <class TModell, class TBericht>
void Berichtsfelder(std::vector<Setzer<TModell>>& setzer, std::initializer_list<double TBericht::*> felder)
{
    for (double TBericht::*f : felder)
        setzer.push_back([=](TModell& m, double w) { m.GetBericht(0)->*f = w; });
}

template <class TModell>
void HintergrundFelder(std::vector<Setzer<TModell>>& setzer)
{
    Felder(setzer, &CModell::GetHGMuster, &CModell::SetHGMuster,
           {&CHGMuster::m_dElementbreite, &CHGMuster::m_dElementhoehe, &CHGMuster::m_dZyklusbreite});
    Felder(setzer, &CModell::GetHGBewegung, &CModell::SetHGBewegung, {&CHGBewegung::m_dGeschwindigkeit});
    Felder(setzer, &CModell::GetHGAufgabe, &CModell::SetHGAufgabe,
           {&CHGAufgabe::m_dZielgeschwindigkeit, &CHGAufgabe::m_dDauerMin, &CHGAufgabe::m_dDauerMax,
            &CHGAufgabe::m_dIntervallMin, &CHGAufgabe::m_dIntervallMax});
}

// Every double field at 1e308, -1e308, both infinities and NaN: the saved
// document opens again with its reports, holds only finite numbers, and
// opens once more to the same bytes. The motion, which the loaders take as
// read, is written into the file itself.
template <class TModell>
void PruefeExtremeWerte(const std::vector<Setzer<TModell>>& setzer, const std::function<void(TModell&)>& vorbereiten)
{
    CMeldungsRecorder meldungen;
    auto oeffnen = [&](const std::vector<uint8_t>& bytes, TModell& m) {
        vorbereiten(m);
        CArchive ein(bytes, "/daten/extrem");
        return m.Serialize(ein);
    };
    for (double w : {1e308, -1e308, HUGE_VAL, -HUGE_VAL, std::nan("")}) {
        for (size_t i = 0; i <= setzer.size(); ++i) {
            TModell m;
            vorbereiten(m);
            std::vector<uint8_t> bytes;
            if (i < setzer.size()) {
                setzer[i](m, w);
                bytes = Gespeichert(m);
            } else {
                // Without reports the motion stands before the five colours and the count.
                m.BerichteZuruecksetzen();
                bytes = Gespeichert(m);
                std::memcpy(&bytes[bytes.size() - 4 - 20 - 8], &w, 8);
            }
            TModell geladen;
            ASSERT_EQ(oeffnen(bytes, geladen), 0) << w << " Feld " << i;
            EXPECT_EQ(geladen.GetBerichtAnzahl(), m.GetBerichtAnzahl());
            EXPECT_LE(std::fabs(geladen.GetHGBewegung().m_dGeschwindigkeit), 5.0);
            CArchive aus;
            geladen.Serialize(aus);
            EXPECT_EQ(aus.GetNichtEndlich(), 0u) << w << " Feld " << i;
            TModell nochmal;
            ASSERT_EQ(oeffnen(aus.GetBytes(), nochmal), 0);
            EXPECT_EQ(Gespeichert(nochmal), aus.GetBytes()) << w << " Feld " << i;
        }
    }
    EXPECT_TRUE(meldungen.Texte().empty());
}

TEST(DateienMutation, ExtremeZahlenInJedemFeldOeffnenWieder)
{
    CUmgebung umgebung;
    std::vector<Setzer<CTraining>> training;
    Felder(training, &CTraining::GetSakkaden, &CTraining::SetSakkaden,
           {&CSakkaden::m_dPauseMin, &CSakkaden::m_dPauseMax, &CSakkaden::m_dDauerMin, &CSakkaden::m_dDauerMax,
            &CSakkaden::m_dReserve5, &CSakkaden::m_dZeichengroesse, &CSakkaden::m_dBildbreite,
            &CSakkaden::m_dBildhoehe});
    Felder(training, &CTraining::GetExploration, &CTraining::SetExploration,
           {&CExploration::m_dZeichengroesse, &CExploration::m_dBildbreite, &CExploration::m_dBildhoehe});
    for (double CDRechteck::*kante : {&CDRechteck::left, &CDRechteck::top, &CDRechteck::right, &CDRechteck::bottom})
        training.push_back([kante](CTraining& t, double w) {
            CExploration e = t.GetExploration();
            e.m_Freiflaeche.*kante = w;
            t.SetExploration(e);
        });
    Felder(training, &CTraining::GetText, &CTraining::SetText,
           {&CText::m_dZeilenabstand, &CText::m_dTextgroesse, &CText::m_dUeberschriftgroesse, &CText::m_dBildbreite,
            &CText::m_dBildhoehe});
    HintergrundFelder(training);
    Berichtsfelder<CTraining, CTrainingsBericht>(training, {&CTrainingsBericht::m_dLaufzeit,
                                                            &CTrainingsBericht::m_dStandardGeschwindigkeit,
                                                            &CTrainingsBericht::m_dZielGeschwindigkeit});
    CTrainingsBericht tb;
    tb.SetAnzahlReize(3);
    PruefeExtremeWerte<CTraining>(training, [&](CTraining& t) {
        t.SetUmgebung(&umgebung);
        t.SetBericht(0, &tb);
    });

    std::vector<Setzer<CTest>> test;
    Felder(test, &CTest::GetLinien, &CTest::SetLinien,
           {&CLinien::m_dIntervallVon, &CLinien::m_dIntervallBis, &CLinien::m_dGeschwindigkeit, &CLinien::m_dHDicke,
            &CLinien::m_dHLaengeVon, &CLinien::m_dHLaengeBis, &CLinien::m_dVDicke, &CLinien::m_dVLaengeVon,
            &CLinien::m_dVLaengeBis, &CLinien::m_dHPositionVon, &CLinien::m_dHPositionBis, &CLinien::m_dHTrennVon,
            &CLinien::m_dHTrennBis, &CLinien::m_dVPositionVon, &CLinien::m_dVPositionBis, &CLinien::m_dVTrennVon,
            &CLinien::m_dVTrennBis});
    Felder(test, &CTest::GetLaengen, &CTest::SetLaengen,
           {&CLaengen::m_dIntervallVon, &CLaengen::m_dIntervallBis, &CLaengen::m_dGeschwindigkeit,
            &CLaengen::m_dBspBreiteVon, &CLaengen::m_dBspBreiteBis, &CLaengen::m_dBspHoeheVon,
            &CLaengen::m_dBspHoeheBis, &CLaengen::m_dTestBreiteVon, &CLaengen::m_dTestBreiteBis,
            &CLaengen::m_dTestHoeheVon, &CLaengen::m_dTestHoeheBis, &CLaengen::m_dTestPositionVon,
            &CLaengen::m_dTestPositionBis, &CLaengen::m_dVPositionVon, &CLaengen::m_dVPositionBis,
            &CLaengen::m_dBspVPositionVon, &CLaengen::m_dBspVPositionBis});
    HintergrundFelder(test);
    Berichtsfelder<CTest, CTestBericht>(
        test, {&CTestBericht::m_dLaufzeit, &CTestBericht::m_dHGGeschwindigkeit, &CTestBericht::m_dZielGeschwindigkeit});
    CTestBericht b;
    b.SetAnzahlReize(2);
    PruefeExtremeWerte<CTest>(test, [&](CTest& t) {
        t.SetUmgebung(&umgebung);
        t.SetBericht(0, b);
    });

    // The bounds beyond which nothing is needed: a day for times, 100 font
    // heights of line spacing, the display for thicknesses and fonts, a
    // display height from the centre for the example's position.
    CTraining t;
    t.SetUmgebung(&umgebung);
    EXPECT_EQ(Gesetzt(t, &CTraining::GetSakkaden, &CTraining::SetSakkaden, &CSakkaden::m_dPauseMax, 1e308), 86400.0);
    EXPECT_EQ(Gesetzt(t, &CTraining::GetText, &CTraining::SetText, &CText::m_dZeilenabstand, 3e9), 100.0);
    EXPECT_LE(Gesetzt(t, &CTraining::GetText, &CTraining::SetText, &CText::m_dTextgroesse, 1e308), 1.0);
    EXPECT_EQ(Gesetzt(t, &CModell::GetHGAufgabe, &CModell::SetHGAufgabe, &CHGAufgabe::m_dIntervallMax, HUGE_VAL),
              86400.0);
    CTest d;
    d.SetUmgebung(&umgebung);
    EXPECT_EQ(Gesetzt(d, &CTest::GetLinien, &CTest::SetLinien, &CLinien::m_dHDicke, 1e308), 1.0);
    EXPECT_EQ(Gesetzt(d, &CTest::GetLinien, &CTest::SetLinien, &CLinien::m_dIntervallBis, 1e308), 86400.0);
    EXPECT_EQ(Gesetzt(d, &CTest::GetLaengen, &CTest::SetLaengen, &CLaengen::m_dBspVPositionVon, -1e308), -1.0);
    EXPECT_EQ(Gesetzt(d, &CTest::GetLaengen, &CTest::SetLaengen, &CLaengen::m_dBspVPositionBis, 0.25), 0.25);
}

} // namespace
