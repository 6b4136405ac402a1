// Saves on a full disk: the previous file stays byte for byte, the user is
// told with the path. On a small tmpfs when this process may mount one, else
// under a file-size limit, which fails the same writes with EFBIG.
#include "app_umgebung.h"

#include <csignal>
#include <fstream>
#include <sys/mount.h>
#include <sys/resource.h>

#include "app/befehle.h"
#include "app/lmtrainingdoc.h"
#include "platform/archiv.h"
#include "workplace/benutzerprofil.h"

namespace {

class CVollerOrdner {
public:
    explicit CVollerOrdner(std::string ordner) : m_ordner(std::move(ordner))
    {
        std::filesystem::create_directories(m_ordner);
        m_tmpfs = ::mount("tmpfs", m_ordner.c_str(), "tmpfs", 0, "size=256k") == 0;
    }
    ~CVollerOrdner()
    {
        Leere();
        if (m_tmpfs)
            ::umount(m_ordner.c_str());
    }
    const std::string& Ordner() const { return m_ordner; }

    // From here on no file in the folder can grow.
    void Fuelle()
    {
        if (m_tmpfs) {
            std::ofstream fueller(m_ordner + "/fueller", std::ios::binary);
            const std::vector<char> block(4096, 'f');
            while (fueller.write(block.data(), static_cast<std::streamsize>(block.size())) && fueller.flush()) {}
            return;
        }
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_vorher);
        rlimit grenze = m_vorher;
        grenze.rlim_cur = 1;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &grenze), 0);
        m_begrenzt = true;
    }
    void Leere()
    {
        if (m_tmpfs)
            std::filesystem::remove(m_ordner + "/fueller");
        if (m_begrenzt)
            ::setrlimit(RLIMIT_FSIZE, &m_vorher);
        m_begrenzt = false;
    }

private:
    std::string m_ordner;
    bool m_tmpfs = false;
    bool m_begrenzt = false;
    rlimit m_vorher{};
};

} // namespace

class VollePlatteTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SchreibeVorlagen();
        m_voll = std::make_unique<CVollerOrdner>(Pfad("voll"));
    }
    void TearDown() override
    {
        m_voll.reset();
        AppTest::TearDown();
    }
    std::string Voll(const std::string& name) const { return m_voll->Ordner() + "/" + name; }
    // The names in the full folder, the filler aside.
    std::vector<std::string> Dateien() const
    {
        std::vector<std::string> namen;
        for (const auto& e : std::filesystem::directory_iterator(m_voll->Ordner()))
            if (e.path().filename() != "fueller")
                namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
    std::unique_ptr<CVollerOrdner> m_voll;
};

TEST_F(VollePlatteTest, DokumentBleibtUndDieMeldungNenntDenPfad)
{
    const std::string datei = Voll("training.lmt");
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

    m_voll->Fuelle();
    const bool gespeichert = doc->DoFileSave();
    m_voll->Leere();
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
    const std::string umgebung = Voll("umgebung.lmu");
    const std::string profil = Voll("default.lmp");
    std::filesystem::copy_file(Pfad("LMTR-Umgebungen/Vorlage.lmu"), umgebung);
    {
        CBenutzerprofil vorher;
        CArchive ar(CArchive::store, profil);
        vorher.Serialize(ar);
        ar.Close();
    }
    const auto umgebungVorher = LiesDatei(umgebung);
    const auto profilVorher = LiesDatei(profil);
    CLumetraApp& app = Starte();
    m_meldungen->m_meldungen.clear();
    app.m_Profil.m_strProfilVerzeichnis = m_voll->Ordner();
    app.m_Umgebung.SetGeaendert();

    m_voll->Fuelle();
    m_laeufer->m_antworten.push_back(WaehleDatei(umgebung));
    app.Befehl(ID_UMGEBUNG_SPEICHERN_UNTER);
    app.Befehl(ID_ANZEIGE);
    m_voll->Leere();

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
