#include "support/laufumfeld.h"

#include "model/test.h"
#include "presentation/ablaufbits.h"
#include "testanzeige.h"

#include <gtest/gtest.h>

namespace {

using namespace zustand;

// A prepared saccade engine with a colour-change task answered by its own key.
struct CHGLauf {
    CHGLauf()
    {
        testanzeige::Sakkaden(u.training, 4, 1.0, 1.0);
        CHGAufgabe a = u.training.GetHGAufgabe();
        a.m_nArt = 10;
        a.m_nDurchgangsende = 1;
        a.m_nAsynchron = 0;
        a.m_nReaktionstaste = 2;
        u.training.SetHGAufgabe(a);
        EXPECT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
        p.m_Tasten.TrainingEinrichten(&u.training, &u.umgebung);
    }
    CLaufUmfeld u;
    CPraesentation p;
};

TEST(Reaktionen, HintergrundtasteWaehrendUndAusserhalbDerAenderung)
{
    CHGLauf l;
    CPraesentation& p = l.p;
    // Outside a change: one false alarm in both reports.
    p.m_nZustand = PAUSE | WARTET_ZEIT | HG_NORMAL | HG_INTERVALL;
    p.m_nHGIntervall = 100000;
    p.m_nTasten = 0x10000;
    EXPECT_EQ(p.HGAufgabeAuswerten(), 0);
    EXPECT_EQ(p.m_TrainingsBericht.GetFalscheAlarme(), 1);
    EXPECT_EQ(p.m_TestBericht.GetFalscheAlarme(), 1);
    EXPECT_EQ(p.m_nTasten, 0u);

    // During a change, timed since 250 ms: one correct reaction of 250 ms.
    p.m_nZustand = PAUSE | WARTET_ZEIT | HG_AENDERUNG | HG_ZEIT;
    p.m_UhrHintergrund.NeuStarten();
    l.u.anzeige->ZeitVorruecken(250'000'000);
    p.m_nTasten = 0x10000;
    EXPECT_EQ(p.HGAufgabeAuswerten(), 0);
    EXPECT_EQ(p.m_TrainingsBericht.GetKorrekteReaktionen(), 1);
    EXPECT_EQ(p.m_TestBericht.GetKorrekteReaktionen(), 1);
    EXPECT_EQ(p.m_TrainingsBericht.GetFalscheAlarme(), 1);
    EXPECT_EQ(p.m_TrainingsBericht.GetHGReaktionszeit(), 250u);
    // The change ends: normal motion, surface switch, the next interval drawn.
    EXPECT_EQ(p.m_nZustand & (HG_AENDERUNG | HG_NORMAL | HG_WECHSEL | HG_INTERVALL),
              HG_NORMAL | HG_WECHSEL | HG_INTERVALL);
    EXPECT_GE(p.m_nHGIntervall, p.m_nHGIntervallMin);
    EXPECT_LT(p.m_nHGIntervall, p.m_nHGIntervallMax);
}

// The training leader's keys: key 3 books "richtig" (counter 3), key 4
// "falsch" (counter 2), as the answer to the target and after a reaction.
TEST(Reaktionen, RueckmeldetastenZaehlenRichtigUndFalsch)
{
    CHGLauf l;
    CPraesentation& p = l.p;
    const uint32_t ohne = p.m_nAufgabe & ~(aufgabe::HG_AUFGABE | aufgabe::REAKTIONSTASTE);
    const struct {
        bool antwort;
        uint32_t taste, richtig, falsch;
    } faelle[] = {{true, 0x4, 1, 0}, {true, 0x8, 0, 1}, {false, 0x4, 1, 0}, {false, 0x8, 0, 1}};
    for (int i = 0; i < 4; ++i) {
        const auto& f = faelle[i];
        p.m_nAufgabe = f.antwort ? ohne | aufgabe::RUECKMELDUNG : ohne;
        p.m_nIndex = i;
        p.m_nZustand = f.antwort ? REIZ | SICHTBAR : PAUSE | RUECKMELDUNG;
        p.m_nTasten = f.taste;
        p.TrainingAuswerten();
        EXPECT_EQ(p.m_TrainingsBericht.GetZaehler3(i), f.richtig) << i;
        EXPECT_EQ(p.m_TrainingsBericht.GetZaehler2(i), f.falsch) << i;
        EXPECT_TRUE(f.antwort || !(p.m_nZustand & RUECKMELDUNG)) << i;
    }
}

// Coupled to the background: the next target waits for the background's
// time, and a due change for the foreground's, each up to its threshold:
// with start keys half the interval span but 500 ms at least, else the
// shorter of the mean pause and the mean interval.
TEST(Reaktionen, GekoppelteSchwellen)
{
    CHGLauf l;
    CPraesentation& p = l.p;
    const uint32_t gekoppelt = (p.m_nAufgabe | aufgabe::HG_GEKOPPELT) & ~aufgabe::HG_MIT_TASTE;
    const struct {
        bool taste;
        int64_t pause[2], intervall[2], schwelle;
    } faelle[] = {{true, {1000, 1000}, {1000, 1600}, 500},
                  {true, {1000, 1000}, {1000, 3000}, 1000},
                  {false, {1000, 1000}, {400, 600}, 500},
                  {false, {600, 800}, {2000, 3000}, 700}};
    auto ms = [&](int64_t n) { l.u.anzeige->ZeitVorruecken(n * 1'000'000); };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.schwelle);
        p.m_nPauseMin = f.pause[0], p.m_nPauseMax = f.pause[1];
        p.m_nHGIntervallMin = f.intervall[0], p.m_nHGIntervallMax = f.intervall[1];

        p.m_nAufgabe = gekoppelt | (f.taste ? aufgabe::HG_START_MIT_TASTE : 0);
        p.m_nIndex = 0;
        p.m_nZustand = PAUSE | WARTET_HG | HG_NORMAL | HG_ZEIT;
        p.m_UhrHintergrund.NeuStarten();
        ms(f.schwelle - 1);
        p.TrainingAuswerten();
        EXPECT_EQ(p.m_nIndex, 0);
        ms(1);
        p.TrainingAuswerten();
        EXPECT_EQ(p.m_nIndex, 1);
        EXPECT_EQ(p.m_nZustand & (PAUSE | WARTET_HG | REIZ | KOPIEREN), REIZ | KOPIEREN);

        p.m_nAufgabe = gekoppelt | (f.taste ? aufgabe::START_MIT_TASTE : 0);
        p.m_nZustand = PAUSE | WARTET_ZEIT | HG_AUFGESCHOBEN | HG_ZEIT;
        p.m_UhrVordergrund.NeuStarten();
        ms(f.schwelle - 1);
        p.HGAufgabeAuswerten();
        EXPECT_EQ(p.m_nZustand & HG_AENDERUNG, 0u);
        ms(1);
        p.HGAufgabeAuswerten();
        EXPECT_EQ(p.m_nZustand & (HG_AUFGESCHOBEN | HG_AENDERUNG | HG_WECHSEL), HG_AENDERUNG | HG_WECHSEL);
    }
}

} // namespace
