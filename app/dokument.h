#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QMdiSubWindow>
#include <QScrollArea>

class CArchive;
class CDokumentVorlage;
class CLMDokument;
class CLumetraApp;

// A view of a document: a fixed-size form in a scroll area. This base shows
// an empty form; the document types' own views fill it.
class CFormAnsicht : public QScrollArea {
    Q_OBJECT
public:
    explicit CFormAnsicht(CLMDokument* dokument, QWidget* eltern = nullptr);
    ~CFormAnsicht() override;

    CLMDokument* GetDocument() const { return m_pDokument; }
    QWidget* GetFormular() const { return m_formular; }
    // The document changed (after reading, and when every document is asked
    // to refresh); hint 0 means everything.
    virtual void OnUpdate(CFormAnsicht* sender, int hinweis);
    // Commands of the view; false when it has none for the id.
    virtual bool Befehl(int) { return false; }
    int GetAktualisierungen() const { return m_nAktualisierungen; }

private:
    friend class CLMDokument;
    friend class CDokumentFenster;
    CLMDokument* m_pDokument;
    QWidget* m_formular;
    int m_nAktualisierungen = 0;
};

// The window of one document inside the main window's MDI area. Closing it
// asks to save a modified document; "Abbrechen" keeps it open.
class CDokumentFenster : public QMdiSubWindow {
    Q_OBJECT
public:
    CDokumentFenster(CLMDokument* dokument, CFormAnsicht* ansicht);
    ~CDokumentFenster() override;
    CLMDokument* GetDocument() const { return m_pDokument; }
    CFormAnsicht* GetAnsicht() const { return m_pAnsicht; }
    // The document goes with its last window; no question is asked.
    void OhneFrageSchliessen();
    // Size of the window when it opens.
    virtual QSize ErsteGroesse() const { return QSize(626, 486); }
    // Where a new window of a size goes in an area of the MDI area: the
    // first free place of the cascade from the top left (step by step down
    // and right, `belegt` the top-left corners of the windows there) whose
    // window lies inside the area, else the top left; a size larger than
    // the area is cut to it.
    static QRect NeuerPlatz(QSize bereich, QSize groesse, const std::vector<QPoint>& belegt, int schritt);
    // The main frame built its menu anew while this window was active.
    virtual void MenueErneuert() {}

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    CLMDokument* m_pDokument;
    CFormAnsicht* m_pAnsicht;
    bool m_bOhneFrage = false;
};

// Base of the two document types: path, title, modified flag and views, and
// the steps of new, open, save and close. The file is exactly the model's
// archive stream.
class CLMDokument {
public:
    explicit CLMDokument(CDokumentVorlage* vorlage);
    virtual ~CLMDokument();
    CLMDokument(const CLMDokument&) = delete;
    CLMDokument& operator=(const CLMDokument&) = delete;

    // How opening a file ended.
    enum Oeffnen { Geoeffnet = 0, Abgelehnt = 1, NichtLesbar = 2 };

    // Fills a new document; false stops its creation.
    virtual bool OnNewDocument();
    // Reads the file into the document.
    Oeffnen OnOpenDocument(const std::string& pfad);
    // Writes the document to a temporary file and renames it over the
    // target; false (with a message naming the path) leaves the old file.
    bool OnSaveDocument(const std::string& pfad);
    // The model's stream; answers the model's code (0 read or written).
    virtual int Serialize(CArchive& ar) = 0;

    // The model's path when the document holds the built-in defaults: the
    // type's folder, the title and the extension.
    virtual void SetzeStandardPfad() = 0;
    virtual std::string GetModellPfad() const = 0;
    // Commands of the document; false when it has none for the id.
    virtual bool Befehl(int id);

    // Save under the current name, or ask for one when there is none.
    bool DoFileSave();
    // Asks for a name (proposing the current one or the model's path) and saves.
    bool DoSaveAs();
    // Asks "Änderungen in ... speichern?" for a modified document; false:
    // the user cancelled or saving failed.
    bool SaveModified();

    bool IsModified() const { return m_bGeaendert; }
    void SetModifiedFlag(bool geaendert = true) { m_bGeaendert = geaendert; }
    const std::string& GetPathName() const { return m_strPfadname; }
    // Sets the path and the title (the file name); adds it to the recent files.
    void SetPathName(const std::string& pfad, bool zurListe = true);
    const std::string& GetTitle() const { return m_strTitel; }
    void SetTitle(const std::string& titel);

    CDokumentVorlage* GetDocTemplate() const { return m_pVorlage; }
    const std::vector<CFormAnsicht*>& GetAnsichten() const { return m_ansichten; }
    CDokumentFenster* GetFenster() const { return m_pFenster; }
    void UpdateAllViews(CFormAnsicht* sender, int hinweis = 0);

private:
    friend class CFormAnsicht;
    friend class CDokumentFenster;
    friend class CDokumentVorlage;
    CDokumentVorlage* m_pVorlage;
    std::string m_strPfadname;
    std::string m_strTitel;
    bool m_bGeaendert = false;
    std::vector<CFormAnsicht*> m_ansichten;
    CDokumentFenster* m_pFenster = nullptr;
};

// A document type: its names from the template string, its running number
// for new titles, and its open documents.
class CDokumentVorlage {
public:
    using Fabrik = std::function<std::unique_ptr<CLMDokument>(CDokumentVorlage*)>;
    // Makes the window of a document with its view.
    using FensterFabrik = std::function<CDokumentFenster*(CLMDokument&)>;

    // Template string: "\nDocName\nNewName\nFilter\n.ext\nTypeId\nTypeName".
    CDokumentVorlage(int ressource, const std::string& vorlagenText, Fabrik fabrik, CLumetraApp* app);
    ~CDokumentVorlage();

    int GetRessource() const { return m_nRessource; }
    const std::string& GetDokumentName() const { return m_strDokName; }
    const std::string& GetNeuName() const { return m_strNeuName; }
    const std::string& GetFilterName() const { return m_strFilter; }
    const std::string& GetEndung() const { return m_strEndung; }
    CLumetraApp* GetApp() const { return m_pApp; }
    // Without one, documents get an empty view in a plain window.
    void SetFensterFabrik(FensterFabrik fabrik) { m_fensterFabrik = std::move(fabrik); }

    // Empty path: a new document; otherwise opens the file. Answers the
    // document, or null when none was created.
    CLMDokument* OpenDocumentFile(const std::string& pfad);
    // True when the path ends in this type's extension (any case).
    bool PasstEndung(const std::string& pfad) const;

    std::vector<CLMDokument*> GetDokumente() const;
    // Destroys a document whose window has gone.
    void Entfernen(CLMDokument* dokument);

private:
    int m_nRessource;
    std::string m_strDokName, m_strNeuName, m_strFilter, m_strEndung;
    Fabrik m_fabrik;
    FensterFabrik m_fensterFabrik;
    CLumetraApp* m_pApp;
    int m_nUnbenannt = 0;
    std::vector<std::unique_ptr<CLMDokument>> m_dokumente;

    // "LM-Training" + the next running number, counted only for documents
    // that come into being.
    void SetzeStandardTitel(CLMDokument& dokument);
    CDokumentFenster* ErzeugeFenster(CLMDokument& dokument);
    void Zeigen(CLMDokument& dokument);
};
