#include "platform/datei.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
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
    std::string temp = ziel + ".XXXXXX";
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
