#include "support/laufumfeld.h"
#include "testanzeige.h"
#include "presentation/sakkaden.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

TEST(Sakkaden, SchrittweiseNachRechtsMitUmlauf)
{
    CLaufUmfeld u;
    testanzeige::Sakkaden(u.training, 30, 0.5, 1.0);
    CSakkaden s = u.training.GetSakkaden();
    s.m_nSpalten = 12;
    s.m_nSchrittXMin = s.m_nSchrittXMax = 1;
    s.m_nSchrittYMin = s.m_nSchrittYMax = 0;
    u.training.SetSakkaden(s);
    CHGBewegung b = u.training.GetHGBewegung();
    b.m_nRichtung = 1;
    u.training.SetHGBewegung(b);
    CPraesentation p;
    ASSERT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
    EXPECT_EQ(p.m_nAnzahl, 30);
    // From the leftmost column one column a trial, from column 12 back to 1.
    const RECT r0 = p.m_Rechtecke2.GetAt(0);
    EXPECT_LT(r0.left, 1024 / 12);
    for (int i = 1; i < 12; ++i)
        EXPECT_GT(p.m_Rechtecke2.GetAt(i).left, p.m_Rechtecke2.GetAt(i - 1).left) << i;
    for (int i : {12, 24})
        EXPECT_EQ(p.m_Rechtecke2.GetAt(i).left, r0.left) << i;
}

TEST(Sakkaden, TrainingVonDerVorbereitungBisZumBericht)
{
    CLaufUmfeld u;
    testanzeige::Sakkaden(u.training, 5, 0.5, 1.0);
    auto& a = *u.anzeige;
    a.Druecken(VK_RETURN, 5.0, 8.0);
    a.Druecken(VK_SPACE, 200.0, 230.0); // before the first target
    a.Druecken(VK_SPACE, 700.0, 730.0); // target 0 came at about 510 ms
    a.Druecken(VK_SPACE, 1400.0, 1430.0); // target 1 at about 1210 ms
    // target 2 (about 1920 ms) gets no reaction and ends after 1 s
    a.Druecken(VK_SPACE, 3300.0, 3330.0); // in the pause, booked on target 3
    a.Druecken(VK_SPACE, 3700.0, 3730.0); // target 3 at about 3430 ms
    a.Druecken(VK_SPACE, 4400.0, 4430.0); // target 4 at about 4220 ms
    CPraesentation p;
    ASSERT_EQ(u.Darbieten(p), 0) << p.m_strFehler;
    const CTrainingsBericht& b = p.m_TrainingsBericht;
    ASSERT_EQ(b.GetAnzahlReize(), 5);
    EXPECT_EQ(b.GetZaehler1(0), 1u);
    EXPECT_EQ(b.GetZaehler1(3), 1u);
    EXPECT_EQ(b.SummeZaehler1(), 2);
    for (int i : {0, 1, 3, 4}) {
        EXPECT_EQ(b.GetMarke(i), 1u) << i;
        EXPECT_GT(b.GetZeit(i), 150u) << i;
        EXPECT_LT(b.GetZeit(i), 300u) << i;
    }
    EXPECT_EQ(b.GetMarke(2), 0u);
    EXPECT_EQ(b.GetZeit(2), 1000u);
    EXPECT_NEAR(b.m_dLaufzeit, 4.35, 0.06); // tenths of a second
}

