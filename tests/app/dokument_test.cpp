// Training and test documents: new, open, save, close.
#include "app_umgebung.h"

#include <QFileDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>

#include "app/befehle.h"
#include "app/lmtestdoc.h"
#include "app/lmtrainingdoc.h"
#include "platform/archiv.h"

namespace {

// Answers the "Neu" choice with the given row.
CSkriptLaeufer::Antwort WaehleNeu(int zeile)
{
    return [zeile](QDialog& d) {
        d.findChild<QListWidget*>("neuliste")->setCurrentRow(zeile);
        d.accept();
        return d.result();
    };
}

} // namespace

class DokumentTest : public AppTest {
protected:
    CLMDokument* Neu(int zeile)
    {
        m_laeufer->m_antworten.push_back(WaehleNeu(zeile));
        m_app->OnFileNew();
        auto* fenster = qobject_cast<CDokumentFenster*>(m_app->GetMainWnd()->GetMdiArea()->activeSubWindow());
        return fenster ? fenster->GetDocument() : nullptr;
    }
    int Offen() const { return static_cast<int>(m_app->GetMainWnd()->GetMdiArea()->subWindowList().size()); }
};

TEST_F(DokumentTest, NeuerTestOhneVorlageMeldetUndHaeltDieVorgaben)
{
    LegeOrdnerAn();
    Starte();
    m_meldungen->m_meldungen.clear();
    auto* test = dynamic_cast<CLMTestDoc*>(Neu(1));
    ASSERT_NE(test, nullptr);
    ASSERT_EQ(m_meldungen->Texte().size(), 1u);
    EXPECT_EQ(m_meldungen->Texte()[0],
              "Fehler: Die Testvorlage konnte nicht geöffnet werden. Der Dateiname der Testvorlage lautet " +
                  Pfad("LMTR-Tests/Vorlage.lmd"));
    EXPECT_EQ(test->GetTitle(), "LM-Test1");
    EXPECT_FALSE(test->IsModified());
    EXPECT_EQ(test->GetTest().m_strPfad, Pfad("LMTR-Tests/LM-Test1.lmd"));
    EXPECT_EQ(test->GetTest().GetUmgebung(), &m_app->m_Umgebung);
    EXPECT_EQ(m_app->GetMainWnd()->windowTitle(), "Lumetra - LM-Test1");
    EXPECT_EQ(m_app->GetMainWnd()->menuBar()->actions()[1]->text(), "Test&auswahl");
}

TEST_F(DokumentTest, NeueTrainingsZaehlenUndLesenDieVorlageGanz)
{
    SchreibeVorlagen();
    {
        CBenutzerprofil p;
        CUmgebung u(&p);
        CTraining t;
        t.SetUmgebung(&u);
        t.SetAufgabenart(50);
        CArchive ar(CArchive::store, Pfad("LMTR-Trainings/Vorlage.lmt"));
        t.Serialize(ar);
        ar.Close();
    }
    Starte();
    auto* eins = dynamic_cast<CLMTrainingDoc*>(Neu(0));
    auto* zwei = dynamic_cast<CLMTrainingDoc*>(Neu(0));
    ASSERT_TRUE(eins && zwei);
    EXPECT_EQ(eins->GetTitle(), "LM-Training1");
    EXPECT_EQ(zwei->GetTitle(), "LM-Training2");
    EXPECT_EQ(zwei->GetTraining().m_strPfad, Pfad("LMTR-Trainings/LM-Training2.lmt"));
    EXPECT_EQ(zwei->GetTraining().GetAufgabenart(), 50);
    EXPECT_FALSE(zwei->IsModified());
    EXPECT_TRUE(m_meldungen->Texte().empty());
    // Every view is shown once its window opens.
    ASSERT_EQ(zwei->GetAnsichten().size(), 1u);
    EXPECT_GE(zwei->GetAnsichten()[0]->GetAktualisierungen(), 1);
    // The choice can be cancelled.
    m_laeufer->m_antworten.push_back([](QDialog& d) {
        d.reject();
        return d.result();
    });
    m_app->OnFileNew();
    EXPECT_EQ(Offen(), 2);
}

