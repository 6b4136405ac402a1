#pragma once

#include <utility>

#include "model/hintergrund.h"

class CUmgebung;

// What a training and a test share: the environment their records are
// checked against, and their background and colours. The models copy it
// only through their own assignment, which passes every record through
// its setter again.
class CModell {
public:
    virtual ~CModell() = default;

    void SetUmgebung(CUmgebung* umgebung) { m_pUmgebung = umgebung; }
    CUmgebung* GetUmgebung() const { return m_pUmgebung; }

    const CHintergrund& GetHintergrund() const { return m_Hintergrund; }
    CHGMuster GetHGMuster() const { return m_Hintergrund.GetHGMuster(); }
    CHGBewegung GetHGBewegung() const { return m_Hintergrund.GetHGBewegung(); }
    CHGAufgabe GetHGAufgabe() const { return m_Hintergrund.GetHGAufgabe(); }
    CFarben GetFarben() const { return m_Hintergrund.GetFarben(); }
    // Also applies the task and the motion again: their speed limits
    // follow the cycle width.
    void SetHGMuster(CHGMuster r) { m_Hintergrund.SetHGMuster(std::move(r), m_pUmgebung); }
    void SetHGBewegung(CHGBewegung r) { m_Hintergrund.SetHGBewegung(r); }
    void SetHGAufgabe(CHGAufgabe r) { m_Hintergrund.SetHGAufgabe(std::move(r), m_pUmgebung); }
    void SetFarben(const CFarben& r) { m_Hintergrund.SetFarben(r); }

protected:
    CModell() = default;
    CModell(const CModell&) = delete;
    CModell& operator=(const CModell&) = delete;

    CHintergrund m_Hintergrund;
    CUmgebung* m_pUmgebung = nullptr;
};
