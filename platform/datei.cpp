#include "platform/datei.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/pfad.h"

namespace {

bool SchreibeAlles(int fd, const uint8_t* daten, size_t anzahl)
{
    while (anzahl > 0) {
        const ssize_t n = ::write(fd, daten, anzahl);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        daten += n;
        anzahl -= static_cast<size_t>(n);
    }
    return true;
}

// A write beyond the file-size limit raises SIGXFSZ, whose default ends the
// program; ignored, the write fails with EFBIG and is reported like a full disk.
struct DateigroessenSignalAus {
    DateigroessenSignalAus() { std::signal(SIGXFSZ, SIG_IGN); }
};

// The temporary of "ziel.lmt" is ".ziel.lmt.lmtr-tmp-" and mkstemp's six
// letters or digits: hidden, in the target's folder for an atomic rename, and
// named so that no file of the user's is mistaken for one.
constexpr char kTempMarke[] = ".lmtr-tmp-";
constexpr size_t kZufallsZeichen = 6;
constexpr size_t kTempZusatz = 1 + sizeof(kTempMarke) - 1 + kZufallsZeichen;
// Where the folder's file system cannot lock, a temporary counts as left
// behind only once no save has touched it for this long.
constexpr time_t kAlterOhneSperre = 3600;

bool IstZufallsteil(const char* s)
{
    for (size_t i = 0; i < kZufallsZeichen; ++i) {
        const char c = s[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return s[kZufallsZeichen] == '\0';
}

bool GleicheDatei(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether the name still stands for the open file: a clean-up of another
// save may have removed it between its creation and its lock.
bool NameGehoertZu(const std::string& name, int fd)
{
    struct stat st {}, offen {};
    return ::lstat(name.c_str(), &st) == 0 && ::fstat(fd, &offen) == 0 && GleicheDatei(st, offen);
}

// A save killed mid-write (kill, power loss) leaves its temporary behind; the
// next save of the same file removes it. A save that is still writing (the
// program started twice) holds a lock on its temporary, which therefore
// stays. Only regular files of exactly this naming go, so a temporary of
// another file in the folder stays.
void EntferneAlteTemporaere(const std::string& ordner, const std::string& name)
{
    DIR* d = ::opendir(ordner.c_str());
    if (!d)
        return;
    const std::string praefix = "." + name + kTempMarke;
    while (const dirent* e = ::readdir(d)) {
        if (std::strncmp(e->d_name, praefix.c_str(), praefix.size()) != 0 ||
            !IstZufallsteil(e->d_name + praefix.size()))
            continue;
        const std::string alt = ordner + "/" + e->d_name;
        const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        int fd = ::open(alt.c_str(), O_RDONLY | flags);
        if (fd < 0)
            fd = ::open(alt.c_str(), O_WRONLY | flags);
        if (fd < 0)
            continue;
        struct stat st {};
        bool weg = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
        if (weg && ::flock(fd, LOCK_EX | LOCK_NB) != 0)
            weg = errno != EWOULDBLOCK && errno != EINTR && std::time(nullptr) - st.st_mtime > kAlterOhneSperre;
        // Removed by name while the lock is held, and only when the name
        // still stands for the file locked: a save that finished in between
        // has renamed it, and a new save checks its own name after locking.
        if (weg && NameGehoertZu(alt, fd))
            ::unlink(alt.c_str());
        ::close(fd);
    }
    ::closedir(d);
}

// The target with its links resolved: a link stays a link and the file it
// points to is replaced. Also split into folder and name.
std::string Ziel(const std::string& pfad, std::string& ordner, std::string& name)
{
    std::string ziel = pfad::ZumOeffnen(pfad);
    if (char* echt = ::realpath(ziel.c_str(), nullptr)) {
        ziel = echt;
        std::free(echt);
    }
    const size_t trenner = ziel.find_last_of('/');
    ordner = trenner == std::string::npos ? "." : ziel.substr(0, std::max<size_t>(trenner, 1));
    name = ziel.substr(trenner + 1);
    return ziel;
}

size_t NamensGrenze(const std::string& ordner)
{
    const long grenze = ::pathconf(ordner.c_str(), _PC_NAME_MAX);
    const size_t n = grenze > 0 ? static_cast<size_t>(grenze) : 255;
    return n > kTempZusatz ? n - kTempZusatz : 0;
}

// A file that a file manager shows as read-only is protected, also from
// root, for whom access() would allow the write.
bool IstSchreibgeschuetzt(const std::string& ziel)
{
    struct stat st {};
    if (::stat(ziel.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(ziel.c_str(), W_OK) != 0;
}

// A fresh temporary beside the target, locked for as long as it is open.
int LegeTemporaereAn(const std::string& ordner, const std::string& name, std::string& temp)
{
    for (int versuch = 0; versuch < 8; ++versuch) {
        temp = ordner + "/." + name + kTempMarke + std::string(kZufallsZeichen, 'X');
        const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        int gesperrt;
        while ((gesperrt = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        // Without locks on this file system the age rule of the clean-up
        // protects the temporary.
        if (gesperrt != 0 || NameGehoertZu(temp, fd))
            return fd;
        ::close(fd);
    }
    return -1;
}

} // namespace

size_t LaengsterSpeicherbarerName(const std::string& pfad)
{
    std::string ordner, name;
    Ziel(pfad, ordner, name);
    return NamensGrenze(ordner);
}

int SchreibeDateiSicher(const std::string& pfad, const std::vector<uint8_t>& bytes, SpeicherFehler* grund)
{
    static DateigroessenSignalAus signal;
    SpeicherFehler dummy;
    SpeicherFehler& fehler = grund ? *grund : dummy;
    fehler = SpeicherFehler::Keiner;
    std::string ordner, name;
    const std::string ziel = Ziel(pfad, ordner, name);
    // The rename needs only the folder's permission; a file made read-only
    // must not lose its protection by a save.
    if (IstSchreibgeschuetzt(ziel)) {
        fehler = SpeicherFehler::Schreibgeschuetzt;
        return 1;
    }
    if (name.size() > NamensGrenze(ordner)) {
        fehler = SpeicherFehler::NameZuLang;
        return 1;
    }
    fehler = SpeicherFehler::Schreiben;
    EntferneAlteTemporaere(ordner, name);
    std::string temp;
    const int fd = LegeTemporaereAn(ordner, name, temp);
    if (fd < 0)
        return 1;
    // Keep the previous file's owner (where allowed) and permissions; a new
    // file gets the usual ones. The owner first: changing it clears the
    // set-id bits.
    struct stat alt {};
    if (::stat(ziel.c_str(), &alt) == 0) {
        if (::fchown(fd, alt.st_uid, alt.st_gid) != 0) {
            // Not root and not in that group: the file becomes the user's.
        }
        ::fchmod(fd, alt.st_mode & 07777);
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::fchmod(fd, 0666 & ~maske);
    }
    // The lock lives as long as any descriptor of the open file: the copy
    // holds it past the checked close until the rename, so that no clean-up
    // takes the finished temporary for one left behind.
    const int sperre = ::dup(fd);
    bool gut = SchreibeAlles(fd, bytes.data(), bytes.size());
    gut = gut && ::fsync(fd) == 0;
    gut = (::close(fd) == 0) && gut;
    gut = gut && ::rename(temp.c_str(), ziel.c_str()) == 0;
    if (!gut)
        ::unlink(temp.c_str());
    if (sperre >= 0)
        ::close(sperre);
    if (!gut)
        return 1;
    fehler = SpeicherFehler::Keiner;
    return 0;
}