TEST_F(DokumentTest, SchliessenFragtUndAbbrechenLaesstEsOffen)
{
    SchreibeVorlagen();
    Starte();
    CLMDokument* doc = Neu(0);
    ASSERT_NE(doc, nullptr);
    doc->SetModifiedFlag();

    m_meldungen->m_antworten = {IDCANCEL};
    m_app->GetMainWnd()->Befehl(ID_FILE_CLOSE);
    ASSERT_EQ(m_meldungen->m_meldungen.size(), 1u);
    EXPECT_EQ(m_meldungen->m_meldungen[0].text, "Änderungen in LM-Training1 speichern?");
    EXPECT_EQ(m_meldungen->m_meldungen[0].typ & 0x0F, static_cast<unsigned>(MB_YESNOCANCEL));
    EXPECT_EQ(Offen(), 1);

    m_meldungen->m_antworten = {IDNO};
    m_app->GetMainWnd()->Befehl(ID_FILE_CLOSE);
    EXPECT_EQ(Offen(), 0);
    EXPECT_TRUE(m_app->GetVorlagen()[0]->GetDokumente().empty());
    EXPECT_EQ(m_app->GetMainWnd()->windowTitle(), "Lumetra");
    EXPECT_EQ(m_app->GetMainWnd()->GetMenueRessource(), IDR_MAINFRAME);
    EXPECT_EQ(m_app->GetMainWnd()->GetSymbolleistenRessource(), IDR_MAINFRAME);
}

TEST_F(DokumentTest, BeendenMitGeaendertemDokumentLaesstSichAbbrechen)
{
    SchreibeVorlagen();
    Starte();
    Neu(0)->SetModifiedFlag();
    m_meldungen->m_antworten = {IDCANCEL};
    EXPECT_FALSE(m_app->GetMainWnd()->close());
    EXPECT_EQ(Offen(), 1);
    m_meldungen->m_antworten = {IDNO};
    EXPECT_TRUE(m_app->GetMainWnd()->close());
    EXPECT_TRUE(m_app->GetVorlagen()[0]->GetDokumente().empty());
}

TEST_F(DokumentTest, SpeichernFragtNachDemNamenUndOeffnetWieder)
{
    SchreibeVorlagen();
    Starte();
    auto* doc = dynamic_cast<CLMTrainingDoc*>(Neu(0));
    doc->GetTraining().SetAufgabenart(20);
    doc->SetModifiedFlag();

    const std::string ziel = Pfad("LMTR-Trainings/mein.lmt");
    CDateiDialogDaten daten;
    m_laeufer->m_antworten.push_back(WaehleDatei(ziel, &daten));
    m_app->GetMainWnd()->Befehl(ID_FILE_SAVE);
    EXPECT_EQ(daten.filter, QStringList{"LM-Trainingsdateien (*.lmt)"});
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), ziel);
    EXPECT_EQ(doc->GetTitle(), "mein.lmt");
    EXPECT_EQ(doc->GetTraining().m_strPfad, ziel);
    EXPECT_EQ(m_app->GetDateiliste().front(), ziel);

    // A second save needs no name.
    m_app->GetMainWnd()->Befehl(ID_FILE_SAVE);
    EXPECT_EQ(m_laeufer->m_dialoge.size(), 2u); // "Neu" and one save dialog

    m_meldungen->m_antworten = {IDNO};
    m_app->GetMainWnd()->Befehl(ID_FILE_CLOSE);
    // Opened again through the open dialog with both filters.
    m_laeufer->m_antworten.push_back(WaehleDatei(ziel, &daten));
    m_app->OnFileOpen();
    EXPECT_EQ(daten.filter, QStringList({"LM-Trainingsdateien (*.lmt)", "LM-Testdateien (*.lmd)", "Alle Dateien (*)"}));
    auto* wieder = dynamic_cast<CLMTrainingDoc*>(m_app->GetVorlagen()[0]->GetDokumente().at(0));
    ASSERT_NE(wieder, nullptr);
    EXPECT_EQ(wieder->GetTraining().GetAufgabenart(), 20);
    EXPECT_EQ(wieder->GetTitle(), "mein.lmt");
    // Opening it once more only brings it to the front.
    EXPECT_EQ(m_app->OpenDocumentFile(ziel), wieder);
    EXPECT_EQ(Offen(), 1);
}

