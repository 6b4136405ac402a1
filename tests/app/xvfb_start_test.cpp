// The built program on a real X server (Xvfb): a prepared program folder,
// Lumetra started in it, its main window found and photographed.
#include <gtest/gtest.h>

#include "xvfb_umfeld.h"

#if defined(LUMETRA_PROGRAMM) && defined(LUMETRA_BUILD_DIR)

TEST(XvfbStart, HauptfensterErscheint)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    const QString ordner = lumetra.Ordner();
    for (const char* f : {"LMTR-Benutzerprofile/default.lmp", "LMTR-Trainings/Vorlage.lmt", "LMTR-Tests/Vorlage.lmd",
                          "LMTR-Umgebungen/Vorlage.lmu", "bilddateien/kreise.bmp", "LMTR-Texte/Gesundheit"})
        EXPECT_TRUE(std::filesystem::exists((ordner + "/" + f).toStdString())) << f;
    // The program description that the help command names: a PDF of a few pages.
    const QString seiten = Ausgabe("pdfinfo", {ordner + "/LMTR Programmbeschreibung.pdf"}).section("Pages:", 1);
    EXPECT_GE(seiten.section('\n', 0, 0).trimmed().toInt(), 3) << seiten.toStdString();

    ASSERT_TRUE(lumetra.Start({}, false)) << "kein Fenster \"Lumetra\"";
    const QString fenster = FindeFenster("^Lumetra$");
    ASSERT_FALSE(fenster.isEmpty());
    const QString geometrie = Xdotool({"getwindowgeometry", fenster});
    const QImage bild = Bild("lumetra_start.png");
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();

    // The window is drawn: the picture is not one colour.
    ASSERT_FALSE(bild.isNull());
    bool mehrfarbig = false;
    for (int y = 0; y < bild.height() && !mehrfarbig; y += 7)
        for (int x = 0; x < bild.width() && !mehrfarbig; x += 7)
            mehrfarbig = bild.pixel(x, y) != bild.pixel(0, 0);
    EXPECT_TRUE(mehrfarbig);
    // 800 x 768 fits both the 1024 x 768 and the 1280 x 1024 screen.
    EXPECT_TRUE(geometrie.contains("800x768")) << geometrie.toStdString();
}

#endif
