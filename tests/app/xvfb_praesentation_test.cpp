// A whole saccade run through the built program on a real X server (Xvfb):
// a new training, "&Präsentation" on the SDL display, reactions with keys,
// Escape, and the report page that the run leaves; the training is saved
// and its report read back. Pictures of each step go to the artifacts.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

#include "model/training.h"
#include "platform/archiv.h"
#include "support/qt_app.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

#if defined(LUMETRA_PROGRAMM) && defined(LUMETRA_BUILD_DIR)

namespace {

QString Xdotool(const QStringList& argumente)
{
    QProcess p;
    p.start("xdotool", argumente);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

void Warte(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Without a window manager nobody moves the keyboard focus: it goes to the
// smallest visible window, the box or dialog in front.
void Fokus()
{
    QString bester;
    long kleinste = 0;
    for (const QString& id : Xdotool({"search", "--onlyvisible", "--name", "."}).split('\n', Qt::SkipEmptyParts)) {
        const QString g = Xdotool({"getwindowgeometry", id}).section("Geometry: ", 1).section('\n', 0, 0);
        const long flaeche = g.section('x', 0, 0).toLong() * g.section('x', 1).toLong();
        if (flaeche >= 5000 && (bester.isEmpty() || flaeche < kleinste)) {
            bester = id;
            kleinste = flaeche;
        }
    }
    if (!bester.isEmpty())
        Xdotool({"windowfocus", "--sync", bester});
}

void Taste(const char* taste, int danachMs = 400)
{
    Xdotool({"key", taste});
    Warte(danachMs);
}

QImage Bild(const char* name)
{
    QImage bild = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    bild.save(QString(LUMETRA_ARTIFACTS) + "/" + name);
    return bild;
}

} // namespace

TEST(XvfbPraesentation, SakkadenlaufLandetAufDerBerichtsseite)
{
    if (!std::getenv("LUMETRA_TEST_REAL_DISPLAY") || !std::getenv("DISPLAY"))
        GTEST_SKIP() << "braucht einen X-Server (scripts/test startet Xvfb)";
    SichereQtAnwendung();
    std::filesystem::create_directories(LUMETRA_ARTIFACTS);

    QTemporaryDir temp;
    const QString ordner = temp.path() + "/Lumetra";
    ASSERT_EQ(QProcess::execute(QString(LUMETRA_SOURCE_DIR) + "/scripts/programmordner",
                                {LUMETRA_BUILD_DIR, ordner}),
              0);
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("XDG_CONFIG_HOME", temp.path() + "/config");
    umgebung.insert("XDG_CONFIG_DIRS", temp.path() + "/xdg");
    umgebung.remove("QT_QPA_PLATFORM");
    umgebung.remove("SDL_VIDEODRIVER");
    QProcess lumetra;
    lumetra.setProcessEnvironment(umgebung);
    lumetra.setWorkingDirectory(ordner);
    lumetra.start(LUMETRA_PROGRAMM, {});
    ASSERT_TRUE(lumetra.waitForStarted(10000));

    QString fenster;
    for (int i = 0; i < 100 && fenster.isEmpty(); ++i) {
        Warte(100);
        fenster = Xdotool({"search", "--onlyvisible", "--name", "^Lumetra$"}).section('\n', 0, 0);
    }
    ASSERT_FALSE(fenster.isEmpty()) << "kein Fenster \"Lumetra\"";
    Warte(800);

    // Xvfb offers no refresh rate: the start tells that the mode was adapted.
    Fokus();
    Taste("Return", 800);

    // A new training from the template: a saccade training.
    Fokus();
    Taste("ctrl+n", 800);
    Fokus();
    Taste("Return", 1000);
    Bild("praesentation_1_training.png");

    // The run: "Bereit?", Enter, a few reactions, Escape.
    Fokus();
    Taste("alt+p", 2500);
    Bild("praesentation_2_bereit.png");
    Taste("Return", 2500);
    for (int i = 0; i < 4; ++i)
        Taste("space", 1200);
    Bild("praesentation_3_lauf.png");
    Taste("Escape", 2500);
    // Xvfb's mode has no rate: the run ends with the hint that it was adapted.
    Bild("praesentation_4_hinweis.png");
    Fokus();
    Taste("Return", 800);
    const QImage bericht = Bild("praesentation_5_bericht.png");

    // Saved under the proposed name, the training holds the run's report.
    Fokus();
    Taste("ctrl+s", 1200);
    Fokus();
    Taste("Return", 1500);
    Bild("praesentation_6_gespeichert.png");
    EXPECT_EQ(lumetra.state(), QProcess::Running);
    lumetra.terminate();
    if (!lumetra.waitForFinished(5000))
        lumetra.kill();
    lumetra.waitForFinished(5000);

    const std::string datei = (ordner + "/LMTR-Trainings/LM-Training1.lmt").toStdString();
    ASSERT_TRUE(std::filesystem::exists(datei)) << QString::fromLocal8Bit(lumetra.readAllStandardError()).toStdString();
    CBenutzerprofil profil;
    CUmgebung u(&profil);
    CTraining training;
    training.SetUmgebung(&u);
    CArchive ar(CArchive::load, datei);
    ASSERT_EQ(training.Serialize(ar), 0);
    ASSERT_EQ(training.GetBerichtAnzahl(), 1);
    const CTrainingsBericht* b = training.GetBericht(0);
    EXPECT_EQ(b->m_nAufgabenart, 10);
    EXPECT_GT(b->m_dLaufzeit, 3.0);
    EXPECT_GT(b->GetAnzahlReize(), 0);
    EXPECT_FALSE(bericht.isNull());
}

#endif
