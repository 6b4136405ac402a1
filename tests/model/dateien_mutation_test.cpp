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

    // NaN goes to the lower bound; a file holding an infinite upper bound is damaged.
    CSakkaden s;
    s.m_dBildbreite = std::nan("");
    s.m_dDauerMax = HUGE_VAL;
    training.SetSakkaden(s);
    EXPECT_EQ(training.GetSakkaden().m_dBildbreite, 0.0);
    CMeldungsRecorder meldungen;
    CTraining geladen;
    CArchive ein(Gespeichert(training), "/daten/unendlich.lmt");
    EXPECT_EQ(geladen.Serialize(ein), CTraining::Beschaedigt);
}

} // namespace
