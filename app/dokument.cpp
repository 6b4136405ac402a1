#include "app/dokument.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include <QCloseEvent>
#include <QMdiArea>
#include <QStyle>

#include "app/befehle.h"
#include "app/lumetra_app.h"
#include "app/mainfrm.h"
#include "app/symbole.h"
#include "platform/archiv.h"
#include "platform/meldung.h"
#include "platform/pfad.h"
#include "platform/datei.h"

// ---- CFormAnsicht

CFormAnsicht::CFormAnsicht(CLMDokument* dokument, QWidget* eltern)
    : QScrollArea(eltern), m_pDokument(dokument), m_formular(new QWidget)
{
    setObjectName("ansicht");
    m_formular->setObjectName("formular");
    m_formular->setFixedSize(600, 400);
    setWidget(m_formular);
    setWidgetResizable(false);
    if (m_pDokument)
        m_pDokument->m_ansichten.push_back(this);
}

CFormAnsicht::~CFormAnsicht()
{
    if (m_pDokument) {
        auto& liste = m_pDokument->m_ansichten;
        liste.erase(std::remove(liste.begin(), liste.end(), this), liste.end());
    }
}

void CFormAnsicht::OnUpdate(CFormAnsicht*, int) { ++m_nAktualisierungen; }

// ---- CDokumentFenster

CDokumentFenster::CDokumentFenster(CLMDokument* dokument, CFormAnsicht* ansicht)
    : m_pDokument(dokument), m_pAnsicht(ansicht)
{
    setObjectName("dokumentfenster");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgrammSymbol());
    setWidget(ansicht);
}

CDokumentFenster::~CDokumentFenster()
{
    if (m_pDokument)
        m_pDokument->m_pFenster = nullptr;
}

QRect CDokumentFenster::NeuerPlatz(QSize bereich, QSize groesse, const std::vector<QPoint>& belegt, int schritt)
{
    const QSize passend = groesse.boundedTo(bereich).expandedTo(QSize(0, 0));
    for (int k = 0; schritt > 0; ++k) {
        const QPoint ort(k * schritt, k * schritt);
        if (ort.x() + passend.width() > bereich.width() || ort.y() + passend.height() > bereich.height())
            break;
        if (std::find(belegt.begin(), belegt.end(), ort) == belegt.end())
            return QRect(ort, passend);
    }
    return QRect(QPoint(0, 0), passend);
}

void CDokumentFenster::OhneFrageSchliessen()
{
    m_bOhneFrage = true;
    close();
}

