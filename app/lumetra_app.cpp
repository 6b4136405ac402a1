#include "app/lumetra_app.h"

#include <algorithm>
#include <filesystem>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "app/befehle.h"
#include "app/dokument.h"
#include "app/kindrahmen.h"
#include "app/lmtestdoc.h"
#include "app/lmtrainingdoc.h"
#include "app/mainfrm.h"
#include "platform/archiv.h"
#include "platform/einstellungen.h"
#include "platform/meldung.h"
#include "platform/pfad.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "dialogs/dateiauswahl.h"
#include "platform/qt/modal.h"
#include "platform/datei.h"
#include "platform/qt/qt_einstellungen.h"
#include "platform/qt/qt_meldung.h"

namespace {

CLumetraApp* g_app = nullptr;

constexpr int kDateilisteGroesse = 4;
const char* const kDateilisteAbschnitt = "Recent File List";
const char* const kAltProfilordner = "LM-TR Benutzerprofile";
const char* const kProfilordner = "LMTR-Benutzerprofile";

std::string Verbinden(const std::string& ordner, const std::string& name) { return ordner + "/" + name; }

bool Existiert(const std::string& pfad) { return pfad::Existiert(pfad); }

// Reads a settings file through a loading archive; the loader answers its
// own code into *code. 1 when the file could not be opened or read.
template <class TObjekt>
int LadeDatei(TObjekt& objekt, const std::string& pfad, int* code)
{
    int ergebnis = 0;
    try {
        CArchive ar(CArchive::load, pfad);
        ergebnis = objekt.Serialize(ar);
    } catch (const CArchiveException&) {
        return 1;
    }
    if (code)
        *code = ergebnis;
    return 0;
}

} // namespace

CLumetraApp* GetLumetraApp() { return g_app; }

CLumetraApp::CLumetraApp(std::unique_ptr<CEinstellungen> einstellungen)
    : m_Umgebung(&m_Profil), m_einstellungen(std::move(einstellungen))
{
    if (!m_einstellungen)
        m_einstellungen = std::make_unique<CQtEinstellungen>();
    g_app = this;
}

CLumetraApp::~CLumetraApp()
{
    CloseAllDocuments();
    if (auto* dienst = dynamic_cast<CQtMeldungsDienst*>(&GetMeldungsDienst()))
        dienst->SetElternfenster(nullptr);
    m_pHauptfenster.reset();
    m_vorlagen.clear();
    if (g_app == this)
        g_app = nullptr;
}

bool CLumetraApp::InitInstance(const std::vector<std::string>& befehlszeile)
{
    LadeDateiliste();

    m_pHauptfenster = std::make_unique<CMainFrame>();
    m_pHauptfenster->SetAnwendungsBefehle([this](int id) { return Befehl(id); });
    m_pHauptfenster->SetSchliessenPruefung([this] {
        if (!SaveAllModified())
            return false;
        CloseAllDocuments();
        return true;
    });
    m_pHauptfenster->SetzeDateiliste(m_dateiliste);
    if (auto* dienst = dynamic_cast<CQtMeldungsDienst*>(&GetMeldungsDienst()))
        dienst->SetElternfenster(m_pHauptfenster.get());

    m_pHauptfenster->show();

    WendeProfilpfadAn(m_Profil, LeseProfilpfad());

    // A profile folder with the old name is first looked for under the new one.
    const std::string& ordner = m_Profil.m_strProfilVerzeichnis;
    const std::string alterOrdner = Verbinden(m_Profil.GetVerzeichnisse().m_strProgramm, kAltProfilordner);
    std::string ladeOrdner = ordner;
    if (ordner == alterOrdner)
        ladeOrdner = ordner.substr(0, ordner.size() - std::string(kAltProfilordner).size()) + kProfilordner;

    const std::string datei = m_Profil.GetProfildateiname();
    const std::string speicherPfad = Verbinden(ordner, datei);
    int code = 0;
    int geladen = LadeProfil(Verbinden(ladeOrdner, datei), &code);
    if (geladen != 0)
        geladen = LadeProfil(speicherPfad, &code);

    SchreibeProfilpfad(Verbinden(ordner, m_Profil.m_strProfilMuster));

    // The profile goes back only over a file it was read from, or where there
    // is none yet: never over a file that was refused or could not be read.
    const bool gelesen = geladen == 0 && code == 0;
    if (gelesen || !Existiert(speicherPfad)) {
        if (SpeichereProfil(speicherPfad) != 0)
            AfxMessageBox(
                "Fehler: Die Profildatei konnte nicht geöffnet werden. Der Dateiname der Profildatei lautet " +
                    pfad::Anzeige(speicherPfad),
                MB_OK | MB_ICONEXCLAMATION);
    }
    ZeigeDateinamen();

    m_Umgebung.SetProfil(&m_Profil);
    const std::string umgebung = m_Profil.GetVerzeichnisse().m_strUmgebungsVorlage;
    if (LadeUmgebung(umgebung) != 0)
        AfxMessageBox(
            "Fehler: Die Umgebungsdatei konnte nicht geöffnet werden. Der Dateiname der Umgebungsdatei lautet " +
                pfad::Anzeige(umgebung),
            MB_OK | MB_ICONEXCLAMATION);
    ZeigeDateinamen();

    m_vorlagen.push_back(std::make_unique<CDokumentVorlage>(
        IDR_TRAINING, CLMTrainingDoc::kVorlagenText,
        [](CDokumentVorlage* v) { return std::make_unique<CLMTrainingDoc>(v); }, this));
    m_vorlagen.back()->SetFensterFabrik(NeuesTrainingsfenster);
    m_vorlagen.push_back(std::make_unique<CDokumentVorlage>(
        IDR_TEST, CLMTestDoc::kVorlagenText, [](CDokumentVorlage* v) { return std::make_unique<CLMTestDoc>(v); },
        this));
    m_vorlagen.back()->SetFensterFabrik(NeuesTestfenster);

    // Files named on the command line open now that the types exist and the
    // environment is loaded.
    for (const std::string& arg : befehlszeile)
        if (!arg.empty() && arg[0] != '-')
            OpenDocumentFile(arg);

    m_pHauptfenster->update();
    return true;
}

