// Commands on the environment file and the profile.
#include "app_umgebung.h"

#include <optional>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "app/befehle.h"
#include "app/dokument.h"
#include "app/kindrahmen.h"
#include "app/lmtrainingdoc.h"
#include "app/trainingsansicht.h"
#include "platform/archiv.h"

namespace {

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
    std::string Profil() const { return Pfad("LMTR-Benutzerprofile/default.lmp"); }
    using Texte = std::vector<std::string>;
};

// Without a file, or where it cannot be written, saving asks for a name
// without a message.
TEST_F(BefehlTest, SpeichernUndSpeichernUnter)
{
    LegeOrdnerAn();
    CLumetraApp& app = Starte();
    m_meldungen->m_meldungen.clear();
    const std::string neu = Pfad("LMTR-Umgebungen/neu.lmu");
    CDateiDialogDaten daten;
    m_laeufer->m_antworten.push_back(WaehleDatei(Pfad("LMTR-Umgebungen/neu"), &daten));
    app.Befehl(ID_UMGEBUNG_SPEICHERN);
    EXPECT_EQ(daten.filter, QStringList({"LM-Umgebungsdateien (*.lmu)", "Alle Dateien (*)"}));
    EXPECT_EQ(Status(1), "neu.lmu");
    EXPECT_TRUE(std::filesystem::exists(neu));

    std::filesystem::rename(Pfad("LMTR-Umgebungen"), Pfad("weg"));
    app.Befehl(ID_UMGEBUNG_SPEICHERN);
    EXPECT_EQ(m_laeufer->m_dialoge, Texte({"dateiauswahl", "dateiauswahl"}));
    EXPECT_TRUE(m_meldungen->Texte().empty());
    EXPECT_EQ(app.m_Umgebung.GetPfad(), neu);
}

// A new arrangement changes the environment and the open views' texts at
// once, the file only when saved.
TEST_F(BefehlTest, AnordnenSpeichertErstAufBefehl)
{
    CLumetraApp& app = StarteMitVorlagen();
    const std::string umgebung = Pfad("LMTR-Umgebungen/Vorlage.lmu");
    const auto vorher = LiesDatei(umgebung);
    CLMDokument* doc = app.GetVorlagen()[0]->OpenDocumentFile("");
    ASSERT_NE(doc, nullptr);
    auto* ansicht = dynamic_cast<CLMTrainingView*>(doc->GetFenster()->GetAnsicht());
    const auto texte = [ansicht] {
        Texte t;
        for (int i = 1; i <= ansicht->AnzahlSteuerelemente(); ++i)
            t.push_back(ansicht->GetText(i));
        return t;
    };
    const Texte inZentimetern = texte();
    m_laeufer->m_antworten.push_back(TippeUndBestaetige("breite", "52,5"));
    app.GetMainWnd()->Befehl(ID_ANORDNUNG);
    EXPECT_TRUE(app.m_Umgebung.IstGeaendert());
    EXPECT_NE(texte(), inZentimetern);
    EXPECT_EQ(LiesDatei(umgebung), vorher);

    app.Befehl(ID_UMGEBUNG_SPEICHERN);
    EXPECT_FALSE(app.m_Umgebung.IstGeaendert());
    EXPECT_NE(LiesDatei(umgebung), vorher);
}

TEST_F(BefehlTest, OeffnenLaedtOderMeldetMitPfad)
{
    CLumetraApp& app = StarteMitVorlagen();
    std::filesystem::copy_file(Pfad("LMTR-Umgebungen/Vorlage.lmu"), Pfad("LMTR-Umgebungen/labor.lmu"));
    m_laeufer->m_antworten.push_back(WaehleDatei(Pfad("LMTR-Umgebungen/labor.lmu")));
    app.Befehl(ID_UMGEBUNG_OEFFNEN);
    EXPECT_EQ(Status(1), "labor.lmu");

    // A name written with "\" is shown with "/".
    m_laeufer->m_antworten.push_back(WaehleDatei(Pfad("LMTR-Umgebungen\\fehlt.lmu")));
    app.Befehl(ID_UMGEBUNG_OEFFNEN);
    EXPECT_EQ(m_meldungen->Texte(), Texte({"Fehler: Die Umgebungsdatei konnte nicht geöffnet werden. Der Dateiname "
                                           "der Umgebungsdatei lautet " +
                                           Pfad("LMTR-Umgebungen/fehlt.lmu")}));
    EXPECT_EQ(Status(1), "labor.lmu");
}

// The display and file-management commands store the profile, also after a
// cancel.
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

    std::filesystem::remove(Profil());
    app.Befehl(ID_DATEIVERWALTUNG);
    EXPECT_TRUE(std::filesystem::exists(Profil()));
}

