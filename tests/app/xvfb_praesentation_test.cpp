// A whole saccade run through the built program on a real X server (Xvfb):
// a new training, "&Präsentation" on the SDL display, reactions with keys,
// Escape, and the report page that the run leaves; the training is saved
// and its report read back. Pictures of each step go to the artifacts.
#include <gtest/gtest.h>

#include "model/training.h"
#include "xvfb_umfeld.h"

#if defined(LUMETRA_PROGRAMM) && defined(LUMETRA_BUILD_DIR)

TEST(XvfbPraesentation, SakkadenlaufLandetAufDerBerichtsseite)
{
    XVFB_ODER_UEBERSPRINGEN();
    CXvfbLumetra lumetra;
    ASSERT_TRUE(lumetra.Bereit());
    ASSERT_TRUE(lumetra.Start()) << "kein Fenster \"Lumetra\"";

    // A new training from the template: a saccade training.
    Vorne("ctrl+n", 800);
    Vorne("Return", 1000);
    Bild("praesentation_1_training.png");

    // The run: "Bereit?", Enter, a few reactions, Escape.
    Vorne("alt+p", 2500);
    Bild("praesentation_2_bereit.png");
    Taste("Return", 2500);
    for (int i = 0; i < 4; ++i)
        Taste("space", 1200);
    Bild("praesentation_3_lauf.png");
    Taste("Escape", 2500);
    // Xvfb's mode has no rate: the run ends with the hint that it was adapted.
    Bild("praesentation_4_hinweis.png");
    Vorne("Return", 800);
    const QImage bericht = Bild("praesentation_5_bericht.png");

    // Saved under the proposed name, the training holds the run's report.
    Vorne("ctrl+s", 1200);
    Vorne("Return", 1500);
    Bild("praesentation_6_gespeichert.png");
    EXPECT_TRUE(lumetra.Laeuft());
    lumetra.Ende();

    CDokumentDatei<CTraining> d;
    ASSERT_TRUE(d.Lies(lumetra.Ordner() + "/LMTR-Trainings/LM-Training1.lmt")) << lumetra.Fehlerausgabe().toStdString();
    ASSERT_EQ(d.modell.GetBerichtAnzahl(), 1);
    const CTrainingsBericht* b = d.modell.GetBericht(0);
    EXPECT_EQ(b->m_nAufgabenart, 10);
    EXPECT_GT(b->m_dLaufzeit, 3.0);
    EXPECT_GT(b->GetAnzahlReize(), 0);
    EXPECT_FALSE(bericht.isNull());
}

#endif
