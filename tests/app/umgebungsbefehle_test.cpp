// Commands on the environment file and the profile: file dialogs, saving,
// when the profile is stored, the registry rule and the status bar.
#include "app_umgebung.h"

#include <QApplication>
#include <QFileDialog>
#include <QFocusEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QRadioButton>

#include "app/befehle.h"
#include "app/dokument.h"
#include "app/fragedlg.h"
#include "app/kindrahmen.h"
#include "app/trainingsansicht.h"
#include "platform/archiv.h"

namespace {

const char* const kNichtGeoeffnet =
    "Fehler: Die Umgebungsdatei konnte nicht geöffnet werden. Der Dateiname der Umgebungsdatei lautet ";
const char* const kNichtGespeichert =
    "Fehler: Die Umgebungsdatei konnte nicht gespeichert werden. Der Dateiname der Umgebungsdatei lautet ";
const char* const kProfilNichtGespeichert =
    "Fehler: Die Profildatei konnte nicht gespeichert werden. Der Dateiname der Profildatei lautet ";

// Types into a field of the dialog, leaves it and confirms.
CSkriptLaeufer::Antwort TippeUndBestaetige(const char* feld, std::string text)
{
    return [=](QDialog& d) {
        auto* f = d.findChild<QLineEdit*>(feld);
        EXPECT_NE(f, nullptr) << feld;
        if (f) {
            f->setText(QString::fromStdString(text));
            QFocusEvent e(QEvent::FocusOut);
            QApplication::sendEvent(f, &e);
        }
        d.accept();
        return d.result();
    };
}

} // namespace

class BefehlTest : public AppTest {
protected:
    CLumetraApp& StarteMitVorlagen()
    {
        SchreibeVorlagen();
        CLumetraApp& app = Starte();
        m_meldungen->m_meldungen.clear();
        m_laeufer->m_dialoge.clear();
        return app;
    }
    std::string Status(int teil) { return m_app->GetMainWnd()->GetStatusLeiste()->GetText(teil).toStdString(); }
    std::string Umgebung() const { return Pfad("LMTR-Umgebungen/Vorlage.lmu"); }
    std::string Profil() const { return Pfad("LMTR-Benutzerprofile/default.lmp"); }
    using Dialoge = std::vector<std::string>;
};

TEST_F(BefehlTest, SpeichernOhneUmgebungsdateiFragtEinmalNachDemNamen)
{
    LegeOrdnerAn();
    CLumetraApp& app = Starte();
    m_meldungen->m_meldungen.clear();
    ASSERT_EQ(app.m_Umgebung.GetPfad(), "");
    app.Befehl(ID_UMGEBUNG_SPEICHERN);
    EXPECT_EQ(m_laeufer->m_dialoge, Dialoge({"dateiauswahl"}));
    EXPECT_EQ(Status(1), "*.lmu");
}

TEST_F(BefehlTest, NichtSchreibbareUmgebungsdateiFuehrtOhneMeldungZuSpeichernUnter)
{
    CLumetraApp& app = StarteMitVorlagen();
    std::filesystem::rename(Pfad("LMTR-Umgebungen"), Pfad("weg"));
    app.Befehl(ID_UMGEBUNG_SPEICHERN);
    EXPECT_EQ(m_laeufer->m_dialoge, Dialoge({"dateiauswahl"}));
    EXPECT_TRUE(m_meldungen->Texte().empty());
    EXPECT_EQ(app.m_Umgebung.GetPfad(), Umgebung());
}

TEST_F(BefehlTest, SpeichernUnterSchreibtOderBehaeltDenAltenNamen)
{
    CLumetraApp& app = StarteMitVorlagen();
    CDateiDialogDaten daten;
    m_laeufer->m_antworten.push_back(WaehleDatei(Pfad("LMTR-Umgebungen/neu"), &daten));
    app.Befehl(ID_UMGEBUNG_SPEICHERN_UNTER);
    EXPECT_EQ(daten.filter, QStringList({"LM-Umgebungsdateien (*.lmu)", "Alle Dateien (*)"}));
    EXPECT_EQ(daten.endung, "lmu");
    EXPECT_EQ(Status(1), "neu.lmu");
    EXPECT_EQ(LiesDatei(Pfad("LMTR-Umgebungen/neu.lmu")), LiesDatei(Umgebung()));

    // A folder of that name cannot be replaced by the file.
    app.m_Umgebung.SetGeaendert();
    const std::string ziel = Pfad("LMTR-Umgebungen/ordner.lmu");
    std::filesystem::create_directories(ziel);
    m_laeufer->m_antworten.push_back(WaehleDatei(ziel));
    app.Befehl(ID_UMGEBUNG_SPEICHERN_UNTER);
    EXPECT_EQ(m_meldungen->Texte(), std::vector<std::string>({kNichtGespeichert + ziel}));
    EXPECT_EQ(app.m_Umgebung.GetPfad(), Pfad("LMTR-Umgebungen/neu.lmu"));
    EXPECT_TRUE(app.m_Umgebung.IstGeaendert());
    EXPECT_EQ(Status(1), "neu.lmu");
}

