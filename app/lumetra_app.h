#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QFont>

#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"
#include "platform/draw/qpainter/painter_dc.h"

#include "platform/einstellungen.h"
class CDokumentVorlage;
class CLMDokument;
class CMainFrame;
class QPrinter;

// The one application object: owns the environment and the user profile for
// the whole run, starts the program, keeps the document types, the recent
// files and the status bar's file names. Everything else reaches the
// environment and the profile through it (GetLumetraApp()).
class CLumetraApp {
public:
    // Without a store the Qt settings store (Vardenix/Lumetra) is used.
    explicit CLumetraApp(std::unique_ptr<CEinstellungen> einstellungen = nullptr);
    ~CLumetraApp();
    CLumetraApp(const CLumetraApp&) = delete;
    CLumetraApp& operator=(const CLumetraApp&) = delete;

    // Start-up. Files named on the command line are opened once the document
    // types exist. False: end at once.
    bool InitInstance(const std::vector<std::string>& befehlszeile = {});

    CLMDokument* OpenDocumentFile(const std::string& pfad);

    // 0, or 1 when the file could not be opened. A refused file also answers
    // 0; *code (when given) receives the loader's own code.
    int LadeProfil(const std::string& pfad, int* code = nullptr);
    // Written through a temporary file; 0, or 1 when it could not be written.
    int SpeichereProfil(const std::string& pfad);
    int LadeUmgebung(const std::string& pfad, int* code = nullptr);

    void ZeigeDateinamen();
    void AktualisiereAlleDokumente();

    // Commands the application answers (new, open, recent files, exit);
    // false for any other id.
    bool Befehl(int id);
    void OnFileNew();
    void OnFileOpen();
    // Asks for every modified document; false when one was kept.
    bool SaveAllModified();
    void CloseAllDocuments();

    // Commands on the environment file and the profile.
    void OnUmgebungOeffnen();
    void OnUmgebungSpeichern();
    void OnUmgebungSpeichernUnter();
    void OnAnordnung();
    void OnAnzeige();
    void OnDateiverwaltung();
    void OnProfildatei();
    void OnProgrammbeschreibung();
    // Printer set-up: printer, paper and orientation for every later job.
    void OnFilePrintSetup();
    // The printer that print jobs and previews start from; made when first used.
    QPrinter& GetDrucker();
    // Profile folder + the expanded file name.
    std::string GetProfilpfad() const;
    // Through a temporary file; 0, or 1 with the environment's file unchanged.
    int SpeichereUmgebung(const std::string& pfad);

    void AddToRecentFileList(const std::string& pfad);
    const std::vector<std::string>& GetDateiliste() const { return m_dateiliste; }

    CMainFrame* GetMainWnd() const { return m_pHauptfenster.get(); }
    const std::vector<std::unique_ptr<CDokumentVorlage>>& GetVorlagen() const { return m_vorlagen; }
    CEinstellungen& GetEinstellungen() { return *m_einstellungen; }

    // A stored profile path applied to the profile: folder and file name
    // pattern (".lmp" added when the name has no ".", "$b" put before a bare
    // extension).
    static void WendeProfilpfadAn(CBenutzerprofil& profil, std::string pfad);
    // The stored path: per user, the older per-user section, machine-wide.
    std::string LeseProfilpfad();
    // Machine-wide when possible; the per-user entry then holds the empty text.
    void SchreibeProfilpfad(const std::string& pfad);

    // The profile's dialog font as a Qt font.
    QFont GetDialogSchrift() const;

    // Constructed first: the environment keeps the profile's address.
    CUmgebung m_Umgebung;
    CBenutzerprofil m_Profil;

private:
    std::unique_ptr<CEinstellungen> m_einstellungen;
    std::vector<std::unique_ptr<CDokumentVorlage>> m_vorlagen;
    std::unique_ptr<CMainFrame> m_pHauptfenster;
    std::unique_ptr<QPrinter> m_pDrucker;
    std::vector<std::string> m_dateiliste;

    void SpeichereProfilMitMeldung();
    void LadeDateiliste();
    void SpeichereDateiliste();
    CDokumentVorlage* VorlageFuer(const std::string& pfad) const;
};

// The running application object (null before it exists).
CLumetraApp* GetLumetraApp();

// File dialogs through the modal runner; empty when cancelled.
std::string DateiOeffnenDialog(const std::vector<std::string>& filter);
std::string DateiSpeichernDialog(const std::string& filter, const std::string& endung, const std::string& vorschlag);
