#pragma once

// The built program in a prepared program folder on a real X server (Xvfb),
// keys typed with xdotool, the screen photographed into the artifacts.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

#include <csignal>

#include "platform/archiv.h"
#include "platform/datei.h"
#include "support/qt_app.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

#if defined(LUMETRA_PROGRAMM) && defined(LUMETRA_BUILD_DIR)

// What a command printed, within 20 s.
inline QString Ausgabe(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString Xdotool(const QStringList& argumente) { return Ausgabe("xdotool", argumente).trimmed(); }

inline void Warte(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The first visible window whose title matches, waiting up to ms; empty
// when none came.
inline QString FindeFenster(const QString& titel, int ms = 10000)
{
    for (int i = 0; i < ms / 100; ++i) {
        const QString id = Xdotool({"search", "--onlyvisible", "--name", titel}).section('\n', 0, 0);
        if (!id.isEmpty())
            return id;
        Warte(100);
    }
    return {};
}

// Without a window manager nobody moves the keyboard focus: it goes to the
// smallest visible window, the box or dialog in front.
inline void Fokus()
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

inline void Taste(const char* taste, int danachMs = 400)
{
    Xdotool({"key", taste});
    Warte(danachMs);
}

// A key typed into the box or dialog in front.
inline void Vorne(const char* taste, int danachMs = 400)
{
    Fokus();
    Taste(taste, danachMs);
}

inline QImage Bild(const char* name)
{
    QImage bild = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    bild.save(QString(LUMETRA_ARTIFACTS) + "/" + name);
    return bild;
}

// A prepared program folder in a temporary folder, which is also the run's
// home and settings folder.
class CXvfbLumetra {
public:
    CXvfbLumetra()
    {
        SichereQtAnwendung();
        std::filesystem::create_directories(LUMETRA_ARTIFACTS);
        m_ordner = m_temp.path() + "/Lumetra";
        m_bereit = QProcess::execute(QString(LUMETRA_SOURCE_DIR) + "/scripts/programmordner",
                                     {LUMETRA_BUILD_DIR, m_ordner}) == 0;
    }
    ~CXvfbLumetra() { Ende(); }

    bool Bereit() const { return m_bereit; }
    const QString& Ordner() const { return m_ordner; }

    // Starts the program and waits for its main window; false when none came.
    // Xvfb offers no refresh rate: `bestaetigen` answers the start's hint
    // that the mode was adapted.
    bool Start(const QStringList& argumente = {}, bool bestaetigen = true)
    {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("HOME", m_temp.path());
        umgebung.insert("XDG_CONFIG_HOME", m_temp.path() + "/config");
        umgebung.insert("XDG_CONFIG_DIRS", m_temp.path() + "/xdg");
        // No print server: printing goes to a file, never to a real printer.
        umgebung.insert("CUPS_SERVER", "/nonexistent/cups.sock");
        umgebung.remove("QT_QPA_PLATFORM");
        umgebung.remove("SDL_VIDEODRIVER");
        m_prozess.setProcessEnvironment(umgebung);
        m_prozess.setWorkingDirectory(m_ordner);
        m_prozess.start(LUMETRA_PROGRAMM, argumente);
        if (!m_prozess.waitForStarted(10000) || FindeFenster("^Lumetra", 10000).isEmpty())
            return false;
        Warte(800);
        if (bestaetigen)
            Vorne("Return", 800);
        return true;
    }
    bool Laeuft() const { return m_prozess.state() == QProcess::Running; }
    void Ende()
    {
        if (m_prozess.state() == QProcess::NotRunning)
            return;
        m_prozess.terminate();
        if (!m_prozess.waitForFinished(5000))
            m_prozess.kill();
        m_prozess.waitForFinished(5000);
    }
    QString Fehlerausgabe() { return QString::fromLocal8Bit(m_prozess.readAllStandardError()); }
    // Sends the program a signal; the milliseconds until it ended, or -1
    // when it still runs after ms.
    qint64 Signal(int signal, int ms)
    {
        const auto start = std::chrono::steady_clock::now();
        ::kill(pid_t(m_prozess.processId()), signal);
        if (!m_prozess.waitForFinished(ms))
            return -1;
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    }
    // Ended by a signal rather than by its own exit.
    bool DurchSignalBeendet() const
    {
        return m_prozess.state() == QProcess::NotRunning && m_prozess.exitStatus() == QProcess::CrashExit;
    }

private:
    QTemporaryDir m_temp;
    QString m_ordner;
    bool m_bereit = false;
    QProcess m_prozess;
};

// A training, test or profile stored as the program stores it.
template <class T>
bool Schreibe(T& inhalt, const QString& pfad)
{
    CArchive ar(CArchive::store, pfad.toStdString());
    return inhalt.Serialize(ar) == 0 && SchreibeDateiSicher(pfad.toStdString(), ar.GetBytes()) == 0;
}

// A training or test on a default environment, as read from a file.
template <class Modell>
struct CDokumentDatei {
    CDokumentDatei() { modell.SetUmgebung(&umgebung); }
    bool Lies(const QString& pfad)
    {
        CArchive ar(CArchive::load, pfad.toStdString());
        return modell.Serialize(ar) == 0;
    }
    bool Schreibe(const QString& pfad) { return ::Schreibe(modell, pfad); }
    CBenutzerprofil profil;
    CUmgebung umgebung{&profil};
    Modell modell;
};

#define XVFB_ODER_UEBERSPRINGEN()                                                                                      \
    if (!std::getenv("LUMETRA_TEST_REAL_DISPLAY") || !std::getenv("DISPLAY"))                                          \
    GTEST_SKIP() << "braucht einen X-Server (scripts/test startet Xvfb)"

#endif