TEST_F(DokumentTest, DieEndungWaehltDenDokumenttypUndUnlesbaresOeffnetNichts)
{
    SchreibeVorlagen();
    std::filesystem::copy_file(Pfad("LMTR-Tests/Vorlage.lmd"), Pfad("a.LMD"));
    Starte();
    EXPECT_NE(dynamic_cast<CLMTestDoc*>(m_app->OpenDocumentFile(Pfad("a.LMD"))), nullptr);
    EXPECT_TRUE(m_meldungen->Texte().empty());

    EXPECT_EQ(m_app->OpenDocumentFile(Pfad("fehlt.lmt")), nullptr);
    EXPECT_EQ(Offen(), 1);
    ASSERT_EQ(m_meldungen->Texte().size(), 1u);
    EXPECT_NE(m_meldungen->Texte()[0].find(Pfad("fehlt.lmt")), std::string::npos);
}

TEST_F(DokumentTest, AbgelehnteDateiOeffnetUnbenanntUndBleibtUnberuehrt)
{
    SchreibeVorlagen();
    // A test file under a training name: the training refuses it.
    std::filesystem::copy_file(Pfad("LMTR-Tests/Vorlage.lmd"), Pfad("falsch.lmt"));
    const auto vorher = LiesDatei(Pfad("falsch.lmt"));
    Starte();
    auto* doc = dynamic_cast<CLMTrainingDoc*>(m_app->OpenDocumentFile(Pfad("falsch.lmt")));
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(m_meldungen->Texte().size(), 1u);
    EXPECT_NE(m_meldungen->Texte()[0].find("falsch.lmt"), std::string::npos);
    EXPECT_TRUE(doc->GetPathName().empty());
    EXPECT_EQ(doc->GetTitle(), "LM-Training1");
    EXPECT_EQ(doc->GetTraining().m_strPfad, Pfad("LMTR-Trainings/LM-Training1.lmt"));
    EXPECT_TRUE(m_app->GetDateiliste().empty());

    // Saving asks for a name; cancelled, nothing is written.
    doc->SetModifiedFlag();
    m_app->GetMainWnd()->Befehl(ID_FILE_SAVE);
    EXPECT_EQ(m_laeufer->m_dialoge, std::vector<std::string>{"speicherndialog"});
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(LiesDatei(Pfad("falsch.lmt")), vorher);
}

TEST_F(DokumentTest, MisslungenesSpeichernMeldetDenPfad)
{
    SchreibeVorlagen();
    Starte();
    auto* doc = dynamic_cast<CLMTrainingDoc*>(Neu(0));
    // A folder where the file should go: it cannot be written.
    const std::string unmoeglich = Pfad("LMTR-Trainings/ordner.lmt");
    std::filesystem::create_directories(unmoeglich);
    m_laeufer->m_antworten.push_back(WaehleDatei(unmoeglich));
    doc->SetModifiedFlag();
    EXPECT_FALSE(doc->DoFileSave());
    ASSERT_FALSE(m_meldungen->Texte().empty());
    EXPECT_EQ(m_meldungen->Texte().back(),
              "Fehler: Die Datei konnte nicht gespeichert werden. Der Dateiname lautet " + unmoeglich);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetPathName().empty());
}

TEST_F(DokumentTest, MisslungenesSpeichernLaesstDieAlteDateiStehen)
{
    SchreibeVorlagen();
    // A name so long that the temporary file beside it (name + ".XXXXXX")
    // cannot be created: the save fails although the file itself exists.
    const std::string lang = Pfad("LMTR-Trainings/" + std::string(246, 'x') + ".lmt");
    std::filesystem::copy_file(Pfad("LMTR-Trainings/Vorlage.lmt"), lang);
    const auto vorher = LiesDatei(lang);
    Starte();
    auto* doc = dynamic_cast<CLMTrainingDoc*>(m_app->OpenDocumentFile(lang));
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(doc->GetPathName(), lang);
    m_meldungen->m_meldungen.clear();

    doc->SetModifiedFlag();
    EXPECT_FALSE(doc->DoFileSave());
    ASSERT_EQ(m_meldungen->Texte().size(), 1u);
    EXPECT_EQ(m_meldungen->Texte()[0],
              "Fehler: Die Datei konnte nicht gespeichert werden. Der Dateiname lautet " + lang);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(LiesDatei(lang), vorher);
}
