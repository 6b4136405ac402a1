#pragma once

#include <cstdint>
#include <functional>
#include <string>

// System services of the platform layer.
namespace systemdienst {

// Login name of the current user; "NN" when none can be found.
std::string GetBenutzername();
// Current working folder, without a trailing "/".
std::string GetAktuellesVerzeichnis();
// The user's documents folder. The Qt layer installs QStandardPaths'
// answer; without it $XDG_DOCUMENTS_DIR, else $HOME/Documents, else "/".
std::string GetDokumentenVerzeichnis();
void SetDokumentenQuelle(std::function<std::string()> quelle);
// For tests: replaces the user name; empty restores the system's.
void SetBenutzernameFuerTest(std::function<std::string()> quelle);

} // namespace systemdienst

// The stopwatch's performance counter: std::chrono::steady_clock (nanoseconds).
// The in-memory display installs its simulated clock here.
bool QueryPerformanceFrequency(int64_t* frequenz);
bool QueryPerformanceCounter(int64_t* zaehler);

struct CLeistungszaehlerQuelle {
    virtual ~CLeistungszaehlerQuelle() = default;
    virtual int64_t Frequenz() = 0; // 0: no counter
    virtual int64_t Zaehler() = 0;
};
// nullptr restores the steady clock.
void SetLeistungszaehlerQuelle(CLeistungszaehlerQuelle* quelle);
