#pragma once

// A whole run on the in-memory display: profile, environment and training
// as the application holds them, the frame registered, a fixed clock for
// the seed.

#include "model/test.h"
#include "model/training.h"
#include "platform/display/memory/speicher_anzeige.h"
#include "presentation/praesentation.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

#include <memory>
#include <string>

struct CLaufUmfeld {
    explicit CLaufUmfeld(CSpeicherKonfig konfig = {});
    ~CLaufUmfeld();

    // Display set-up and preparation only (the engine's steps up to the
    // frame loop); the set-up's error code. bilder: the picture folder
    // instead of the profile's.
    int Vorbereiten(CPraesentation& p, const std::string& bilder = "");
    // The whole run.
    int Darbieten(CPraesentation& p);
    // The same for the test.
    int TestVorbereiten(CPraesentation& p);
    int TestDarbieten(CPraesentation& p);
    // Surface or screen to <artifacts>/<name>.png for a person to look at.
    void Speichern(IDirectDrawSurface* s, const std::string& name) const;
    void BildschirmSpeichern(const std::string& name) const;

    std::shared_ptr<CSpeicherAnzeige> anzeige;
    CBenutzerprofil profil;
    CUmgebung umgebung;
    CTraining training;
    CTest test;
    int view = 0;
};

// A training without a foreground (task 30) on a plain background: Enter ends it.
void OhneVordergrund(CTraining& t);