// A failed save (full disk, no room for the temporary's longer name, a folder in the
// way) keeps the old file and no temporary one, leaves the change pending
// and names the path.
TEST_F(BefehlTest, MisslungenesSpeichernMeldetDenPfad)
{
    CLumetraApp& app = StarteMitVorlagen();
    const std::string training = Pfad("LMTR-Trainings/training.lmt");
    const std::string lang = Pfad("LMTR-Trainings/" + std::string(246, 'x') + ".lmt");
    const std::string ordner = Pfad("LMTR-Trainings/ordner.lmt");
    for (const std::string& datei : {training, lang})
        std::filesystem::copy_file(Pfad("LMTR-Trainings/Vorlage.lmt"), datei);
    std::filesystem::create_directories(ordner);
    const std::string umgebung = Pfad("LMTR-Umgebungen/Vorlage.lmu");
    auto* doc = dynamic_cast<CLMTrainingDoc*>(app.OpenDocumentFile(training));
    CLMDokument* alt = app.OpenDocumentFile(lang);
    CLMDokument* neu = app.GetVorlagen()[0]->OpenDocumentFile("");
    ASSERT_TRUE(doc && alt && neu);
    // Three reports make the file grow over the old one.
    CTrainingsBericht b;
    b.SetAnzahlReize(36);
    for (int i = 0; i < 3; ++i)
        doc->GetTraining().SetBericht(i, &b);
    for (CLMDokument* d : {static_cast<CLMDokument*>(doc), alt, neu})
        d->SetModifiedFlag();
    app.m_Umgebung.SetGeaendert();
    const std::string datei = "Fehler: Die Datei konnte nicht gespeichert werden. Der Dateiname lautet ";
    // A name that opens but leaves no room for the temporary's says so, with
    // the longest that fits; the path closes the first sentence as usual.
    const std::string zuLang =
        "Fehler: Die Datei konnte nicht gespeichert werden, weil ihr Name zu lang ist. Der Dateiname lautet ";
    const std::string zuLangGrund = "\n\nDer Name ist 250 Byte lang, gespeichert werden kann ein Name von "
                                    "höchstens 238 Byte. Buchstaben ohne Akzent, Ziffern und Satzzeichen zählen je "
                                    "1 Byte, Umlaute und ß je 2 Byte.";
    struct Fall {
        std::string pfad;
        std::function<bool()> speichern;
        std::string meldung;
        bool voll;
    };
    const Fall faelle[] = {
        {training, [&] { return doc->DoFileSave(); }, datei, true},
        {lang, [&] { return alt->DoFileSave(); }, zuLang, false},
        {ordner,
         [&] {
             m_laeufer->m_antworten.push_back(WaehleDatei(ordner));
             return neu->DoFileSave();
         },
         datei, false},
        {umgebung,
         [&] {
             m_laeufer->m_antworten.push_back(WaehleDatei(umgebung));
             app.Befehl(ID_UMGEBUNG_SPEICHERN_UNTER);
             return !app.m_Umgebung.IstGeaendert();
         },
         kNichtGespeichert, true},
        {Profil(), [&] { return app.Befehl(ID_ANZEIGE) && false; }, kProfilNichtGespeichert, true},
    };
    const auto inhalt = [this](const std::string& p) {
        return std::filesystem::is_directory(p) ? std::vector<std::uint8_t>{} : LiesDatei(p);
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.pfad);
        const std::filesystem::path ordner = std::filesystem::path(f.pfad).parent_path();
        const auto dateien = std::distance(std::filesystem::directory_iterator(ordner), {});
        const auto vorher = inhalt(f.pfad);
        std::optional<CVollePlatte> platte;
        if (f.voll)
            platte.emplace();
        EXPECT_FALSE(f.speichern());
        platte.reset();
        EXPECT_EQ(inhalt(f.pfad), vorher);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner), {}), dateien);
        ASSERT_FALSE(m_meldungen->Texte().empty());
        EXPECT_EQ(m_meldungen->Texte().back(), f.meldung + f.pfad + (f.pfad == lang ? zuLangGrund : ""));
    }
    EXPECT_TRUE(doc->IsModified() && alt->IsModified() && neu->IsModified() && app.m_Umgebung.IstGeaendert());
    EXPECT_TRUE(neu->GetPathName().empty());
    // With room again the same save goes through and reads back whole.
    EXPECT_TRUE(doc->DoFileSave());
    CTraining gelesen;
    CArchive ar(CArchive::load, training);
    gelesen.Serialize(ar);
    EXPECT_EQ(gelesen.GetBerichtAnzahl(), 3);
}

