#include "platform/system.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace systemdienst {
namespace {

std::function<std::string()>& Dokumente()
{
    static std::function<std::string()> quelle;
    return quelle;
}

std::function<std::string()>& Benutzer()
{
    static std::function<std::string()> quelle;
    return quelle;
}

} // namespace

std::string GetBenutzername()
{
    if (Benutzer())
        return Benutzer()();
    if (passwd* pw = getpwuid(geteuid()); pw && pw->pw_name && *pw->pw_name)
        return pw->pw_name;
    if (const char* name = std::getenv("USER"); name && *name)
        return name;
    return "NN";
}

std::string GetAktuellesVerzeichnis()
{
    std::error_code fehler;
    auto p = std::filesystem::current_path(fehler);
    return fehler ? std::string("/") : p.string();
}

std::string GetDokumentenVerzeichnis()
{
    if (Dokumente()) {
        std::string d = Dokumente()();
        if (!d.empty())
            return d;
    }
    if (const char* xdg = std::getenv("XDG_DOCUMENTS_DIR"); xdg && *xdg)
        return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/Documents";
    return "/";
}

void SetDokumentenQuelle(std::function<std::string()> quelle) { Dokumente() = std::move(quelle); }

void SetBenutzernameFuerTest(std::function<std::string()> quelle) { Benutzer() = std::move(quelle); }

} // namespace systemdienst

namespace {
CLeistungszaehlerQuelle* g_zaehler = nullptr;
}

void SetLeistungszaehlerQuelle(CLeistungszaehlerQuelle* quelle) { g_zaehler = quelle; }

bool QueryPerformanceFrequency(int64_t* frequenz)
{
    if (!frequenz)
        return false;
    *frequenz = g_zaehler ? g_zaehler->Frequenz() : 1'000'000'000;
    return *frequenz != 0;
}

bool QueryPerformanceCounter(int64_t* zaehler)
{
    if (!zaehler)
        return false;
    if (g_zaehler) {
        *zaehler = g_zaehler->Zaehler();
        return true;
    }
    *zaehler = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
                   .count();
    return true;
}
