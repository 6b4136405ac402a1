#pragma once

// A run as a view hands it to the engine: profile, environment, training and
// test as the application holds them, and a main window. CLaufUmfeld adds the
// in-memory display and a fixed clock for the seed. Shared by the engine's
// tests, the X tests and the benchmarks.

#include "model/test.h"
#include "model/training.h"
#include "platform/display/memory/speicher_anzeige.h"
#include "presentation/praesentation.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

#include <memory>
#include <string>

struct CLaufDaten {
    CLaufDaten();
    // The environment asks for breite x hoehe at frequenz (0: the last rate stays).
    void Modus(DWORD breite, DWORD hoehe, DWORD frequenz);
    // Binds the engine to this run's training or test.
    int TrainingEinrichten(CPraesentation& p);
    int TestEinrichten(CPraesentation& p);

    CBenutzerprofil profil;
    CUmgebung umgebung{&profil};
    CTraining training;
    CTest test;
    // Stands for the view and the main window alike.
    int view = 0;
};

struct CLaufUmfeld : CLaufDaten {
    explicit CLaufUmfeld(CSpeicherKonfig konfig = {}, DWORD breite = 1024, DWORD hoehe = 768, DWORD frequenz = 75);
    ~CLaufUmfeld();

    // Display set-up and preparation only (up to the frame loop), with the
    // generator seeded with 1; the set-up's error code.
    int Vorbereiten(CPraesentation& p);
    int TestVorbereiten(CPraesentation& p);
    // The whole run.
    int Darbieten(CPraesentation& p);
    int TestDarbieten(CPraesentation& p);
    // Surface or screen to <artifacts>/<name>.png for a person to look at.
    void Speichern(IDirectDrawSurface* s, const std::string& name) const;
    void BildschirmSpeichern(const std::string& name) const;

    std::shared_ptr<CSpeicherAnzeige> anzeige;
};

// <artifacts>/<name>.png, its folder made.
std::string Artefakt(const std::string& name);

// The in-memory display's modes and breite x hoehe x 8 at frequenz.
CSpeicherKonfig KonfigMitModus(DWORD breite, DWORD hoehe, DWORD frequenz);
