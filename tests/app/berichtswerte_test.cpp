// Report pages and printed report pages of a training read from a damaged
// file: counts within what a run can count, shares within 0 to 100 %.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/druck_training.h"
#include "app/trainingsansicht.h"
#include "befehl_umfeld.h"
#include "fuzz/leser.h"
#include "platform/archiv.h"
#include "platform/draw/recorder/recorder_dc.h"
#include "support/gespeichert.h"
#include "support/qt_app.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

namespace {

// A training whose one report's words, found by its day, are overwritten:
// counter 1 of the first stimulus, the background's correct reactions and
// false alarms.
std::vector<uint8_t> BeschaedigtesTraining(uint32_t zaehler1, uint32_t korrekt, uint32_t falsch)
{
    CTraining t;
    CTrainingsBericht b = Reaktionsbericht(kReaktion | aufgabe::HG_AUFGABE);
    b.m_nTag = 0x01020304;
    t.SetBericht(0, &b);
    std::vector<uint8_t> bytes = Gespeichert(t);
    const uint8_t tag[] = {4, 3, 2, 1};
    const size_t satz = std::search(bytes.begin(), bytes.end(), tag, tag + 4) - bytes.begin() - 8;
    for (auto [pos, wort] : {std::pair{satz + 64, korrekt}, {satz + 68, falsch}, {satz + 84 + 24, zaehler1}})
        std::memcpy(&bytes.at(pos), &wort, 4);
    return bytes;
}

} // namespace

TEST(Berichtswerte, ZaehlerUndAnteileAusEinerBeschaedigtenDatei)
{
    SichereQtAnwendung();
    CBenutzerprofil profil;
    CUmgebung umgebung;
    umgebung.SetProfil(&profil);
    umgebung.Berechnen();
    CTraining t;
    t.SetUmgebung(&umgebung);
    CMeldungsRecorder meldungen;
    CArchive ein(BeschaedigtesTraining(0xFFFFFFFF, 3, 0x7FFFFFFF), "/daten/beschaedigt.lmt");
    ASSERT_EQ(t.Serialize(ein), 0);

    CLMTrainingView ansicht(nullptr);
    ansicht.Binden(&profil, &umgebung, &t);
    t.m_nSeite = 2;
    t.m_nBerichtNr = 1;
    ansicht.ZeigeSeite();
    // Foreground: false alarms, correct reactions and their share;
    // background: false alarms, correct reactions and their share.
    EXPECT_EQ((std::vector<std::string>{ansicht.GetText(49), ansicht.GetText(51), ansicht.GetText(52),
                                        ansicht.GetText(79), ansicht.GetText(81), ansicht.GetText(82)}),
              (std::vector<std::string>{"86400000", "4", "0,0%", "86399997", "3", "0,0%"}));

    CTrainingsDruck druck(&t, &umgebung);
    CRecorderDC dc(CGeraetDaten{2000, 2870, 254, 254, true});
    ASSERT_EQ(druck.ZeichneSeite(&dc, 2), 0);
    const std::vector<std::string> texte = dc.Texte();
    for (const char* text : {"86400000", "86399997"})
        EXPECT_NE(std::find(texte.begin(), texte.end(), text), texte.end()) << text;
    for (const std::string& text : texte)
        EXPECT_EQ(UnsinnigeZahl(text, text.ends_with('%')), "");
}
