#include "platform/pfad.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace pfad {
namespace {

bool GleichOhneFall(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

} // namespace

std::string Anzeige(std::string pfad)
{
    std::replace(pfad.begin(), pfad.end(), '\\', '/');
    return pfad;
}

std::string ZumOeffnen(const std::string& eingabe)
{
    std::string p = eingabe;
    std::replace(p.begin(), p.end(), '\\', '/');
    if (p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':')
        p = p.size() == 2 ? "/" : p.substr(2);
    if (p.empty())
        return p;

    std::error_code fehler;
    if (fs::exists(p, fehler))
        return p;

    // Walk the parts and repair the case of each one that is missing.
    fs::path ergebnis = p[0] == '/' ? fs::path("/") : fs::path();
    for (const auto& teil : fs::path(p).relative_path()) {
        fs::path kandidat = ergebnis / teil;
        if (!fs::exists(kandidat, fehler)) {
            fs::path ordner = ergebnis.empty() ? fs::path(".") : ergebnis;
            for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende; it.increment(fehler)) {
                if (GleichOhneFall(it->path().filename().string(), teil.string())) {
                    kandidat = ergebnis / it->path().filename();
                    break;
                }
            }
        }
        ergebnis = kandidat;
    }
    return ergebnis.string();
}

std::string DateiName(const std::string& p)
{
    auto pos = p.find_last_of("\\/");
    return pos == std::string::npos ? p : p.substr(pos + 1);
}

bool Existiert(const std::string& p)
{
    std::error_code fehler;
    return fs::is_regular_file(ZumOeffnen(p), fehler);
}

} // namespace pfad
