// Training and test documents: new, open, save, close.
#include "app_umgebung.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "app/befehle.h"
#include "app/lmtestdoc.h"
#include "app/lmtrainingdoc.h"
#include "platform/archiv.h"

class DokumentTest : public AppTest {
protected:
    CLMDokument* Neu(int zeile)
    {
        m_laeufer->m_antworten.push_back([zeile](QDialog& d) {
            d.findChild<QListWidget*>("neuliste")->setCurrentRow(zeile);
            d.accept();
            return d.result();
        });
        m_app->OnFileNew();
        auto* fenster = qobject_cast<CDokumentFenster*>(m_app->GetMainWnd()->GetMdiArea()->activeSubWindow());
        return fenster ? fenster->GetDocument() : nullptr;
    }
    int Offen() const { return static_cast<int>(m_app->GetMainWnd()->GetMdiArea()->subWindowList().size()); }
    void Befehl(int id) { m_app->GetMainWnd()->Befehl(id); }
};

// New documents count up and read their template whole; without one they
// keep the defaults and the message names the template.
TEST_F(DokumentTest, NeueDokumenteZaehlenUndLesenDieVorlage)
{
    LegeOrdnerAn();
    CBenutzerprofil p;
    CUmgebung u(&p);
    CTraining t;
    t.SetUmgebung(&u);
    t.SetAufgabenart(50);
    CArchive ar(CArchive::store, Pfad("LMTR-Trainings/Vorlage.lmt"));
    t.Serialize(ar);
    ar.Close();
    Starte();
    m_meldungen->m_meldungen.clear();
    auto* eins = dynamic_cast<CLMTrainingDoc*>(Neu(0));
    auto* zwei = dynamic_cast<CLMTrainingDoc*>(Neu(0));
    ASSERT_TRUE(eins && zwei);
    EXPECT_EQ(eins->GetTitle(), "LM-Training1");
    EXPECT_EQ(zwei->GetTraining().m_strPfad, Pfad("LMTR-Trainings/LM-Training2.lmt"));
    EXPECT_EQ(zwei->GetTraining().GetAufgabenart(), 50);
    EXPECT_FALSE(zwei->IsModified());
    EXPECT_TRUE(m_meldungen->Texte().empty());

    auto* test = dynamic_cast<CLMTestDoc*>(Neu(1));
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(m_meldungen->Texte(),
              std::vector<std::string>(
                  {"Fehler: Die Testvorlage konnte nicht geöffnet werden. Der Dateiname der Testvorlage lautet " +
                   Pfad("LMTR-Tests/Vorlage.lmd")}));
    EXPECT_EQ(test->GetTest().m_strPfad, Pfad("LMTR-Tests/LM-Test1.lmd"));
    EXPECT_FALSE(test->IsModified());
}

// Closing a changed document and quitting both ask and can be cancelled.
TEST_F(DokumentTest, SchliessenUndBeendenFragen)
{
    SchreibeVorlagen();
    Starte();
    Neu(0)->SetModifiedFlag();
    m_meldungen->m_antworten = {IDCANCEL};
    Befehl(ID_FILE_CLOSE);
    ASSERT_EQ(m_meldungen->m_meldungen.size(), 1u);
    EXPECT_EQ(m_meldungen->m_meldungen[0].text, "Änderungen in LM-Training1 speichern?");
    EXPECT_EQ(m_meldungen->m_meldungen[0].typ & 0x0F, static_cast<unsigned>(MB_YESNOCANCEL));
    m_meldungen->m_antworten = {IDCANCEL};
    EXPECT_FALSE(m_app->GetMainWnd()->close());
    EXPECT_EQ(Offen(), 1);

    m_meldungen->m_antworten = {IDNO};
    Befehl(ID_FILE_CLOSE);
    EXPECT_EQ(Offen(), 0);
    EXPECT_TRUE(m_app->GetVorlagen()[0]->GetDokumente().empty());
    EXPECT_EQ(m_app->GetMainWnd()->GetMenueRessource(), IDR_MAINFRAME);
    Neu(0)->SetModifiedFlag();
    m_meldungen->m_antworten = {IDNO};
    EXPECT_TRUE(m_app->GetMainWnd()->close());
    EXPECT_TRUE(m_app->GetVorlagen()[0]->GetDokumente().empty());
}

