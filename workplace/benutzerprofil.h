#pragma once

#include <cstdint>
#include <string>

#include "platform/draw/dc.h"

class CArchive;

// Flags of the display options.
enum : uint32_t {
    ANZEIGE_WARNUNG_EINHEITEN = 0x1,
    ANZEIGE_WERKZEUGLEISTE = 0x2,
    ANZEIGE_STATUSLEISTE = 0x4,
    ANZEIGE_UMGEBUNGSDATEN = 0x8,
};

// How sizes are shown: the user's unit (codes as in CUmgebung), its label,
// the decimal places and which bars the main window shows.
class CAnzeigeOptionen {
public:
    CAnzeigeOptionen();
    virtual ~CAnzeigeOptionen() = default;
    CAnzeigeOptionen(const CAnzeigeOptionen&) = default;
    CAnzeigeOptionen& operator=(const CAnzeigeOptionen&) = default;

    // Stores the code and derives the label from it.
    void SetEinheit(uint32_t einheit);
    uint32_t GetEinheit() const { return m_dwEinheit; }
    // Not range-checked: the formatting code caps what it shows.
    void SetDezimalstellen(int32_t stellen) { m_nDezimalstellen = stellen; }
    int32_t GetDezimalstellen() const { return m_nDezimalstellen; }
    std::string GetEinheitText() const { return m_strEinheit; }

    uint32_t m_dwFlags;

private:
    uint32_t m_dwEinheit;
    int32_t m_nDezimalstellen;
    std::string m_strEinheit;
};

// Folders and template files. Only the eight the user edits are stored in
// the profile file; the rest are found anew at every start.
class CVerzeichnisse {
public:
    CVerzeichnisse();
    virtual ~CVerzeichnisse() = default;
    CVerzeichnisse(const CVerzeichnisse&) = default;
    CVerzeichnisse& operator=(const CVerzeichnisse&) = default;

    std::string m_strProgramm; // current folder at start
    std::string m_strDokumente; // the user's documents
    std::string m_strEigeneTexte;
    std::string m_strEigeneBilder;
    std::string m_strTextdateien; // built-in text files
    std::string m_strTexte; // built-in reading texts
    std::string m_strBilder; // built-in pictures and stimulus bitmaps
    std::string m_strTrainings;
    std::string m_strTrainingsVorlage;
    std::string m_strTests;
    std::string m_strTestVorlage;
    std::string m_strUmgebungen;
    std::string m_strUmgebungsVorlage; // loaded at start-up
};

// The one user profile of the run: who works, where the profile file lies,
// display options, folders and the dialog font.
class CBenutzerprofil {
public:
    CBenutzerprofil();
    virtual ~CBenutzerprofil();
    CBenutzerprofil(const CBenutzerprofil&) = delete;
    CBenutzerprofil& operator=(const CBenutzerprofil&) = delete;

    // Storing always answers 0. Loading answers a code of LiesDateikopf or
    // DATEI_BESCHAEDIGT (dateikopf.h); a
    // refused or damaged file is named in a message and changes nothing, so
    // start-up must not store the profile back over it.
    int Serialize(CArchive& ar);

    const CAnzeigeOptionen& GetAnzeigeOptionen() const { return m_AnzeigeOptionen; }
    void SetAnzeigeoptionen(const CAnzeigeOptionen& optionen) { m_AnzeigeOptionen = optionen; }
    CVerzeichnisse GetVerzeichnisse() const { return m_Verzeichnisse; }
    // Takes only the texts the user may edit; the others keep what start found.
    void SetVerzeichnisse(CVerzeichnisse verzeichnisse);

    // The pattern with its first "$b" replaced by the user name.
    std::string GetProfildateiname() const;
    const std::string& GetBenutzername() const { return m_strBenutzer; }

    // Creates the dialog font, from the given font's description or the
    // default one; answers the font or null.
    CFont* ErzeugeSchrift(CFont* vorlage);
    CFont* GetSchrift() const { return m_pSchrift; }

    static constexpr uint32_t kVersion = 110;

private:
    std::string m_strBenutzer;

public:
    std::string m_strProfilMuster;
    std::string m_strProfilVerzeichnis;

private:
    CAnzeigeOptionen m_AnzeigeOptionen;
    CVerzeichnisse m_Verzeichnisse;
    CFont* m_pSchrift = nullptr;
    CFont m_Schrift;

    int Laden(CArchive& ar);
};