// Files made read-only in a writable folder stay as they were, although
// the folder would allow replacing them: the environment's plain save asks
// for a new name without a message, a document or the profile names its
// file, and the change stays pending.
TEST_F(BefehlTest, SchreibgeschuetzteDateienBleibenGeschuetzt)
{
    CLumetraApp& app = StarteMitVorlagen();
    const std::string training = Pfad("LMTR-Trainings/befund.lmt");
    const std::string umgebung = Pfad("LMTR-Umgebungen/Vorlage.lmu");
    std::filesystem::copy_file(Pfad("LMTR-Trainings/Vorlage.lmt"), training);
    ASSERT_EQ(app.m_Umgebung.GetPfad(), umgebung);
    CLMDokument* doc = app.OpenDocumentFile(training);
    ASSERT_NE(doc, nullptr);
    doc->SetModifiedFlag();
    app.m_Umgebung.SetGeaendert();
    const auto modus = [](const std::string& p) {
        return std::filesystem::status(p).permissions() & std::filesystem::perms::mask;
    };
    const auto schuetze = [](const std::string& p) {
        std::filesystem::permissions(p, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
    };
    for (const std::string& p : {training, umgebung, Profil()})
        schuetze(p);
    const auto vorher = [&] {
        std::vector<std::vector<std::uint8_t>> v;
        for (const std::string& p : {training, umgebung, Profil()})
            v.push_back(LiesDatei(p));
        return v;
    }();

    EXPECT_FALSE(doc->DoFileSave());
    EXPECT_EQ(m_meldungen->Texte(),
              Texte({"Fehler: Die Datei konnte nicht gespeichert werden. Der Dateiname lautet " + training}));
    EXPECT_TRUE(doc->IsModified());

    m_meldungen->m_meldungen.clear();
    m_laeufer->m_antworten.push_back(WaehleDatei(""));
    app.Befehl(ID_UMGEBUNG_SPEICHERN);
    EXPECT_EQ(m_laeufer->m_dialoge, Texte({"dateiauswahl"}));
    EXPECT_TRUE(m_meldungen->Texte().empty());
    EXPECT_TRUE(app.m_Umgebung.IstGeaendert());
    EXPECT_EQ(app.m_Umgebung.GetPfad(), umgebung);

    app.Befehl(ID_ANZEIGE);
    EXPECT_EQ(m_meldungen->Texte(), Texte({kProfilNichtGespeichert + Profil()}));

    const std::string dateien[] = {training, umgebung, Profil()};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(dateien[i]);
        EXPECT_EQ(modus(dateien[i]), std::filesystem::perms(0444));
        EXPECT_EQ(LiesDatei(dateien[i]), vorher[i]);
    }
}

TEST_F(BefehlTest, ProfildateiUnterNeuemNamenUeberschreibtUndMerktSichDenPfad)
{
    CLumetraApp& app = StarteMitVorlagen();
    std::string system;
    // Not writable: said once; the profile, the registry and the status bar
    // keep the old file, which later closes of the profile dialogs store.
    m_laeufer->m_antworten.push_back(TippeUndBestaetige("pfad", Pfad("fehlt/neu.lmp")));
    app.Befehl(ID_PROFILDATEI);
    const auto abbrechen = [](QDialog& d) {
        d.reject();
        return d.result();
    };
    std::filesystem::remove(Profil());
    for (int id : {ID_ANZEIGE, ID_DATEIVERWALTUNG, ID_PROFILDATEI}) {
        m_laeufer->m_antworten.push_back(abbrechen);
        app.Befehl(id);
    }
    EXPECT_EQ(m_meldungen->Texte(), Texte({kProfilNichtGespeichert + Pfad("fehlt/neu.lmp") +
                                           "\nDas Benutzerprofil bleibt in der Datei " + Profil() + "."}));
    EXPECT_EQ(app.GetProfilpfad(), Profil());
    EXPECT_TRUE(std::filesystem::exists(Profil()));
    ASSERT_TRUE(Einstellungen().LeseSystemText("Umgebung", "profil", system));
    EXPECT_EQ(system, Profil());
    EXPECT_EQ(Status(2), "default.lmp");

    // A file of the new name is replaced, not read.
    std::filesystem::create_directories(Pfad("profile"));
    SchreibeDatei(Pfad("profile/tester.lmp"), {'x', 'y'});
    m_laeufer->m_antworten.push_back(TippeUndBestaetige("pfad", Pfad("profile") + "/$b"));
    app.Befehl(ID_PROFILDATEI);
    EXPECT_EQ(m_meldungen->Texte().size(), 1u);
    EXPECT_GT(LiesDatei(Pfad("profile/tester.lmp")).size(), 2u);
    ASSERT_TRUE(Einstellungen().LeseSystemText("Umgebung", "profil", system));
    EXPECT_EQ(system, Pfad("profile") + "/$b.lmp");
    EXPECT_EQ(Status(2), "tester.lmp");
}
