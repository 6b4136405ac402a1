#pragma once

// What the runs on the SDL display under X share: the display chosen, keys
// pushed as SDL events at set times, and the last frame saved for a person
// to look at.

#include "presentation/praesentation.h"

#include <SDL.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// The SDL display chosen while it lives.
struct CSdlLauf {
    CSdlLauf();
    ~CSdlLauf();
    // The whole training run on it.
    int Darbieten(CPraesentation& p, CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training);
    int fenster = 0; // main window and view
};

// Each key pressed for 50 ms at its time in ms from now, on a thread of its
// own, until Fertig or the end of this object.
class CTastenFolge {
public:
    explicit CTastenFolge(std::vector<std::pair<int, SDL_Keycode>> folge);
    ~CTastenFolge() { Fertig(); }
    void Fertig() { m_fertig = true; }

private:
    std::atomic<bool> m_fertig{false};
    std::jthread m_faden;
};

// The primary surface (the last frame) through the run's palette to
// <artifacts>/<name>.png.
void Speichern(CPraesentation& p, const std::string& name);
