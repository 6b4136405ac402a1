// Start-up: settings store, profile and environment, status bar, no document.
#include "app_umgebung.h"

#include <QMdiArea>

#include "app/dokument.h"
#include "platform/archiv.h"

namespace {

const char* const kUmgebungFehlt =
    "Fehler: Die Umgebungsdatei konnte nicht geöffnet werden. Der Dateiname der Umgebungsdatei lautet ";

} // namespace

TEST_F(AppTest, LeererStartOeffnetKeinDokumentUndZeigtDieDateinamen)
{
    SchreibeVorlagen();
    CLumetraApp& app = Starte();

    EXPECT_TRUE(app.GetMainWnd()->GetMdiArea()->subWindowList().isEmpty());
    ASSERT_EQ(app.GetVorlagen().size(), 2u);

    CStatusLeiste* status = app.GetMainWnd()->GetStatusLeiste();
    EXPECT_EQ(status->GetText(1), "Vorlage.lmu");
    EXPECT_EQ(status->GetText(2), "default.lmp");
    EXPECT_TRUE(m_meldungen->Texte().empty());
    // The profile is stored back at start; its path goes machine-wide and
    // the user's entry is emptied.
    EXPECT_TRUE(std::filesystem::exists(Pfad("LMTR-Benutzerprofile/default.lmp")));
    CQtEinstellungen e = Einstellungen();
    std::string system;
    ASSERT_TRUE(e.LeseSystemText("Umgebung", "profil", system));
    EXPECT_EQ(system, Pfad("LMTR-Benutzerprofile/default.lmp"));
    EXPECT_EQ(e.LeseText("Umgebung", "profil"), "");
}

TEST_F(AppTest, FehlendeUmgebungsvorlageWirdMitPfadGemeldet)
{
    LegeOrdnerAn();
    CLumetraApp& app = Starte();
    ASSERT_EQ(m_meldungen->Texte().size(), 1u);
    EXPECT_EQ(m_meldungen->Texte()[0], kUmgebungFehlt + Pfad("LMTR-Umgebungen/Vorlage.lmu"));
    EXPECT_EQ(app.GetMainWnd()->GetStatusLeiste()->GetText(1), "*.lmu");
}

TEST_F(AppTest, NichtSchreibbaresProfilWirdGemeldet)
{
    // No profile folder: the profile cannot be stored.
    CLumetraApp& app = Starte();
    ASSERT_GE(m_meldungen->Texte().size(), 1u);
    EXPECT_EQ(m_meldungen->Texte()[0],
              "Fehler: Die Profildatei konnte nicht geöffnet werden. Der Dateiname der Profildatei lautet " +
                  Pfad("LMTR-Benutzerprofile/default.lmp"));
    EXPECT_EQ(app.GetMainWnd()->GetStatusLeiste()->GetText(2), "default.lmp");
}

TEST_F(AppTest, OhneMaschinenweitenSchluesselBekommtDerBenutzerDenPfad)
{
    SchreibeVorlagen();
    Starte(false);
    EXPECT_EQ(Einstellungen().LeseText("Umgebung", "profil"), Pfad("LMTR-Benutzerprofile/default.lmp"));
}

TEST_F(AppTest, MaschinenweiterPfadGiltWennDerBenutzereintragLeerIst)
{
    SchreibeVorlagen();
    std::filesystem::create_directories(Pfad("profile"));
    Einstellungen().SchreibeSystemText("Umgebung", "profil", Pfad("profile") + "/$b");
    CLumetraApp& app = Starte();
    EXPECT_EQ(app.m_Profil.m_strProfilVerzeichnis, Pfad("profile"));
    EXPECT_EQ(app.m_Profil.m_strProfilMuster, "$b.lmp");
    EXPECT_EQ(app.GetMainWnd()->GetStatusLeiste()->GetText(2), "tester.lmp");
    EXPECT_TRUE(std::filesystem::exists(Pfad("profile/tester.lmp")));
    // Written back unexpanded.
    std::string system;
    Einstellungen().LeseSystemText("Umgebung", "profil", system);
    EXPECT_EQ(system, Pfad("profile") + "/$b.lmp");
}

TEST_F(AppTest, AelterAbschnittDesBenutzersWirdGelesen)
{
    SchreibeVorlagen();
    Einstellungen().SchreibeText("Umgebungs", "profil", "  " + Pfad("LMTR-Benutzerprofile/alt") + "  ");
    CLumetraApp& app = Starte(false);
    EXPECT_EQ(app.m_Profil.m_strProfilMuster, "alt.lmp");
    EXPECT_EQ(Einstellungen().LeseText("Umgebung", "profil"), Pfad("LMTR-Benutzerprofile/alt.lmp"));
}