void CLumetraApp::WendeProfilpfadAn(CBenutzerprofil& profil, std::string pfad)
{
    pfad = OhneRand(pfad);
    if (pfad.empty())
        return;
    std::string name = pfad;
    if (auto pos = pfad.find_last_of("\\/"); pos != std::string::npos) {
        profil.m_strProfilVerzeichnis = pfad.substr(0, pos);
        name = pfad.substr(pos + 1);
    }
    if (name.find('.') == std::string::npos)
        name += ".lmp";
    // A bare extension (the path ended with the folder) is the user's own file.
    if (name.rfind('.') == 0)
        name = "$b" + name;
    profil.m_strProfilMuster = name;
}

std::string CLumetraApp::LeseProfilpfad()
{
    std::string pfad = m_einstellungen->LeseText("Umgebung", "profil");
    if (pfad.empty())
        pfad = m_einstellungen->LeseText("Umgebungs", "profil");
    if (pfad.empty()) {
        std::string system;
        if (m_einstellungen->LeseSystemText("Umgebung", "profil", system))
            pfad = system;
    }
    return OhneRand(pfad);
}

void CLumetraApp::SchreibeProfilpfad(const std::string& pfad)
{
    if (m_einstellungen->SchreibeSystemText("Umgebung", "profil", pfad))
        m_einstellungen->SchreibeText("Umgebung", "profil", "");
    else
        m_einstellungen->SchreibeText("Umgebung", "profil", pfad);
}

int CLumetraApp::LadeProfil(const std::string& pfad, int* code) { return LadeDatei(m_Profil, pfad, code); }

int CLumetraApp::SpeichereProfil(const std::string& pfad)
{
    try {
        CArchive ar(CArchive::store, pfad);
        m_Profil.Serialize(ar);
        if (SchreibeDateiSicher(ar.GetFilePath(), ar.GetBytes()) != 0)
            return 1;
    } catch (const CArchiveException&) {
        return 1;
    }
    AktualisiereAlleDokumente();
    return 0;
}

int CLumetraApp::LadeUmgebung(const std::string& pfad, int* code) { return LadeDatei(m_Umgebung, pfad, code); }

void CLumetraApp::ZeigeDateinamen()
{
    if (m_pHauptfenster) {
        const std::string& pfad = m_Umgebung.GetPfad();
        const std::string umgebung = pfad.empty() ? std::string("*.lmu") : pfad::DateiName(OhneRand(pfad));
        m_pHauptfenster->GetStatusLeiste()->SetzeText(1, QString::fromStdString(umgebung));
        m_pHauptfenster->GetStatusLeiste()->SetzeText(2, QString::fromStdString(m_Profil.GetProfildateiname()));
    }
    AktualisiereAlleDokumente();
}