void CDokumentFenster::closeEvent(QCloseEvent* ereignis)
{
    if (!m_pDokument) {
        QMdiSubWindow::closeEvent(ereignis);
        return;
    }
    if (!m_bOhneFrage && !m_pDokument->SaveModified()) {
        ereignis->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(ereignis);
    if (!ereignis->isAccepted())
        return;
    // The window leaves the MDI area first, so that the document's end sees
    // which window is active now.
    CLMDokument* dokument = m_pDokument;
    m_pDokument = nullptr;
    m_pAnsicht->m_pDokument = nullptr;
    dokument->m_pFenster = nullptr;
    dokument->m_ansichten.clear();
    hide();
    if (QMdiArea* mdi = mdiArea(); mdi && mdi->subWindowList().contains(this))
        mdi->removeSubWindow(this);
    dokument->GetDocTemplate()->Entfernen(dokument);
}

// ---- CLMDokument

CLMDokument::CLMDokument(CDokumentVorlage* vorlage) : m_pVorlage(vorlage) {}

CLMDokument::~CLMDokument()
{
    if (CLumetraApp* app = GetLumetraApp(); app && app->GetMainWnd())
        app->GetMainWnd()->SetzeSymbolleisteZurueck();
}

bool CLMDokument::OnNewDocument()
{
    m_strPfadname.clear();
    m_bGeaendert = false;
    return true;
}

CLMDokument::Oeffnen CLMDokument::OnOpenDocument(const std::string& pfad)
{
    int code = 0;
    try {
        CArchive ar(CArchive::load, pfad);
        code = Serialize(ar);
    } catch (const CArchiveException& e) {
        AfxMessageBox("Fehler: Die Datei konnte nicht gelesen werden. Der Dateiname lautet " + pfad::Anzeige(pfad),
                      MB_OK | MB_ICONEXCLAMATION);
        return NichtLesbar;
    }
    m_bGeaendert = false;
    return code == 0 ? Geoeffnet : Abgelehnt;
}

namespace {

// A name that opens may still be too long to save: the temporary beside it
// needs a longer one. The limit is in bytes, as the file system counts.
std::string NameZuLangText(const std::string& pfad)
{
    return "Fehler: Die Datei konnte nicht gespeichert werden, weil ihr Name zu lang ist. Der Dateiname lautet " +
           pfad::Anzeige(pfad) + "\n\nDer Name ist " + std::to_string(pfad::DateiName(pfad).size()) +
           " Byte lang, gespeichert werden kann ein Name von höchstens " +
           std::to_string(LaengsterSpeicherbarerName(pfad)) +
           " Byte. Buchstaben ohne Akzent, Ziffern und Satzzeichen zählen je 1 Byte, Umlaute und ß je 2 Byte.";
}

} // namespace

bool CLMDokument::OnSaveDocument(const std::string& pfad)
{
    // The stream is built in memory and only then written, so nothing half
    // written ever replaces the previous file.
    int fehler = 0;
    SpeicherFehler grund = SpeicherFehler::Keiner;
    try {
        CArchive ar(CArchive::store, pfad);
        fehler = Serialize(ar);
        if (!fehler)
            fehler = SchreibeDateiSicher(ar.GetFilePath(), ar.GetBytes(), &grund);
    } catch (const CArchiveException&) {
        fehler = 1;
    }
    if (fehler) {
        AfxMessageBox(grund == SpeicherFehler::NameZuLang
                          ? NameZuLangText(pfad)
                          : "Fehler: Die Datei konnte nicht gespeichert werden. Der Dateiname lautet " +
                                pfad::Anzeige(pfad),
                      MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_bGeaendert = false;
    return true;
}

bool CLMDokument::Befehl(int id)
{
    switch (id) {
    case ID_FILE_CLOSE:
        if (m_pFenster)
            m_pFenster->close();
        return true;
    case ID_FILE_SAVE: DoFileSave(); return true;
    case ID_FILE_SAVE_AS: DoSaveAs(); return true;
    default: return false;
    }
}

bool CLMDokument::DoFileSave()
{
    if (m_strPfadname.empty())
        return DoSaveAs();
    return OnSaveDocument(m_strPfadname);
}

bool CLMDokument::DoSaveAs()
{
    std::string vorschlag = m_strPfadname.empty() ? GetModellPfad() : m_strPfadname;
    if (vorschlag.empty())
        vorschlag = m_strTitel;
    std::string pfad = DateiSpeichernDialog(m_pVorlage->GetFilterName(), m_pVorlage->GetEndung(), vorschlag);
    if (pfad.empty())
        return false;
    if (!OnSaveDocument(pfad))
        return false;
    SetPathName(pfad);
    return true;
}

bool CLMDokument::SaveModified()
{
    if (!m_bGeaendert)
        return true;
    const std::string name = m_strPfadname.empty() ? m_strTitel : m_strPfadname;
    switch (AfxMessageBox("Änderungen in " + name + " speichern?", MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES: return DoFileSave();
    case IDNO: return true;
    default: return false;
    }
}

void CLMDokument::SetPathName(const std::string& pfad, bool zurListe)
{
    m_strPfadname = pfad;
    SetTitle(pfad::DateiName(pfad));
    if (zurListe)
        if (CLumetraApp* app = GetLumetraApp())
            app->AddToRecentFileList(pfad);
}

void CLMDokument::SetTitle(const std::string& titel)
{
    m_strTitel = titel;
    if (m_pFenster)
        m_pFenster->setWindowTitle(QString::fromStdString(titel));
    if (CLumetraApp* app = GetLumetraApp(); app && app->GetMainWnd())
        app->GetMainWnd()->AktualisiereTitel();
}

void CLMDokument::UpdateAllViews(CFormAnsicht* sender, int hinweis)
{
    for (CFormAnsicht* ansicht : std::vector<CFormAnsicht*>(m_ansichten))
        if (ansicht != sender)
            ansicht->OnUpdate(sender, hinweis);
}

// ---- CDokumentVorlage

CDokumentVorlage::CDokumentVorlage(int ressource, const std::string& vorlagenText, Fabrik fabrik, CLumetraApp* app)
    : m_nRessource(ressource), m_fabrik(std::move(fabrik)), m_pApp(app)
{
    std::vector<std::string> teile;
    std::istringstream text(vorlagenText);
    for (std::string teil; std::getline(text, teil, '\n');)
        teile.push_back(teil);
    teile.resize(7);
    m_strDokName = teile[1];
    m_strNeuName = teile[2];
    m_strFilter = teile[3];
    m_strEndung = teile[4];
}

CDokumentVorlage::~CDokumentVorlage()
{
    // Windows first: they point at their documents.
    for (CLMDokument* d : GetDokumente())
        if (d->m_pFenster)
            d->m_pFenster->OhneFrageSchliessen();
    m_dokumente.clear();
}

bool CDokumentVorlage::PasstEndung(const std::string& pfad) const
{
    if (m_strEndung.empty() || pfad.size() < m_strEndung.size())
        return false;
    return std::equal(m_strEndung.begin(), m_strEndung.end(), pfad.end() - static_cast<long>(m_strEndung.size()),
                      [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

void CDokumentVorlage::SetzeStandardTitel(CLMDokument& dokument)
{
    dokument.SetTitle(m_strDokName + std::to_string(m_nUnbenannt + 1));
}

CDokumentFenster* CDokumentVorlage::ErzeugeFenster(CLMDokument& dokument)
{
    CDokumentFenster* fenster = m_fensterFabrik ? m_fensterFabrik(dokument)
                                                : new CDokumentFenster(&dokument, new CFormAnsicht(&dokument));
    dokument.m_pFenster = fenster;
    fenster->setWindowTitle(QString::fromStdString(dokument.GetTitle()));
    return fenster;
}

void CDokumentVorlage::Zeigen(CLMDokument& dokument)
{
    CDokumentFenster* fenster = dokument.m_pFenster;
    CMainFrame* haupt = m_pApp ? m_pApp->GetMainWnd() : nullptr;
    if (haupt) {
        QMdiArea* mdi = haupt->GetMdiArea();
        // The MDI area's own placement looks for room anywhere and may put
        // the window partly outside, where no scroll bar reaches it.
        std::vector<QPoint> belegt;
        for (QMdiSubWindow* w : mdi->subWindowList())
            if (w->isVisible() && !w->isMinimized())
                belegt.push_back(w->pos());
        mdi->addSubWindow(fenster);
        QObject::connect(fenster, &QMdiSubWindow::windowStateChanged, haupt, &CMainFrame::AktualisiereTitel,
                         Qt::QueuedConnection);
        const int schritt = fenster->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, fenster) +
                            fenster->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, fenster);
        fenster->setGeometry(
            CDokumentFenster::NeuerPlatz(mdi->viewport()->size(), fenster->ErsteGroesse(), belegt, schritt));
    }
    fenster->show();
    if (haupt)
        haupt->GetMdiArea()->setActiveSubWindow(fenster);
    dokument.UpdateAllViews(nullptr, 0);
}

CLMDokument* CDokumentVorlage::OpenDocumentFile(const std::string& pfad)
{
    std::unique_ptr<CLMDokument> neu = m_fabrik(this);
    CLMDokument& dokument = *neu;
    ErzeugeFenster(dokument);

    if (pfad.empty()) {
        SetzeStandardTitel(dokument);
        if (!dokument.OnNewDocument()) {
            delete dokument.m_pFenster;
            return nullptr;
        }
        ++m_nUnbenannt;
    } else {
        switch (dokument.OnOpenDocument(pfad)) {
        case CLMDokument::Geoeffnet: dokument.SetPathName(pfad); break;
        case CLMDokument::Abgelehnt:
        case CLMDokument::NichtLesbar:
            // The message has been shown; a window of defaults in its place
            // would only pass for the file.
            delete dokument.m_pFenster;
            return nullptr;
        }
    }
    m_dokumente.push_back(std::move(neu));
    Zeigen(dokument);
    return &dokument;
}

std::vector<CLMDokument*> CDokumentVorlage::GetDokumente() const
{
    std::vector<CLMDokument*> liste;
    for (const auto& d : m_dokumente)
        liste.push_back(d.get());
    return liste;
}

void CDokumentVorlage::Entfernen(CLMDokument* dokument)
{
    auto it = std::find_if(m_dokumente.begin(), m_dokumente.end(),
                           [dokument](const auto& d) { return d.get() == dokument; });
    if (it == m_dokumente.end())
        return;
    std::unique_ptr<CLMDokument> weg = std::move(*it);
    m_dokumente.erase(it);
    weg.reset();
}
