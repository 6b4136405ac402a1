// Saves on a full disk: the previous file stays byte for byte, the user is
// told with the path. A file-size limit fails the writes as a full disk does.
#include "app_umgebung.h"

#include <sys/resource.h>

#include "app/befehle.h"
#include "app/lmtrainingdoc.h"
#include "platform/archiv.h"
#include "workplace/benutzerprofil.h"

class VollePlatteTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SchreibeVorlagen();
        std::filesystem::create_directories(Pfad("voll"));
    }
    void TearDown() override
    {
        Leere();
        AppTest::TearDown();
    }
    // From here on no file can grow.
    void Fuelle()
    {
        ::getrlimit(RLIMIT_FSIZE, &m_grenze);
        rlimit voll = m_grenze;
        voll.rlim_cur = 1;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &voll), 0);
        m_voll = true;
    }
    void Leere()
    {
        if (m_voll)
            ::setrlimit(RLIMIT_FSIZE, &m_grenze);
        m_voll = false;
    }
    // The names in the full folder: no temporary file left.
    std::vector<std::string> Dateien() const
    {
        std::vector<std::string> namen;
        for (const auto& e : std::filesystem::directory_iterator(Pfad("voll")))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
    bool m_voll = false;
    rlimit m_grenze{};
};

TEST_F(VollePlatteTest, DokumentBleibtUndDieMeldungNenntDenPfad)
{
    const std::string datei = Pfad("voll/training.lmt");
    std::filesystem::copy_file(Pfad("LMTR-Trainings/Vorlage.lmt"), datei);
    const auto vorher = LiesDatei(datei);
    Starte();
    auto* doc = dynamic_cast<CLMTrainingDoc*>(m_app->OpenDocumentFile(datei));
    ASSERT_NE(doc, nullptr);
    m_meldungen->m_meldungen.clear();
    // Three reports make the file grow over the old one.
    CTrainingsBericht b;
    b.SetAnzahlReize(36);
    for (int i = 0; i < 3; ++i)
        doc->GetTraining().SetBericht(i, &b);
    doc->SetModifiedFlag();

    Fuelle();
    const bool gespeichert = doc->DoFileSave();
    Leere();
    EXPECT_FALSE(gespeichert);
    EXPECT_EQ(
        m_meldungen->Texte(),
        std::vector<std::string>({"Fehler: Die Datei konnte nicht gespeichert werden. Der Dateiname lautet " + datei}));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(LiesDatei(datei), vorher);
    EXPECT_EQ(Dateien(), std::vector<std::string>({"training.lmt"}));

    // With room again the same save goes through and reads back whole.
    EXPECT_TRUE(doc->DoFileSave());
    CTraining gelesen;
    CArchive ar(CArchive::load, datei);
    gelesen.Serialize(ar);
    EXPECT_EQ(gelesen.GetBerichtAnzahl(), 3);
}

TEST_F(VollePlatteTest, UmgebungUndProfilBleiben)
{
    const std::string umgebung = Pfad("voll/umgebung.lmu");
    const std::string profil = Pfad("voll/default.lmp");
    std::filesystem::copy_file(Pfad("LMTR-Umgebungen/Vorlage.lmu"), umgebung);
    CBenutzerprofil vorher;
    CArchive ar(CArchive::store, profil);
    vorher.Serialize(ar);
    ar.Close();
    const auto umgebungVorher = LiesDatei(umgebung);
    const auto profilVorher = LiesDatei(profil);
    CLumetraApp& app = Starte();
    m_meldungen->m_meldungen.clear();
    app.m_Profil.m_strProfilVerzeichnis = Pfad("voll");
    app.m_Umgebung.SetGeaendert();

    Fuelle();
    m_laeufer->m_antworten.push_back(WaehleDatei(umgebung));
    app.Befehl(ID_UMGEBUNG_SPEICHERN_UNTER);
    app.Befehl(ID_ANZEIGE);
    Leere();

    EXPECT_EQ(
        m_meldungen->Texte(),
        std::vector<std::string>(
            {"Fehler: Die Umgebungsdatei konnte nicht gespeichert werden. Der Dateiname der Umgebungsdatei lautet " +
                 umgebung,
             "Fehler: Die Profildatei konnte nicht gespeichert werden. Der Dateiname der Profildatei lautet " +
                 profil}));
    EXPECT_EQ(LiesDatei(umgebung), umgebungVorher);
    EXPECT_EQ(LiesDatei(profil), profilVorher);
    EXPECT_EQ(Dateien(), std::vector<std::string>({"default.lmp", "umgebung.lmu"}));
    EXPECT_TRUE(app.m_Umgebung.IstGeaendert());
}
