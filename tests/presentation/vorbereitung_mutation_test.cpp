// Trainings and tests loaded from damaged files prepare and run without faults.
#include <gtest/gtest.h>

#include "support/gespeichert.h"
#include "support/laufumfeld.h"
#include "platform/crt.h"
#include "platform/meldung.h"

namespace {

// Three body bytes changed; every variant that loads goes to the engine,
// which answers 0 or one of its codes. How many loaded.
template <class TModell, class Vorbereiten>
int Pruefe(TModell& modell, Vorbereiten vorbereiten, int varianten)
{
    const std::vector<uint8_t> gut = Gespeichert(modell);
    int geladen = 0;
    for (int i = 0; i < varianten; ++i) {
        std::vector<uint8_t> b = gut;
        for (int k = 0; k < 3; ++k) {
            const size_t pos = 16 + static_cast<size_t>(crt::rand() * 32768 + crt::rand()) % (b.size() - 16);
            b[pos] = static_cast<uint8_t>(k == 0 ? crt::rand() : (crt::rand() & 1 ? 0xFF : 0x00));
        }
        CArchive ein(b, "/daten/beschaedigt");
        const uint32_t seed = crt::GetSeed();
        if (modell.Serialize(ein) != 0)
            continue;
        ++geladen;
        CPraesentation p;
        const int code = vorbereiten(p);
        EXPECT_TRUE(code == 0 || code == FEHLER_DATEI || !CPraesentation::FehlerText(code, false).empty())
            << i << ": " << code;
        crt::srand(seed); // the engine's own draws must not steer the mutations
    }
    return geladen;
}

TEST(VorbereitungMutation, GeladeneBeschaedigteDateien)
{
    CMeldungsRecorder meldungen;
    crt::srand(99);
    int geladen = 0;
    for (int art : {10, 20, 50, 60}) {
        CLaufUmfeld u;
        u.training.SetAufgabenart(art);
        geladen += Pruefe(
            u.training, [&](CPraesentation& p) { return u.Vorbereiten(p); }, 40);
        // A few whole runs: Enter, then Escape again and again.
        geladen += Pruefe(
            u.training,
            [&](CPraesentation& p) {
                const double jetzt = u.anzeige->GetZeitMs(); // the display's clock runs on
                u.anzeige->Druecken(VK_RETURN, jetzt, jetzt + 20.0);
                for (double t = 300.0; t < 6000.0; t += 300.0)
                    u.anzeige->Druecken(VK_ESCAPE, jetzt + t, jetzt + t + 20.0);
                const int code = u.Darbieten(p);
                // The view shows a failed run's text; one that began ends by the first Escape.
                EXPECT_EQ(code == 0, p.m_strFehler.empty()) << code;
                EXPECT_LE(p.m_TrainingsBericht.m_dLaufzeit, 0.3);
                return code;
            },
            10);
    }
    for (int art : {10, 20}) {
        CLaufUmfeld u;
        u.test.SetTestart(art);
        geladen += Pruefe(
            u.test, [&](CPraesentation& p) { return u.TestVorbereiten(p); }, 40);
    }
    EXPECT_GT(geladen, 50); // most body mutations still load
}

} // namespace
