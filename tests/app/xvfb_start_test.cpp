// The built program on a real X server (Xvfb): a prepared program folder,
// Lumetra started in it, its main window found and photographed.
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

#include "support/qt_app.h"

#if defined(LUMETRA_PROGRAMM) && defined(LUMETRA_BUILD_DIR)

namespace {

QString Ausfuehren(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

} // namespace

TEST(XvfbStart, HauptfensterErscheint)
{
    if (!std::getenv("LUMETRA_TEST_REAL_DISPLAY") || !std::getenv("DISPLAY"))
        GTEST_SKIP() << "braucht einen X-Server (scripts/test startet Xvfb)";

    QTemporaryDir temp;
    const QString ordner = temp.path() + "/Lumetra";
    ASSERT_EQ(QProcess::execute(QString(LUMETRA_SOURCE_DIR) + "/scripts/programmordner",
                                {LUMETRA_BUILD_DIR, ordner}),
              0);
    for (const char* f : {"LMTR-Benutzerprofile/default.lmp", "LMTR-Trainings/Vorlage.lmt", "LMTR-Tests/Vorlage.lmd",
                          "LMTR-Umgebungen/Vorlage.lmu", "bilddateien/kreise.bmp", "LMTR-Texte/Gesundheit",
                          "LMTR Programmbeschreibung.pdf"})
        EXPECT_TRUE(std::filesystem::exists((ordner + "/" + f).toStdString())) << f;

    // Settings of this run stay in the temporary folder.
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("XDG_CONFIG_HOME", temp.path() + "/config");
    umgebung.insert("XDG_CONFIG_DIRS", temp.path() + "/xdg");
    umgebung.remove("QT_QPA_PLATFORM");
    QProcess lumetra;
    lumetra.setProcessEnvironment(umgebung);
    lumetra.setWorkingDirectory(ordner);
    lumetra.start(LUMETRA_PROGRAMM, {});
    ASSERT_TRUE(lumetra.waitForStarted(10000));

    QString fenster;
    for (int i = 0; i < 100 && fenster.isEmpty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        fenster = Ausfuehren("xdotool", {"search", "--onlyvisible", "--name", "^Lumetra$"});
    }
    ASSERT_FALSE(fenster.isEmpty()) << "kein Fenster \"Lumetra\"";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const QString geometrie = Ausfuehren("xdotool", {"getwindowgeometry", fenster.section('\n', 0, 0)});

    SichereQtAnwendung();
    QImage bild = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    std::filesystem::create_directories(LUMETRA_ARTIFACTS);
    bild.save(QString(LUMETRA_ARTIFACTS) + "/lumetra_start.png");

    EXPECT_EQ(lumetra.state(), QProcess::Running);
    lumetra.terminate();
    if (!lumetra.waitForFinished(5000))
        lumetra.kill();
    lumetra.waitForFinished(5000);

    // The window is drawn: the picture is not one colour.
    ASSERT_FALSE(bild.isNull());
    const QRgb ecke = bild.pixel(0, 0);
    bool mehrfarbig = false;
    for (int y = 0; y < bild.height() && !mehrfarbig; y += 7)
        for (int x = 0; x < bild.width() && !mehrfarbig; x += 7)
            mehrfarbig = bild.pixel(x, y) != ecke;
    EXPECT_TRUE(mehrfarbig);
    // 800 x 768 fits both the 1024 x 768 and the 1280 x 1024 screen.
    EXPECT_TRUE(geometrie.contains("800x768")) << geometrie.toStdString();
}

#endif
