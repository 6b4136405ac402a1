// Damaged documents: every file of the program is read from disk that may
// hold anything. Deterministic mutations of a valid training and test file
// must be refused or loaded, never crash and never half-apply (asan run).
#include <gtest/gtest.h>

#include "model/test.h"
#include "model/training.h"
#include "platform/archiv.h"
#include "platform/crt.h"
#include "platform/meldung.h"
#include "workplace/umgebung.h"

namespace {

template <class TModell>
std::vector<uint8_t> Bytes(TModell& m)
{
    CArchive aus;
    m.Serialize(aus);
    return aus.GetBytes();
}

// Flips, overwrites and sets boundary values at pseudo-random places; the
// same sequence every run.
template <class TModell>
void PruefeMutationen(TModell& vorlage, CUmgebung& umgebung)
{
    CMeldungsRecorder meldungen;
    const std::vector<uint8_t> gut = Bytes(vorlage);
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
        const std::vector<uint8_t> vorher = Bytes(m);
        CArchive ein(b, "/daten/beschaedigt");
        const int code = m.Serialize(ein);
        if (code != 0)
            ASSERT_EQ(Bytes(m), vorher) << "Mutation " << i << " hat den Zustand halb übernommen";
        else
            Bytes(m); // a loaded model must store again
    }
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

    CTest test;
    test.SetUmgebung(&umgebung);
    CTestBericht b;
    b.SetAnzahlReize(6);
    b.SetAnzahlDurchgaenge(12);
    for (int i = 0; i < 3; ++i)
        test.SetBericht(i, b);
    PruefeMutationen(test, umgebung);
}

} // namespace
