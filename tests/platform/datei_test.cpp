// The safe save: what it refuses, what it keeps, and two saves at once.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/datei.h"

namespace {

namespace fs = std::filesystem;

class SicheresSpeichern : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_ordner = fs::temp_directory_path() /
                   ("lumetra_datei_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_ordner);
        fs::create_directories(m_ordner);
    }
    void TearDown() override { fs::remove_all(m_ordner); }

    std::string Pfad(const std::string& name) const { return (m_ordner / name).string(); }
    static std::vector<uint8_t> Lies(const std::string& pfad)
    {
        std::ifstream f(pfad, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    static void Schreibe(const std::string& pfad, const std::string& text) { std::ofstream(pfad) << text; }
    static mode_t Modus(const std::string& pfad)
    {
        struct stat st {};
        ::stat(pfad.c_str(), &st);
        return st.st_mode & 07777;
    }
    std::set<std::string> Namen() const
    {
        std::set<std::string> namen;
        for (const auto& e : fs::directory_iterator(m_ordner))
            namen.insert(e.path().filename().string());
        return namen;
    }

    fs::path m_ordner;
};

const std::vector<uint8_t> kNeu = {'n', 'e', 'u'};
const std::vector<uint8_t> kAlt = {'a', 'l', 't'};

// A file without write permission keeps its bytes and its mode, whoever
// saves (root too: no write bit means protected); a link to it as well. A
// writable file is replaced and keeps its mode and owner.
TEST_F(SicheresSpeichern, SchreibgeschuetzteDateiBleibtWieSieWar)
{
    const std::string datei = Pfad("befund.lmt");
    const std::string link = Pfad("verweis.lmt");
    fs::create_symlink(datei, link);
    for (mode_t modus : {0444, 0400, 0555, 0000}) {
        for (const std::string& ziel : {datei, link}) {
            SCOPED_TRACE(std::to_string(modus) + " " + ziel);
            fs::remove(datei);
            Schreibe(datei, "alt");
            ::chmod(datei.c_str(), modus);
            SpeicherFehler grund = SpeicherFehler::Keiner;
            EXPECT_EQ(SchreibeDateiSicher(ziel, kNeu, &grund), 1);
            EXPECT_EQ(grund, SpeicherFehler::Schreibgeschuetzt);
            EXPECT_EQ(Modus(datei), modus);
            ::chmod(datei.c_str(), 0600);
            EXPECT_EQ(Lies(datei), kAlt);
            EXPECT_EQ(Namen(), (std::set<std::string>{"befund.lmt", "verweis.lmt"}));
        }
    }

    const bool root = ::geteuid() == 0;
    for (mode_t modus : {0640, 0604, 0660, 0700}) {
        SCOPED_TRACE(modus);
        fs::remove(datei);
        Schreibe(datei, "alt");
        ::chmod(datei.c_str(), modus);
        if (root) {
            ASSERT_EQ(::chown(datei.c_str(), 4321, 4322), 0);
        }
        SpeicherFehler grund = SpeicherFehler::Schreiben;
        EXPECT_EQ(SchreibeDateiSicher(datei, kNeu, &grund), 0);
        EXPECT_EQ(grund, SpeicherFehler::Keiner);
        EXPECT_EQ(Lies(datei), kNeu);
        EXPECT_EQ(Modus(datei), modus);
        struct stat st {};
        ::stat(datei.c_str(), &st);
        if (root) {
            EXPECT_EQ(st.st_uid, 4321u);
            EXPECT_EQ(st.st_gid, 4322u);
        }
    }
}

// The temporary adds 17 bytes to the name: 238 bytes fit beside a limit of
// 255, counted in bytes, so an umlaut takes two.
TEST_F(SicheresSpeichern, ZuLangerNameWirdMitGrundAbgelehnt)
{
    const long grenze = ::pathconf(m_ordner.c_str(), _PC_NAME_MAX);
    ASSERT_EQ(grenze, 255) << "der Test erwartet die übliche Grenze";
    EXPECT_EQ(LaengsterSpeicherbarerName(Pfad("x.lmt")), 238u);

    std::string umlaute;
    for (int i = 0; i < 119; ++i)
        umlaute += "ä";
    for (const std::string& name : {std::string(238, 'a'), umlaute}) {
        SpeicherFehler grund = SpeicherFehler::Schreiben;
        EXPECT_EQ(SchreibeDateiSicher(Pfad(name), kNeu, &grund), 0) << name.size();
        EXPECT_EQ(grund, SpeicherFehler::Keiner);
        EXPECT_EQ(Lies(Pfad(name)), kNeu);
    }
    // A name that exists (it opens) but cannot be saved keeps its bytes.
    const std::string vorhanden = std::string(246, 'x') + ".lmt";
    Schreibe(Pfad(vorhanden), "alt");
    for (const std::string& name : {std::string(239, 'b'), umlaute + "b", vorhanden}) {
        SCOPED_TRACE(name.size());
        SpeicherFehler grund = SpeicherFehler::Keiner;
        EXPECT_EQ(SchreibeDateiSicher(Pfad(name), kNeu, &grund), 1);
        EXPECT_EQ(grund, SpeicherFehler::NameZuLang);
    }
    EXPECT_EQ(Lies(Pfad(vorhanden)), kAlt);
    EXPECT_EQ(Namen().size(), 3u);

    SpeicherFehler grund = SpeicherFehler::Keiner;
    EXPECT_EQ(SchreibeDateiSicher(Pfad("fehlt/x.lmt"), kNeu, &grund), 1);
    EXPECT_EQ(grund, SpeicherFehler::Schreiben);
}

// A second program that saves the same file holds a lock on its temporary:
// the clean-up leaves that one and removes only what nobody writes.
TEST_F(SicheresSpeichern, TemporaereEinesLaufendenSpeichernsBleibt)
{
    const std::string lebt = Pfad(".ziel.lmt.lmtr-tmp-Ab12Cd");
    const std::string liegt = Pfad(".ziel.lmt.lmtr-tmp-Zz99Yy");
    Schreibe(lebt, "halb");
    Schreibe(liegt, "halb");
    int bereit[2], fertig[2];
    ASSERT_EQ(::pipe(bereit), 0);
    ASSERT_EQ(::pipe(fertig), 0);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        // Only what is safe after a fork: open, lock, signal, wait.
        const int fd = ::open(lebt.c_str(), O_RDWR);
        const char c = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? '1' : '0';
        if (::write(bereit[1], &c, 1) != 1 || ::read(fertig[0], const_cast<char*>(&c), 1) != 1)
            ::_exit(2);
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(bereit[0], &c, 1), 1);
    ASSERT_EQ(c, '1');

    EXPECT_EQ(SchreibeDateiSicher(Pfad("ziel.lmt"), kNeu), 0);
    EXPECT_EQ(Namen(), (std::set<std::string>{"ziel.lmt", ".ziel.lmt.lmtr-tmp-Ab12Cd"}));
    EXPECT_EQ(Lies(lebt), (std::vector<uint8_t>{'h', 'a', 'l', 'b'}));

    // Once that program ended without finishing, its temporary is one left
    // behind.
    ASSERT_EQ(::write(fertig[1], "x", 1), 1);
    int status = 0;
    ::waitpid(kind, &status, 0);
    EXPECT_EQ(SchreibeDateiSicher(Pfad("ziel.lmt"), kAlt), 0);
    EXPECT_EQ(Namen(), (std::set<std::string>{"ziel.lmt"}));
    for (int fd : {bereit[0], bereit[1], fertig[0], fertig[1]})
        ::close(fd);
}

// Two saves of one file at the same time each go through whole: the file
// holds one of the two contents, and no temporary is left.
TEST_F(SicheresSpeichern, ZweiGleichzeitigeSpeichernGelingenBeide)
{
    const std::string ziel = Pfad("gemeinsam.lmu");
    const std::vector<uint8_t> a(20000, 'a'), b(30000, 'b');
    std::atomic<int> fehler{0};
    const auto speichern = [&](const std::vector<uint8_t>* bytes) {
        for (int i = 0; i < 40; ++i)
            fehler += SchreibeDateiSicher(ziel, *bytes);
    };
    std::thread erster(speichern, &a), zweiter(speichern, &b);
    erster.join();
    zweiter.join();
    EXPECT_EQ(fehler, 0);
    const auto inhalt = Lies(ziel);
    EXPECT_TRUE(inhalt == a || inhalt == b);
    EXPECT_EQ(Namen(), (std::set<std::string>{"gemeinsam.lmu"}));
}

} // namespace