void CLumetraApp::AktualisiereAlleDokumente()
{
    for (const auto& vorlage : m_vorlagen)
        for (CLMDokument* dokument : vorlage->GetDokumente())
            dokument->UpdateAllViews(nullptr, 0);
}

QFont CLumetraApp::GetDialogSchrift() const { return DialogSchrift(m_Profil.GetSchrift()); }

// ---- documents and commands

CDokumentVorlage* CLumetraApp::VorlageFuer(const std::string& pfad) const
{
    if (m_vorlagen.empty())
        return nullptr;
    for (const auto& vorlage : m_vorlagen)
        if (vorlage->PasstEndung(pfad))
            return vorlage.get();
    return m_vorlagen.front().get();
}

CLMDokument* CLumetraApp::OpenDocumentFile(const std::string& pfad)
{
    CDokumentVorlage* vorlage = VorlageFuer(pfad);
    if (!vorlage)
        return nullptr;
    // A file that is open already is brought to the front instead.
    std::error_code fehler;
    const auto gesucht = std::filesystem::weakly_canonical(pfad::ZumOeffnen(pfad), fehler);
    for (const auto& v : m_vorlagen)
        for (CLMDokument* d : v->GetDokumente()) {
            if (d->GetPathName().empty())
                continue;
            if (std::filesystem::weakly_canonical(d->GetPathName(), fehler) == gesucht && d->GetFenster()) {
                m_pHauptfenster->GetMdiArea()->setActiveSubWindow(d->GetFenster());
                return d;
            }
        }
    return vorlage->OpenDocumentFile(pfad);
}

void CLumetraApp::OnFileNew()
{
    if (m_vorlagen.empty())
        return;
    CDokumentVorlage* vorlage = m_vorlagen.front().get();
    if (m_vorlagen.size() > 1) {
        QDialog auswahl(m_pHauptfenster.get());
        auswahl.setObjectName("neudialog");
        auswahl.setWindowTitle("Neu");
        auto* layout = new QVBoxLayout(&auswahl);
        auto* titel = new QLabel("&Neu", &auswahl);
        layout->addWidget(titel);
        auto* liste = new QListWidget(&auswahl);
        titel->setBuddy(liste);
        liste->setObjectName("neuliste");
        for (const auto& v : m_vorlagen)
            liste->addItem(QString::fromStdString(v->GetNeuName()));
        liste->setCurrentRow(0);
        layout->addWidget(liste);
        auto* knoepfe = new QDialogButtonBox(&auswahl);
        knoepfe->addButton("OK", QDialogButtonBox::AcceptRole);
        knoepfe->addButton("Abbrechen", QDialogButtonBox::RejectRole);
        layout->addWidget(knoepfe);
        QObject::connect(knoepfe, &QDialogButtonBox::accepted, &auswahl, &QDialog::accept);
        QObject::connect(knoepfe, &QDialogButtonBox::rejected, &auswahl, &QDialog::reject);
        QObject::connect(liste, &QListWidget::itemDoubleClicked, &auswahl, &QDialog::accept);
        if (ModalAusfuehren(auswahl) != QDialog::Accepted || liste->currentRow() < 0)
            return;
        vorlage = m_vorlagen[static_cast<size_t>(liste->currentRow())].get();
    }
    vorlage->OpenDocumentFile({});
}

void CLumetraApp::OnFileOpen()
{
    std::vector<std::string> filter;
    for (const auto& v : m_vorlagen)
        filter.push_back(v->GetFilterName());
    const std::string pfad = DateiOeffnenDialog(filter);
    if (!pfad.empty())
        OpenDocumentFile(pfad);
}

bool CLumetraApp::Befehl(int id)
{
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kDateilisteGroesse) {
        const size_t i = static_cast<size_t>(id - ID_FILE_MRU_FILE1);
        if (i >= m_dateiliste.size())
            return true;
        const std::string pfad = m_dateiliste[i];
        if (!OpenDocumentFile(pfad)) {
            // A file that no longer opens leaves the list.
            m_dateiliste.erase(std::find(m_dateiliste.begin(), m_dateiliste.end(), pfad));
            SpeichereDateiliste();
        }
        return true;
    }
    switch (id) {
    case ID_FILE_NEW: OnFileNew(); return true;
    case ID_FILE_OPEN: OnFileOpen(); return true;
    case ID_UMGEBUNG_OEFFNEN: OnUmgebungOeffnen(); return true;
    case ID_UMGEBUNG_SPEICHERN: OnUmgebungSpeichern(); return true;
    case ID_UMGEBUNG_SPEICHERN_UNTER: OnUmgebungSpeichernUnter(); return true;
    case ID_ANORDNUNG: OnAnordnung(); return true;
    case ID_ANZEIGE: OnAnzeige(); return true;
    case ID_DATEIVERWALTUNG: OnDateiverwaltung(); return true;
    case ID_PROFILDATEI: OnProfildatei(); return true;
    case ID_PROGRAMMBESCHREIBUNG: OnProgrammbeschreibung(); return true;
    case ID_FILE_PRINT_SETUP: OnFilePrintSetup(); return true;
    case ID_APP_EXIT:
        if (m_pHauptfenster)
            m_pHauptfenster->close();
        return true;
    default: return false;
    }
}