// The extension picks the type whatever its case; an open file comes to the
// front. A file that is missing, cut short, foreign or of the other type
// leaves its message and no window, also when named at start-up, and stays
// untouched.
TEST_F(DokumentTest, OeffnenNachEndungUndAbgelehnteDateien)
{
    SchreibeVorlagen();
    std::filesystem::copy_file(Pfad("LMTR-Tests/Vorlage.lmd"), Pfad("a.LMD"));
    std::filesystem::copy_file(Pfad("LMTR-Tests/Vorlage.lmd"), Pfad("test.lmt"));
    auto kurz = LiesDatei(Pfad("LMTR-Trainings/Vorlage.lmt"));
    kurz.resize(kurz.size() / 2);
    SchreibeDatei(Pfad("kurz.lmt"), kurz);
    SchreibeDatei(Pfad("bild.lmt"), {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'});
    const std::vector<std::string> abgelehnt = {Pfad("fehlt.lmt"), Pfad("test.lmt"), Pfad("kurz.lmt"),
                                                Pfad("bild.lmt")};
    std::vector<std::vector<std::uint8_t>> vorher;
    for (const std::string& pfad : abgelehnt)
        vorher.push_back(LiesDatei(pfad));

    Starte(true, abgelehnt);
    for (const char* wie : {"beim Start", "geöffnet"}) {
        if (wie[0] == 'g') {
            m_meldungen->m_meldungen.clear();
            for (const std::string& pfad : abgelehnt)
                EXPECT_EQ(m_app->OpenDocumentFile(pfad), nullptr) << pfad;
        }
        ASSERT_EQ(m_meldungen->Texte().size(), abgelehnt.size()) << wie;
        for (size_t i = 0; i < abgelehnt.size(); ++i) {
            EXPECT_NE(m_meldungen->Texte()[i].find(abgelehnt[i]), std::string::npos) << m_meldungen->Texte()[i];
            EXPECT_EQ(LiesDatei(abgelehnt[i]), vorher[i]) << abgelehnt[i];
        }
        EXPECT_EQ(Offen(), 0) << wie;
    }
    EXPECT_TRUE(m_app->GetDateiliste().empty());
    EXPECT_EQ(Neu(0)->GetTitle(), "LM-Training1");

    CLMDokument* test = m_app->OpenDocumentFile(Pfad("a.LMD"));
    EXPECT_NE(dynamic_cast<CLMTestDoc*>(test), nullptr);
    EXPECT_EQ(m_app->OpenDocumentFile(Pfad("a.LMD")), test);
    EXPECT_EQ(Offen(), 2);
}

// A file of the recent-file list that no longer opens is refused with its
// message and leaves the list, the File menu and the stored settings; the
// entries behind it move up.
TEST_F(DokumentTest, AbgelehnteDateiVerlaesstDieZuletztGeoeffneten)
{
    SchreibeVorlagen();
    std::filesystem::copy_file(Pfad("LMTR-Trainings/Vorlage.lmt"), Pfad("gut.lmt"));
    auto kurz = LiesDatei(Pfad("LMTR-Trainings/Vorlage.lmt"));
    kurz.resize(kurz.size() / 2);
    SchreibeDatei(Pfad("kurz.lmt"), kurz);
    const std::string gut = Pfad("gut.lmt"), abgelehnt = Pfad("kurz.lmt"), fehlt = Pfad("fehlt.lmt");
    int nr = 0;
    for (const std::string& pfad : {gut, abgelehnt, fehlt})
        Einstellungen().SchreibeText("Recent File List", "File" + std::to_string(++nr), pfad);
    Starte();
    // The recent files as the File menu shows them, and their actions.
    auto eintraege = [this] {
        std::vector<std::pair<std::string, QAction*>> e;
        for (QAction* a : m_app->GetMainWnd()->menuBar()->actions()[0]->menu()->actions())
            if (a->data().toInt() >= ID_FILE_MRU_FILE1 && a->data().toInt() < ID_FILE_MRU_FILE1 + 4 && a->isEnabled())
                e.emplace_back(a->text().toStdString(), a);
        return e;
    };
    auto texte = [&eintraege] {
        std::vector<std::string> t;
        for (const auto& [text, aktion] : eintraege())
            t.push_back(text);
        return t;
    };
    ASSERT_EQ(texte(), (std::vector<std::string>{"&1 " + gut, "&2 " + abgelehnt, "&3 " + fehlt}));

    m_meldungen->m_meldungen.clear();
    eintraege()[1].second->trigger();
    ASSERT_EQ(m_meldungen->Texte().size(), 1u);
    EXPECT_NE(m_meldungen->Texte()[0].find(abgelehnt), std::string::npos) << m_meldungen->Texte()[0];
    EXPECT_EQ(Offen(), 0);
    EXPECT_EQ(texte(), (std::vector<std::string>{"&1 " + gut, "&2 " + fehlt}));
    EXPECT_EQ(Einstellungen().LeseText("Recent File List", "File2"), fehlt);
    EXPECT_EQ(Einstellungen().LeseText("Recent File List", "File3"), "");

    eintraege()[1].second->trigger(); // missing by now
    EXPECT_EQ(texte(), std::vector<std::string>{"&1 " + gut});
    eintraege()[0].second->trigger();
    EXPECT_EQ(Offen(), 1);
    EXPECT_EQ(texte(), std::vector<std::string>{"&1 " + gut});
    EXPECT_EQ(LiesDatei(abgelehnt), kurz);
}

// The menu bar is rebuilt for every window that comes to the front and for
// every change of the recent files: the menus it replaced do not stay.
TEST_F(DokumentTest, NeuAufgebautesMenueBehaeltKeineAltenMenues)
{
    SchreibeVorlagen();
    Starte();
    QMenuBar* leiste = m_app->GetMainWnd()->menuBar();
    // Menus the bar holds, and those it shows.
    auto menues = [leiste] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int gezeigt = 0;
        for (QAction* a : leiste->actions())
            gezeigt += a->menu() != nullptr;
        return std::pair{int(leiste->findChildren<QMenu*>(Qt::FindDirectChildrenOnly).size()), gezeigt};
    };
    const std::pair<const char*, std::function<void()>> schritte[] = {
        {"Dateiliste",
         [&] {
             for (int i = 0; i < 5; ++i)
                 m_app->AddToRecentFileList(Pfad("d" + std::to_string(i) + ".lmt"));
         }},
        {"neues Dokument", [&] { Neu(0); }},
        {"geschlossen", [&] { Befehl(ID_FILE_CLOSE); }},
    };
    // Besides those shown, the bar keeps a menu of its own (for the items
    // that do not fit).
    const auto [anfangs, gezeigtAnfangs] = menues();
    for (const auto& [schritt, tun] : schritte) {
        tun();
        const auto [gehalten, gezeigt] = menues();
        EXPECT_GT(gezeigt, 3) << schritt;
        EXPECT_EQ(gehalten - gezeigt, anfangs - gezeigtAnfangs) << schritt;
    }
}
