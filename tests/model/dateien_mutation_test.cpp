// Damaged documents: every file of the program is read from disk that may
// hold anything. Deterministic mutations of a valid training and test file
// must be refused or loaded, never crash and never half-apply (asan run).
#include <gtest/gtest.h>

#include "support/gespeichert.h"

#include <cmath>
#include <cstring>

#include "model/test.h"
#include "model/training.h"
#include "platform/archiv.h"
#include "platform/crt.h"
#include "platform/meldung.h"
#include "workplace/umgebung.h"

namespace {

// Flips, overwrites and sets boundary values at pseudo-random places; the
// same sequence every run.
template <class TModell>
void PruefeMutationen(TModell& vorlage, CUmgebung& umgebung)
{
    CMeldungsRecorder meldungen;
    const std::vector<uint8_t> gut = Gespeichert(vorlage);
    crt::srand(4711);
    constexpr uint8_t kGrenzen[] = {0x00, 0x7F, 0x80, 0xFE, 0xFF};
    for (int i = 0; i < 3000; ++i) {
        std::vector<uint8_t> b = gut;
        const int stellen = 1 + i % 4;
        for (int k = 0; k < stellen; ++k) {
            const size_t pos = static_cast<size_t>(crt::rand() * 32768 + crt::rand()) % b.size();
            switch (i % 3) {
            case 0: b[pos] ^= static_cast<uint8_t>(1 << (crt::rand() % 8)); break;
            case 1: b[pos] = static_cast<uint8_t>(crt::rand()); break;
            default: b[pos] = kGrenzen[crt::rand() % 5]; break;
            }
        }
        TModell m;
        m.SetUmgebung(&umgebung);
        const std::vector<uint8_t> vorher = Gespeichert(m);
        CArchive ein(b, "/daten/beschaedigt");
        const int code = m.Serialize(ein);
        if (code != 0)
            ASSERT_EQ(Gespeichert(m), vorher) << "Mutation " << i << " hat den Zustand halb übernommen";
        else
            Gespeichert(m); // a loaded model must store again
    }
}

// NaN and both infinities at every place of the file: a model that loads
// holds only finite numbers (its clamps took them into range), any other
// is refused as damaged and keeps its state.
template <class TModell>
void PruefeNichtEndlich(TModell& vorlage, CUmgebung& umgebung)
{
    CMeldungsRecorder meldungen;
    const std::vector<uint8_t> gut = Gespeichert(vorlage);
    const double werte[] = {std::nan(""), HUGE_VAL, -HUGE_VAL};
    int geladen = 0, abgelehnt = 0;
    for (size_t pos = 0; pos + 8 <= gut.size(); ++pos) {
        for (double w : werte) {
            std::vector<uint8_t> b = gut;
            std::memcpy(&b[pos], &w, 8);
            TModell m;
            m.SetUmgebung(&umgebung);
            const std::vector<uint8_t> vorher = Gespeichert(m);
            CArchive ein(b, "/daten/beschaedigt");
            const int code = m.Serialize(ein);
            if (code == 0) {
                CArchive aus;
                m.Serialize(aus);
                ASSERT_EQ(aus.GetNichtEndlich(), 0u) << "Stelle " << pos << " Wert " << w;
                ++geladen;
            } else {
                ASSERT_EQ(Gespeichert(m), vorher) << "Stelle " << pos;
                ++abgelehnt;
            }
        }
    }
    // Both outcomes occur: clamped fields load, fields without a range refuse.
    EXPECT_GT(geladen, 0);
    EXPECT_GT(abgelehnt, 0);
}

TEST(DateienMutation, TrainingUndTestUeberstehenBeschaedigteBytes)
{
    CUmgebung umgebung;

    CTraining training;
    training.SetUmgebung(&umgebung);
    CTrainingsBericht tb;
    tb.SetAnzahlReize(12);
    for (int i = 0; i < 3; ++i)
        training.SetBericht(i, &tb);
    PruefeMutationen(training, umgebung);
    PruefeNichtEndlich(training, umgebung);

    CTest test;
    test.SetUmgebung(&umgebung);
    CTestBericht b;
    b.SetAnzahlReize(6);
    b.SetAnzahlDurchgaenge(12);
    for (int i = 0; i < 3; ++i)
        test.SetBericht(i, b);
    PruefeMutationen(test, umgebung);
    PruefeNichtEndlich(test, umgebung);
}

TEST(DateienMutation, NichtEndlicheZahlenWerdenBegrenztOderAbgelehnt)
{
    CMeldungsRecorder meldungen;
    CUmgebung umgebung;
    CTraining training;
    training.SetUmgebung(&umgebung);
    CSakkaden s;
    s.m_dBildbreite = std::nan("");
    s.m_dPauseMin = -HUGE_VAL;
    s.m_dZeichengroesse = std::nan("");
    training.SetSakkaden(s);
    EXPECT_EQ(training.GetSakkaden().m_dBildbreite, 0.0);
    EXPECT_EQ(training.GetSakkaden().m_dPauseMin, 0.0);
    EXPECT_EQ(training.GetSakkaden().m_dZeichengroesse, 0.0);
    CHGBewegung b;
    b.m_dGeschwindigkeit = std::nan("");
    training.SetHGBewegung(b);
    EXPECT_EQ(training.GetHGBewegung().m_dGeschwindigkeit, 0.0);

    // An infinite upper bound has nowhere to go: the file is damaged.
    s.m_dDauerMax = HUGE_VAL;
    training.SetSakkaden(s);
    const std::vector<uint8_t> bytes = Gespeichert(training);
    CTraining geladen;
    geladen.SetUmgebung(&umgebung);
    CArchive ein(bytes, "/daten/unendlich.lmt");
    EXPECT_EQ(geladen.Serialize(ein), 5);
    EXPECT_EQ(geladen.GetSakkaden().m_dDauerMax, CSakkaden().m_dDauerMax);
    ASSERT_FALSE(meldungen.Texte().empty());
    EXPECT_NE(meldungen.Texte().back().find("/daten/unendlich.lmt"), std::string::npos);

    CTest test;
    test.SetUmgebung(&umgebung);
    CLinien l;
    l.m_dHLaengeVon = std::nan("");
    l.m_dGeschwindigkeit = HUGE_VAL;
    test.SetLinien(l);
    EXPECT_EQ(test.GetLinien().m_dHLaengeVon, 0.0);
    EXPECT_EQ(test.GetLinien().m_dGeschwindigkeit, 120.0);
}

} // namespace