QPrinter& CLumetraApp::GetDrucker()
{
    if (!m_pDrucker)
        m_pDrucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pDrucker;
}

void CLumetraApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&GetDrucker(), GetMainWnd());
    dialog.setObjectName("Druckereinrichtung");
    ModalAusfuehren(dialog);
}

bool CLumetraApp::SaveAllModified()
{
    for (const auto& v : m_vorlagen)
        for (CLMDokument* d : v->GetDokumente())
            if (!d->SaveModified())
                return false;
    return true;
}

void CLumetraApp::CloseAllDocuments()
{
    for (const auto& v : m_vorlagen)
        for (CLMDokument* d : v->GetDokumente()) {
            if (d->GetFenster())
                d->GetFenster()->OhneFrageSchliessen();
            else
                v->Entfernen(d);
        }
}

// ---- recent files

void CLumetraApp::LadeDateiliste()
{
    m_dateiliste.clear();
    for (int i = 1; i <= kDateilisteGroesse; ++i) {
        std::string pfad = m_einstellungen->LeseText(kDateilisteAbschnitt, "File" + std::to_string(i));
        if (!pfad.empty())
            m_dateiliste.push_back(pfad);
    }
}

void CLumetraApp::SpeichereDateiliste()
{
    for (int i = 1; i <= kDateilisteGroesse; ++i) {
        const size_t n = static_cast<size_t>(i - 1);
        m_einstellungen->SchreibeText(kDateilisteAbschnitt, "File" + std::to_string(i),
                                      n < m_dateiliste.size() ? m_dateiliste[n] : std::string());
    }
    if (m_pHauptfenster)
        m_pHauptfenster->SetzeDateiliste(m_dateiliste);
}

void CLumetraApp::AddToRecentFileList(const std::string& pfad)
{
    std::error_code fehler;
    std::string voll = std::filesystem::absolute(pfad::ZumOeffnen(pfad), fehler).lexically_normal().string();
    if (fehler)
        voll = pfad;
    m_dateiliste.erase(std::remove(m_dateiliste.begin(), m_dateiliste.end(), voll), m_dateiliste.end());
    m_dateiliste.insert(m_dateiliste.begin(), voll);
    if (m_dateiliste.size() > kDateilisteGroesse)
        m_dateiliste.resize(kDateilisteGroesse);
    SpeichereDateiliste();
}

// ---- file dialogs

namespace {

QWidget* Hauptfenster() { return g_app ? g_app->GetMainWnd() : nullptr; }

} // namespace

std::string DateiOeffnenDialog(const std::vector<std::string>& filter)
{
    CDateiAuswahl auswahl;
    auswahl.m_strName = "oeffnendialog";
    auswahl.m_strTitel = "Öffnen";
    auswahl.m_Filter = filter;
    auswahl.m_Filter.push_back("Alle Dateien (*)");
    auswahl.m_bMussExistieren = true;
    std::string pfad;
    return DateiAuswaehlen(Hauptfenster(), auswahl, pfad) == IDOK ? pfad : std::string();
}

std::string DateiSpeichernDialog(const std::string& filter, const std::string& endung, const std::string& vorschlag)
{
    CDateiAuswahl auswahl;
    auswahl.m_strName = "speicherndialog";
    auswahl.m_strTitel = "Speichern unter";
    auswahl.m_Filter = {filter};
    auswahl.m_strEndung = !endung.empty() && endung.front() == '.' ? endung.substr(1) : endung;
    auswahl.m_strStart = vorschlag;
    auswahl.m_bSpeichern = true;
    std::string pfad;
    return DateiAuswaehlen(Hauptfenster(), auswahl, pfad) == IDOK ? pfad : std::string();
}