TEST_F(BefehlTest, AnordnenSpeichertErstAufBefehl)
{
    CLumetraApp& app = StarteMitVorlagen();
    const auto vorher = LiesDatei(Umgebung());
    // Cancelled: nothing changes.
    m_laeufer->m_antworten.push_back([](QDialog& d) {
        d.findChild<QLineEdit*>("breite")->setText("12");
        d.reject();
        return d.result();
    });
    app.Befehl(ID_ANORDNUNG);
    EXPECT_FALSE(app.m_Umgebung.IstGeaendert());

    m_laeufer->m_antworten.push_back(TippeUndBestaetige("breite", "52,5"));
    // From the menu: the main window hands the command to the application.
    app.GetMainWnd()->Befehl(ID_ANORDNUNG);
    EXPECT_DOUBLE_EQ(app.m_Umgebung.GetAnordnung().m_dBreite, 52.5);
    EXPECT_TRUE(app.m_Umgebung.IstGeaendert());
    EXPECT_EQ(LiesDatei(Umgebung()), vorher);

    app.Befehl(ID_UMGEBUNG_SPEICHERN);
    EXPECT_EQ(m_laeufer->m_dialoge, Dialoge({"anordnungdlg", "anordnungdlg"}));
    EXPECT_FALSE(app.m_Umgebung.IstGeaendert());
    CBenutzerprofil profil;
    CUmgebung gelesen(&profil);
    CArchive ar(CArchive::load, Umgebung());
    EXPECT_EQ(gelesen.Serialize(ar), 0);
    EXPECT_DOUBLE_EQ(gelesen.GetAnordnung().m_dBreite, 52.5);
}

TEST_F(BefehlTest, OeffnenLaedtOderMeldetMitPfad)
{
    CLumetraApp& app = StarteMitVorlagen();
    CDateiDialogDaten daten;
    m_laeufer->m_antworten.push_back(WaehleDatei({}, &daten));
    app.Befehl(ID_UMGEBUNG_OEFFNEN);
    EXPECT_EQ(daten.ordner.toStdString(), Pfad("LMTR-Umgebungen"));
    EXPECT_EQ(app.m_Umgebung.GetPfad(), Umgebung());

    std::filesystem::copy_file(Umgebung(), Pfad("LMTR-Umgebungen/labor.lmu"));
    m_laeufer->m_antworten.push_back(WaehleDatei(Pfad("LMTR-Umgebungen/labor.lmu")));
    app.Befehl(ID_UMGEBUNG_OEFFNEN);
    EXPECT_EQ(Status(1), "labor.lmu");

    // A name written with "\" is shown with "/".
    const std::string fehlt = Pfad("LMTR-Umgebungen/fehlt.lmu");
    m_laeufer->m_antworten.push_back(WaehleDatei(Pfad("LMTR-Umgebungen\\fehlt.lmu")));
    app.Befehl(ID_UMGEBUNG_OEFFNEN);
    EXPECT_EQ(m_meldungen->Texte(), std::vector<std::string>({kNichtGeoeffnet + fehlt}));
    EXPECT_EQ(Status(1), "labor.lmu");
}

TEST_F(BefehlTest, AnzeigeUndDateiverwaltungSpeichernDasProfil)
{
    CLumetraApp& app = StarteMitVorlagen();
    m_laeufer->m_antworten.push_back([](QDialog& d) {
        d.findChild<QRadioButton*>("pixel")->click();
        d.accept();
        return d.result();
    });
    app.Befehl(ID_ANZEIGE);
    CBenutzerprofil gelesen;
    CArchive ar(CArchive::load, Profil());
    EXPECT_EQ(gelesen.Serialize(ar), 0);
    EXPECT_EQ(gelesen.GetAnzeigeOptionen().GetEinheit(), 8u);

    // Also after a cancel.
    std::filesystem::remove(Profil());
    app.Befehl(ID_DATEIVERWALTUNG);
    EXPECT_TRUE(std::filesystem::exists(Profil()));
    EXPECT_EQ(m_laeufer->m_dialoge, Dialoge({"anzeigedlg", "dateiverwaltungdlg"}));

    std::filesystem::remove_all(Pfad("LMTR-Benutzerprofile"));
    app.Befehl(ID_ANZEIGE);
    EXPECT_EQ(m_meldungen->Texte(), std::vector<std::string>({kProfilNichtGespeichert + Profil()}));
}