// Counts the foreground cannot hold (s x n*s pixels at most 2^28), refused with
// their reason: before the display is taken at the mode asked for, by the
// renderer at the mode the display fell back to.
TEST(Sakkaden, ZuVieleDurchgaengeMitGrund)
{
    const std::string kopf = "Fehler beim Erstellen des Vordergrundbildes: ";
    auto zuGross = [&](const char* n, const char* s, const char* hoechstens) {
        return kopf + "Für " + n + " Durchgänge ist das Vordergrundbild zu groß. Bei dieser Zeichengröße (" + s +
               " Pixel) und Bildschirmauflösung sind höchstens " + hoechstens + " Durchgänge möglich.\n";
    };
    const struct {
        int n;
        DWORD breite, hoehe; // asked for; the display has 1024 x 768 or only 800 x 600
        bool genommen;
        std::string text;
    } faelle[] = {
        {1'000'000, 1024, 768, false, zuGross("1000000", "50", "107374")},
        {200'000, 1024, 768, false, zuGross("200000", "50", "107374")},
        {0, 1024, 768, false, kopf + "Die Anzahl der Durchgänge muss mindestens 1 sein.\n"},
        // 26-pixel cells would hold them at 640 x 400; set is 800 x 600.
        {200'000, 640, 400, true, zuGross("200000", "39", "176486")},
    };
    for (const auto& f : faelle) {
        CLaufUmfeld u(f.breite == 1024 ? CSpeicherKonfig{} : KonfigMitModus(800, 600, 75), f.breite, f.hoehe);
        testanzeige::Sakkaden(u.training, f.n, 0.5, 1.0);
        CPraesentation p;
        EXPECT_EQ(u.Darbieten(p), 11) << f.n;
        EXPECT_EQ(p.m_strFehler, f.text);
        EXPECT_EQ(p.m_pDD != nullptr, f.genommen) << f.n;
    }
    EXPECT_EQ(SakkadenAnzahlPruefen(107'374, 50), "");
    EXPECT_EQ(SakkadenAnzahlPruefen(107'375, 50), zuGross("107375", "50", "107374"));
    EXPECT_EQ(SakkadenAnzahlPruefen(268'435'456, 1), "");
}

// A task field that cannot hold cells of a pixel is refused with the value
// that is wrong and its limit, code 14 as before, before the display is
// taken.
TEST(Sakkaden, UnbrauchbaresFeldNenntSeinenGrund)
{
    const std::string kopf = "Eine oder mehrere Trainingsangaben sind unzulässig: ";
    const std::string nullPixel = " ergibt bei dieser Bildschirmauflösung 0 Pixel; sie muss mindestens 1 Pixel "
                                  "betragen.\n";
    const struct {
        std::function<void(CSakkaden&)> setzen;
        bool kleiner; // the display has only 800 x 600
        std::string text;
    } faelle[] = {
        {[](CSakkaden& s) { s.m_dZeichengroesse = 0.0; }, false, kopf + "Die Zeichengröße" + nullPixel},
        {[](CSakkaden& s) { s.m_dZeichengroesse = std::nan(""); }, false, kopf + "Die Zeichengröße" + nullPixel},
        {[](CSakkaden& s) { s.m_dZeichengroesse = 0.4 / 768; }, false, kopf + "Die Zeichengröße" + nullPixel},
        {[](CSakkaden& s) { s.m_dBildbreite = 0.0; }, false, kopf + "Die Bildbreite" + nullPixel},
        // A character size raises the picture height: both 0.
        {[](CSakkaden& s) { s.m_dBildhoehe = s.m_dZeichengroesse = 0.0; }, false, kopf + "Die Bildhöhe" + nullPixel},
        {[](CSakkaden& s) { s.m_nZeilen = 10'000; }, false,
         kopf + "Für 10000 Zeilen ist die Bildhöhe zu klein. Bei einer Bildhöhe von 461 Pixel sind höchstens 461 "
                "Zeilen möglich.\n"},
        {[](CSakkaden& s) { s.m_nSpalten = 2'000; }, false,
         kopf + "Für 2000 Spalten ist die Bildbreite zu klein. Bei einer Bildbreite von 1024 Pixel sind höchstens "
                "1024 Spalten möglich.\n"},
    };
    for (const auto& f : faelle) {
        CLaufUmfeld u(f.kleiner ? KonfigMitModus(800, 600, 75) : CSpeicherKonfig{});
        testanzeige::Sakkaden(u.training, 36, 0.5, 1.0);
        CSakkaden s = u.training.GetSakkaden();
        f.setzen(s);
        u.training.SetSakkaden(s);
        CPraesentation p;
        EXPECT_EQ(u.Darbieten(p), 14) << f.text;
        EXPECT_EQ(p.m_strFehler, f.text);
        EXPECT_EQ(p.m_pDD != nullptr, f.kleiner) << f.text;
    }
}

} // namespace
