// Read-only files in a writable folder, saved from the built program under
// Xvfb as a user saves them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "befehl_umfeld.h"
#include "xvfb_umfeld.h"

#if defined(LUMETRA_PROGRAMM) && defined(LUMETRA_BUILD_DIR)

namespace {

std::vector<char> Inhalt(const QString& pfad)
{
    std::ifstream f(pfad.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

std::filesystem::perms Modus(const QString& pfad)
{
    return std::filesystem::status(pfad.toStdString()).permissions() & std::filesystem::perms::mask;
}

} // namespace

// A test with a report deleted cannot be saved over its read-only file:
// Ctrl+S says so, "Umgebung speichern" on the read-only environment opens
// "speichern unter" without a message, and leaving asks about the changes
// that are still pending. Both files keep their bytes and their mode.
TEST(XvfbSchreibschutz, GeschuetzteDateienBleibenUnveraendert)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const QString test = lumetra.Ordner() + "/LMTR-Tests/Befund.lmd";
    const QString umgebung = lumetra.Ordner() + "/LMTR-Umgebungen/Vorlage.lmu";
    CDokumentDatei<CTest> d;
    for (int i = 0; i < 2; ++i)
        d.modell.SetBericht(i, KonstanteReize(aufgabe::LINIEN | aufgabe::KONSTANT | aufgabe::HORIZONTAL));
    ASSERT_TRUE(d.Schreibe(test));
    const auto nurLesen = std::filesystem::perms(0444);
    for (const QString& p : {test, umgebung})
        std::filesystem::permissions(p.toStdString(), nurLesen);
    const auto testVorher = Inhalt(test);
    const auto umgebungVorher = Inhalt(umgebung);
    ASSERT_TRUE(lumetra.Start({test})) << "kein Fenster \"Lumetra\"";
    const QString haupt = FindeFenster("^Lumetra - Befund");
    ASSERT_FALSE(haupt.isEmpty());

    // The box or dialog of that title is photographed and answered with
    // the key; false when none came.
    const auto antworte = [](const char* titel, const char* bild, const char* taste) {
        const QString fenster = FindeFenster(titel, 3000);
        Bild(bild);
        if (fenster.isEmpty())
            return false;
        Xdotool({"windowfocus", "--sync", fenster});
        Taste(taste, 1200);
        return FindeFenster(titel, 300).isEmpty();
    };

    // "&Bericht" at its place on the menu bar: "Test&berichte" shows
    // report 1, "Testbericht &löschen" asks, "j" answers.
    for (const char* taste : {"b", "l"}) {
        Xdotool({"mousemove", "--window", haupt, "334", "8", "click", "1"});
        Warte(600);
        Taste(taste, 1000);
    }
    ASSERT_TRUE(antworte("^Lumetra$", "schreibschutz_1_loeschfrage.png", "j")) << "keine Löschfrage";

    Vorne("ctrl+s", 1500);
    ASSERT_TRUE(antworte("^Lumetra$", "schreibschutz_2_dokument.png", "Return")) << "Strg+S meldet nichts";

    // "&Datei", six entries down to "Umgebung speichern".
    Vorne("alt+d", 600);
    for (int i = 0; i < 6; ++i)
        Taste("Down", 150);
    Bild("schreibschutz_3_menue.png");
    Taste("Return", 1500);
    EXPECT_TRUE(FindeFenster("^Lumetra$", 300).isEmpty()) << "eine Meldung vor \"speichern unter\"";
    ASSERT_TRUE(antworte("^LM-Umgebung speichern unter$", "schreibschutz_4_speichern_unter.png", "Escape"))
        << "\"Umgebung speichern\" öffnet nicht \"speichern unter\"";

    // "&Beenden": the deleted report is still a pending change.
    Vorne("alt+d", 600);
    Taste("b", 1000);
    ASSERT_TRUE(antworte("^Lumetra$", "schreibschutz_5_frage.png", "n")) << "keine Frage nach den Änderungen";
    EXPECT_TRUE(FindeFenster("^Lumetra", 300).isEmpty()) << "das Programm endet nicht";
    lumetra.Ende();

    for (const QString& p : {test, umgebung})
        EXPECT_EQ(Modus(p), nurLesen) << p.toStdString();
    EXPECT_EQ(Inhalt(test), testVorher);
    EXPECT_EQ(Inhalt(umgebung), umgebungVorher);
}

// A test whose name leaves no room for the temporary opens, and Ctrl+S
// says why it cannot be saved in a box that fits on the screen.
TEST(XvfbSchreibschutz, ZuLangerNamePasstInDieMeldung)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const QString test = lumetra.Ordner() + "/LMTR-Tests/Befund_" + QString(240, 'x') + ".lmd";
    ASSERT_TRUE(std::filesystem::copy_file((lumetra.Ordner() + "/LMTR-Tests/Vorlage.lmd").toStdString(),
                                           test.toStdString()));
    const auto vorher = Inhalt(test);
    ASSERT_TRUE(lumetra.Start({test})) << "kein Fenster \"Lumetra\"";
    ASSERT_FALSE(FindeFenster("^Lumetra - Befund_x").isEmpty());

    Vorne("ctrl+s", 1500);
    const QString box = FindeFenster("^Lumetra$", 3000);
    Bild("schreibschutz_6_langer_name.png");
    ASSERT_FALSE(box.isEmpty()) << "Strg+S meldet nichts";
    const QString geometrie = Xdotool({"getwindowgeometry", box}).section("Geometry: ", 1).section('\n', 0, 0);
    EXPECT_LT(geometrie.section('x', 0, 0).toInt(), 1024) << geometrie.toStdString();
    Xdotool({"windowfocus", "--sync", box});
    Taste("Return", 800);
    EXPECT_TRUE(FindeFenster("^Lumetra$", 300).isEmpty());
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();
    EXPECT_EQ(Inhalt(test), vorher);
}

#endif