TEST_F(BefehlTest, ProfildateiUnterNeuemNamenUeberschreibtUndMerktSichDenPfad)
{
    CLumetraApp& app = StarteMitVorlagen();
    std::string system;
    // Not writable: the registry and the status bar keep the old file.
    m_laeufer->m_antworten.push_back(TippeUndBestaetige("pfad", Pfad("fehlt/neu.lmp")));
    app.Befehl(ID_PROFILDATEI);
    EXPECT_EQ(m_meldungen->Texte(), std::vector<std::string>({kProfilNichtGespeichert + Pfad("fehlt/neu.lmp")}));
    ASSERT_TRUE(Einstellungen().LeseSystemText("Umgebung", "profil", system));
    EXPECT_EQ(system, Profil());
    EXPECT_EQ(Status(2), "default.lmp");

    m_meldungen->m_meldungen.clear();
    std::filesystem::create_directories(Pfad("profile"));
    SchreibeDatei(Pfad("profile/tester.lmp"), {'x', 'y'});
    m_laeufer->m_antworten.push_back(TippeUndBestaetige("pfad", Pfad("profile") + "/$b"));
    app.Befehl(ID_PROFILDATEI);
    EXPECT_EQ(app.m_Profil.m_strProfilMuster, "$b.lmp");
    CBenutzerprofil gelesen;
    CArchive ar(CArchive::load, Pfad("profile/tester.lmp"));
    EXPECT_EQ(gelesen.Serialize(ar), 0);
    ASSERT_TRUE(Einstellungen().LeseSystemText("Umgebung", "profil", system));
    EXPECT_EQ(system, Pfad("profile") + "/$b.lmp");
    EXPECT_EQ(Status(2), "tester.lmp");
    EXPECT_TRUE(m_meldungen->Texte().empty());
}

TEST_F(BefehlTest, ProgrammbeschreibungNenntDieDatei)
{
    CLumetraApp& app = StarteMitVorlagen();
    std::string text;
    m_laeufer->m_antworten.push_back([&text](QDialog& d) {
        text = dynamic_cast<CHinweisDlg&>(d).GetText();
        return 1;
    });
    app.Befehl(ID_PROGRAMMBESCHREIBUNG);
    EXPECT_EQ(text.rfind("Eine ausführliche Beschreibung von Lumetra finden Sie in der mitinstallierten "
                         "Programmbeschreibung. Diese finden Sie unter dem Dateinamen \"LMTR "
                         "Programmbeschreibung.pdf\" im Programm- verzeichnis von Lumetra.\n",
                         0),
              0u);
#if defined(LUMETRA_BUILD_DIR)
    // A prepared program folder holds that file: a PDF of a few pages.
    QTemporaryDir ordner;
    ASSERT_EQ(QProcess::execute(LUMETRA_SOURCE_DIR "/scripts/programmordner", {LUMETRA_BUILD_DIR, ordner.path()}), 0);
    const QString pdf = ordner.path() + "/LMTR Programmbeschreibung.pdf";
    ASSERT_TRUE(QFileInfo::exists(pdf));
    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(10000));
    const QString seiten = QString::fromUtf8(info.readAllStandardOutput()).section("Pages:", 1).section('\n', 0, 0);
    EXPECT_GE(seiten.trimmed().toInt(), 3) << seiten.toStdString();
#endif
}

TEST_F(BefehlTest, OffeneDokumenteZeigenDieNeueEinheitUndAnordnung)
{
    CLumetraApp& app = StarteMitVorlagen();
    CLMDokument* doc = app.GetVorlagen()[0]->OpenDocumentFile("");
    ASSERT_NE(doc, nullptr);
    auto* ansicht = dynamic_cast<CLMTrainingView*>(doc->GetFenster()->GetAnsicht());
    ASSERT_NE(ansicht, nullptr);
    const auto texte = [ansicht] {
        std::vector<std::string> t;
        for (int i = 1; i <= ansicht->AnzahlSteuerelemente(); ++i)
            t.push_back(ansicht->GetText(i));
        return t;
    };
    const auto inZentimetern = texte();
    m_laeufer->m_antworten.push_back(TippeUndBestaetige("breite", "80"));
    app.Befehl(ID_ANORDNUNG);
    EXPECT_NE(texte(), inZentimetern);
}