TEST(Profilpfad, NamenRegeln)
{
    const std::string ordner = CBenutzerprofil().m_strProfilVerzeichnis;
    // text, folder, pattern
    const std::string faelle[][3] = {{"C:\\Profile\\", "C:\\Profile", "$b.lmp"},
                                     {"  meinprofil ", ordner, "meinprofil.lmp"},
                                     {"/daten/a.b.lmp", "/daten", "a.b.lmp"},
                                     {"   ", ordner, "default.lmp"}};
    for (const auto& f : faelle) {
        CBenutzerprofil p;
        CLumetraApp::WendeProfilpfadAn(p, f[0]);
        EXPECT_EQ(p.m_strProfilVerzeichnis, f[1]) << f[0];
        EXPECT_EQ(p.m_strProfilMuster, f[2]) << f[0];
    }
}

TEST_F(AppTest, AlterProfilordnerWirdZuerstUnterNeuemNamenGesucht)
{
    SchreibeVorlagen();
    // A profile with three decimals in the new folder.
    {
        CBenutzerprofil p;
        CAnzeigeOptionen o = p.GetAnzeigeOptionen();
        o.SetDezimalstellen(3);
        p.SetAnzeigeoptionen(o);
        CArchive ar(CArchive::store, Pfad("LMTR-Benutzerprofile/default.lmp"));
        p.Serialize(ar);
        ar.Close();
    }
    std::filesystem::create_directories(Pfad("LM-TR Benutzerprofile"));
    Einstellungen().SchreibeText("Umgebung", "profil", Pfad("LM-TR Benutzerprofile/default.lmp"));
    CLumetraApp& app = Starte(false);
    EXPECT_EQ(app.m_Profil.GetAnzeigeOptionen().GetDezimalstellen(), 3);
    EXPECT_EQ(app.m_Profil.m_strProfilVerzeichnis, Pfad("LM-TR Benutzerprofile"));
    EXPECT_EQ(Einstellungen().LeseText("Umgebung", "profil"), Pfad("LM-TR Benutzerprofile/default.lmp"));
    // Saved into the old folder, which the profile still names.
    EXPECT_TRUE(std::filesystem::exists(Pfad("LM-TR Benutzerprofile/default.lmp")));
}

// A foreign file and a cut-off profile are refused and left as they are.
TEST_F(AppTest, AbgelehntesProfilWirdNichtUeberschrieben)
{
    CBenutzerprofil p;
    CArchive ar(CArchive::store, Pfad("x"));
    p.Serialize(ar);
    const std::vector<std::uint8_t> faelle[] = {{'K', 'E', 'I', 'N', 'P', 'R', 'O', 'F', 'I', 'L'},
                                                {ar.GetBytes().begin(), ar.GetBytes().begin() + 20}};
    for (const auto& inhalt : faelle) {
        if (&inhalt != faelle) {
            TearDown();
            SetUp();
        }
        SchreibeVorlagen();
        SchreibeDatei(Pfad("LMTR-Benutzerprofile/default.lmp"), inhalt);
        Starte();
        EXPECT_EQ(LiesDatei(Pfad("LMTR-Benutzerprofile/default.lmp")), inhalt);
        ASSERT_FALSE(m_meldungen->Texte().empty());
        EXPECT_NE(m_meldungen->Texte()[0].find(Pfad("LMTR-Benutzerprofile/default.lmp")), std::string::npos);
    }
}

TEST_F(AppTest, ZuletztGeoeffneteDateienKommenAusDenEinstellungen)
{
    SchreibeVorlagen();
    {
        CQtEinstellungen e = Einstellungen();
        e.SchreibeText("Recent File List", "File1", "/a/eins.lmt");
        e.SchreibeText("Recent File List", "File2", "/a/zwei.lmd");
    }
    CLumetraApp& app = Starte();
    EXPECT_EQ(app.GetDateiliste(), (std::vector<std::string>{"/a/eins.lmt", "/a/zwei.lmd"}));
    for (int i = 0; i < 5; ++i)
        app.AddToRecentFileList(Pfad("d" + std::to_string(i) + ".lmt"));
    ASSERT_EQ(app.GetDateiliste().size(), 4u);
    EXPECT_EQ(app.GetDateiliste()[0], Pfad("d4.lmt"));
    EXPECT_EQ(Einstellungen().LeseText("Recent File List", "File4"), Pfad("d1.lmt"));
}
