#include "platform/datei.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
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

bool IstZufallsteil(const char* s)
{
    for (size_t i = 0; i < kZufallsZeichen; ++i) {
        const char c = s[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return s[kZufallsZeichen] == '\0';
}

// A save killed mid-write (kill, power loss) leaves its temporary behind; the
// next save of the same file removes it. Only regular files of exactly this
// naming go, so a temporary of another file in the folder stays.
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
        struct stat st {};
        if (::lstat(alt.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            ::unlink(alt.c_str());
    }
    ::closedir(d);
}

} // namespace

int SchreibeDateiSicher(const std::string& pfad, const std::vector<uint8_t>& bytes)
{
    static DateigroessenSignalAus signal;
    std::string ziel = pfad::ZumOeffnen(pfad);
    // A link stays a link: the file it points to is replaced.
    if (char* echt = ::realpath(ziel.c_str(), nullptr)) {
        ziel = echt;
        std::free(echt);
    }
    const size_t trenner = ziel.find_last_of('/');
    const std::string ordner = trenner == std::string::npos ? "." : ziel.substr(0, std::max<size_t>(trenner, 1));
    const std::string name = ziel.substr(trenner + 1);
    EntferneAlteTemporaere(ordner, name);
    std::string temp = ordner + "/." + name + kTempMarke + std::string(kZufallsZeichen, 'X');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return 1;
    // Keep the previous file's permissions; a new file gets the usual ones.
    struct stat alt {};
    if (::stat(ziel.c_str(), &alt) == 0)
        ::fchmod(fd, alt.st_mode & 07777);
    else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::fchmod(fd, 0666 & ~maske);
    }
    bool gut = SchreibeAlles(fd, bytes.data(), bytes.size());
    gut = gut && ::fsync(fd) == 0;
    gut = (::close(fd) == 0) && gut;
    if (gut && ::rename(temp.c_str(), ziel.c_str()) == 0)
        return 0;
    ::unlink(temp.c_str());
    return 1;
}
