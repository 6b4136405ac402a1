#pragma once

#include <cmath>
#include <cstdlib>

#include "model/test.h"
#include "platform/draw/recorder/recorder_dc.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

// An environment on the default 1024 x 768 mode whose unit the test picks.
struct CAuswertungsUmgebung {
    CBenutzerprofil profil;
    CUmgebung umgebung;

    explicit CAuswertungsUmgebung(uint32_t einheit = 0x0008, int dezimalen = 1)
    {
        SetzeEinheit(einheit, dezimalen);
        umgebung.SetProfil(&profil);
    }
    void SetzeEinheit(uint32_t einheit, int dezimalen)
    {
        CAnzeigeOptionen o = profil.GetAnzeigeOptionen();
        o.SetEinheit(einheit);
        o.SetDezimalstellen(dezimalen);
        profil.SetAnzeigeoptionen(o);
        umgebung.Berechnen();
    }
};

// A horizontal line-bisection test with the given mark and length levels.
struct CTestFall {
    CAuswertungsUmgebung u;
    CTest test;

    explicit CTestFall(int trennStufen, int hLaengeStufen = 1)
    {
        test.SetUmgebung(&u.umgebung);
        CLinien l = test.GetLinien();
        l.m_nHLaengeStufen = hLaengeStufen;
        l.m_nHTrennStufen = trennStufen;
        l.m_nHPositionStufen = l.m_nVLaengeStufen = l.m_nVPositionStufen = l.m_nVTrennStufen = 1;
        l.m_nWiederholungen = 1;
        test.SetLinien(l);
    }
    CTestBericht& Bericht() { return *test.GetBericht(0); }
};

// Every recorded coordinate is a sane number inside a generous box.
inline bool AlleKoordinatenVernuenftig(const CRecorderDC& dc)
{
    for (const auto& e : dc.Eintraege())
        for (POINT p : e.punkte)
            if (std::abs(p.x) > 100000 || std::abs(p.y) > 100000)
                return false;
    for (const std::string& t : dc.Texte())
        if (t.find("nan") != std::string::npos || t.find("inf") != std::string::npos)
            return false;
    return true;
}
