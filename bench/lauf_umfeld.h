#pragma once

// A training on the in-memory display at 1920 x 1080 and 60 Hz, as a view
// hands it to the engine: profile, environment, frame registered, a fixed
// clock for the seed.

#include "model/training.h"
#include "platform/crt.h"
#include "platform/display/memory/speicher_anzeige.h"
#include "presentation/praesentation.h"
#include "presentation/rahmen.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

#include <memory>

struct CBenchLauf {
    CBenchLauf()
    {
        CSpeicherKonfig k;
        k.modi.push_back({1920, 1080, 8, 60});
        speicher = CSpeicherAnzeige::Installieren(k);
        RahmenAnmelden(reinterpret_cast<CLumetraApp*>(&anwendung), HWND(&anwendung));
        crt::SetZeitQuelle([] { return int64_t(1'700'000'000); });
        CBildschirmModus modus = umgebung.GetBildschirmModus();
        modus.m_dwBreite = 1920;
        modus.m_dwHoehe = 1080;
        modus.m_dwFrequenz = 60;
        umgebung.SetBildschirmModus(modus);
        training.SetUmgebung(&umgebung);
    }
    ~CBenchLauf()
    {
        AnzeigeTreiberWaehlen("");
        RahmenAnmelden(nullptr, nullptr);
        crt::SetZeitQuelle({});
    }
    // Display set-up and preparation: the engine's steps up to the frame loop.
    int Vorbereiten(CPraesentation& p)
    {
        p.m_pView = &anwendung;
        p.m_pApp = GetRahmenAnwendung();
        p.m_pProfil = &profil;
        p.m_pUmgebung = &umgebung;
        p.m_pTraining = &training;
        if (p.InitDirectDraw() != 0)
            return p.m_nFehler;
        return p.TrainingVorbereiten();
    }

    int anwendung = 0;
    std::shared_ptr<CSpeicherAnzeige> speicher;
    CBenutzerprofil profil;
    CUmgebung umgebung{&profil};
    CTraining training;
};
