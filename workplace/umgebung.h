#pragma once

#include <cstdint>
#include <string>

#include "workplace/modusliste.h"
#include "workplace/reizkatalog.h"
#include "workplace/tastenliste.h"

class CArchive;
class CBenutzerprofil;

// How display and viewer are arranged, in cm.
class CAnordnung {
public:
    CAnordnung() = default;
    virtual ~CAnordnung() = default;
    CAnordnung(const CAnordnung&) = default;
    CAnordnung& operator=(const CAnordnung&) = default;

    double m_dAbstand = 50.0; // viewer's eyes to the display
    double m_dBreite = 40.0; // visible display area
    double m_dHoehe = 30.0;

    // Below a millimetre every conversion breaks down (a size of 0 divides
    // by zero); beyond ten metres no screen or viewer stands in a room, and
    // angles and speeds would round to 0 on every page and report.
    static constexpr double kMin = 0.1;
    static constexpr double kMax = 1000.0;
    // cm within kMin .. kMax: not a number is kMin, an infinity the bound
    // on its side.
    static double Begrenzt(double cm) { return cm >= kMin ? (cm <= kMax ? cm : kMax) : kMin; }
    // All three values so.
    void Begrenzen()
    {
        m_dAbstand = Begrenzt(m_dAbstand);
        m_dBreite = Begrenzt(m_dBreite);
        m_dHoehe = Begrenzt(m_dHoehe);
    }
};

// The screen mode presentations use.
class CBildschirmModus {
public:
    CBildschirmModus() = default;
    virtual ~CBildschirmModus() = default;
    CBildschirmModus(const CBildschirmModus&) = default;
    CBildschirmModus& operator=(const CBildschirmModus&) = default;

    uint32_t m_dwBreite = 1024;
    uint32_t m_dwHoehe = 768;
    uint32_t m_dwFarbtiefe = 8; // 0: the display reported no RGB depth
    uint32_t m_dwFrequenz = 75; // 0: the display's default rate
    uint32_t m_dwLetzteFrequenz = 75; // last non-zero rate this record carried
    std::string m_strTreiber = "Primärer Anzeigentreiber"; // shown and stored only

    // The rate to ask for: the named rate, else at the display's default
    // rate the last one named.
    uint32_t GetWunschfrequenz() const { return m_dwFrequenz ? m_dwFrequenz : m_dwLetzteFrequenz; }
    // A named rate becomes the last refresh rate.
    void FrequenzMerken()
    {
        if (m_dwFrequenz != 0)
            m_dwLetzteFrequenz = m_dwFrequenz;
    }
    // The rate the display really took, kept where the rate to ask for
    // came from.
    void SetGesetzteFrequenz(uint32_t frequenz) { (m_dwFrequenz ? m_dwFrequenz : m_dwLetzteFrequenz) = frequenz; }
};

// Unit codes of the display options: the first matching kind decides.
enum : uint32_t {
    EINHEIT_WINKEL = 0x0001,
    EINHEIT_LAENGE = 0x0002,
    EINHEIT_ANTEIL = 0x0004,
    EINHEIT_PIXEL = 0x0008,
    EINHEIT_MM = 0x0100,
    EINHEIT_CM = 0x0200,
    EINHEIT_DM = 0x0400,
    EINHEIT_BOGENSEKUNDEN = 0x1000,
    EINHEIT_BOGENMINUTEN = 0x2000,
    EINHEIT_PROZENT = 0x4000,
};

// The environment of the whole run: arrangement, screen mode, usable modes,
// the reaction keys, the stimulus catalogue, and every conversion between
// parts of the display (the internal measure), the user's unit and pixels.
class CUmgebung {
public:
    // The application passes its profile member; it is not used before
    // SetProfil binds it again once the profile file is loaded.
    explicit CUmgebung(CBenutzerprofil* profil = nullptr);
    virtual ~CUmgebung();
    CUmgebung(const CUmgebung&) = delete;
    CUmgebung& operator=(const CUmgebung&) = delete;

    int SetProfil(CBenutzerprofil* profil);
    int Berechnen();

    CAnordnung GetAnordnung() const { return m_Anordnung; }
    CBildschirmModus GetBildschirmModus() const { return m_Modus; }
    // No range check: the dialog and the file loader keep sizes sane.
    int SetAnordnung(const CAnordnung& anordnung);
    // The mode the display really took: it is listed from now on.
    int SetBildschirmModus(CBildschirmModus& modus);
    // Accepts the mode, or the nearest listed one with a message; 1 when no
    // mode is listed, the screen mode then stays as it was.
    int PruefeModus(CBildschirmModus& modus);
    // 0, or 1-3 when the display could not be asked (the list stays empty).
    int ModiErmitteln();
    void SetGeaendert() { m_bGeaendert = true; }
    bool IstGeaendert() const { return m_bGeaendert; }
    const std::string& GetPfad() const { return m_strPfad; }

    // The environment file (.lmu). Storing answers 0; loading answers a code
    // of LiesDateikopf or DATEI_BESCHAEDIGT (dateikopf.h) and changes nothing
    // unless it answers 0.
    int Serialize(CArchive& ar);

    std::string GetEinheitText() const;
    int GetDezimalstellen() const;

    double InAnteilX(double wert, uint32_t einheit) const;
    double InAnteilY(double wert, uint32_t einheit) const;
    double EinheitInAnteilX(double wert) const { return InAnteilX(wert, Einheit()); }
    double EinheitInAnteilY(double wert) const { return InAnteilY(wert, Einheit()); }
    double AnteilInEinheitX(double anteil) const;
    double AnteilInEinheitY(double anteil) const;
    // Halves round upwards, also for negative positions.
    int32_t AnteilInPixelX(double anteil) const;
    int32_t AnteilInPixelY(double anteil) const;
    double AnteilInPixelXUngerundet(double anteil) const { return m_Modus.m_dwBreite * anteil; }
    double AnteilInPixelYUngerundet(double anteil) const { return m_Modus.m_dwHoehe * anteil; }

    static constexpr uint32_t kVersion = 110;

private:
    std::string m_strPfad;

public:
    CModusListe m_Modusliste;
    CTastenliste m_Tastenliste;
    CReizkatalog m_Reizkatalog;

private:
    CBenutzerprofil* m_pProfil;
    CAnordnung m_Anordnung;
    CBildschirmModus m_Modus;
    double m_dFaktorX = 1.0; // parts of the display width per metre
    double m_dFaktorY = 1.0;
    double m_dWinkelFaktor = 1.0; // metres on the display per degree
    bool m_bGeaendert = false;

    // Unit of the bound profile; parts of the display without one.
    uint32_t Einheit() const;
    int Laden(CArchive& ar);
};
