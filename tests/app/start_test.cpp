// Start-up: settings store, profile and environment, status bar.
#include "app_umgebung.h"

#include "platform/archiv.h"

static const std::string kProfil = "LMTR-Benutzerprofile/default.lmp";

// The machine-wide path holds when the user's entry is empty; it is written
// back unexpanded.
TEST_F(AppTest, LeererStartNimmtDenMaschinenweitenPfad)
{
    SchreibeVorlagen();
    std::filesystem::create_directories(Pfad("profile"));
    Einstellungen().SchreibeSystemText("Umgebung", "profil", Pfad("profile") + "/$b");
    CLumetraApp& app = Starte();

    EXPECT_TRUE(m_meldungen->Texte().empty());
    EXPECT_EQ(app.m_Profil.m_strProfilVerzeichnis, Pfad("profile"));
    EXPECT_EQ(app.m_Profil.m_strProfilMuster, "$b.lmp");
    CStatusLeiste* status = app.GetMainWnd()->GetStatusLeiste();
    EXPECT_EQ(status->GetText(1), "Vorlage.lmu");
    EXPECT_EQ(status->GetText(2), "tester.lmp");
    EXPECT_TRUE(std::filesystem::exists(Pfad("profile/tester.lmp")));
    CQtEinstellungen e = Einstellungen();
    std::string system;
    ASSERT_TRUE(e.LeseSystemText("Umgebung", "profil", system));
    EXPECT_EQ(system, Pfad("profile") + "/$b.lmp");
    EXPECT_EQ(e.LeseText("Umgebung", "profil"), "");
}

TEST_F(AppTest, FehlendeOrdnerWerdenMitPfadGemeldet)
{
    CLumetraApp& app = Starte();
    EXPECT_EQ(m_meldungen->Texte(),
              std::vector<std::string>(
                  {"Fehler: Die Profildatei konnte nicht geöffnet werden. Der Dateiname der Profildatei lautet " +
                       Pfad(kProfil),
                   "Fehler: Die Umgebungsdatei konnte nicht geöffnet werden. Der Dateiname der Umgebungsdatei "
                   "lautet " +
                       Pfad("LMTR-Umgebungen/Vorlage.lmu")}));
    EXPECT_EQ(app.GetMainWnd()->GetStatusLeiste()->GetText(1), "*.lmu");
    EXPECT_EQ(app.GetMainWnd()->GetStatusLeiste()->GetText(2), "default.lmp");
}

// Without the machine-wide key the user's entry names the profile and gets
// its path; a profile in the new folder has three decimals.
TEST_F(AppTest, BenutzereintragOhneMaschinenweitenSchluessel)
{
    struct Fall {
        const char* abschnitt;
        const char* eintrag;
        const char* ordner;
        const char* muster;
        bool ausNeuemOrdner;
    };
    const Fall faelle[] = {
        {"Umgebung", "", "LMTR-Benutzerprofile", "default.lmp", true},
        {"Umgebungs", "LMTR-Benutzerprofile/alt", "LMTR-Benutzerprofile", "alt.lmp", false},
        // The old folder's name is looked for under the new one first, and saved into.
        {"Umgebung", "LM-TR Benutzerprofile/default.lmp", "LM-TR Benutzerprofile", "default.lmp", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.eintrag);
        if (&f != faelle) {
            TearDown();
            SetUp();
        }
        SchreibeVorlagen();
        CBenutzerprofil p;
        CAnzeigeOptionen o = p.GetAnzeigeOptionen();
        o.SetDezimalstellen(3);
        p.SetAnzeigeoptionen(o);
        CArchive ar(CArchive::store, Pfad(kProfil));
        p.Serialize(ar);
        ar.Close();
        std::filesystem::create_directories(Pfad(f.ordner));
        if (*f.eintrag)
            Einstellungen().SchreibeText(f.abschnitt, "profil", "  " + Pfad(f.eintrag) + "  ");
        CLumetraApp& app = Starte(false);
        EXPECT_EQ(app.m_Profil.m_strProfilVerzeichnis, Pfad(f.ordner));
        EXPECT_EQ(app.m_Profil.m_strProfilMuster, f.muster);
        EXPECT_EQ(app.m_Profil.GetAnzeigeOptionen().GetDezimalstellen() == 3, f.ausNeuemOrdner);
        const std::string pfad = Pfad(f.ordner) + "/" + f.muster;
        EXPECT_EQ(Einstellungen().LeseText("Umgebung", "profil"), pfad);
        EXPECT_TRUE(std::filesystem::exists(pfad));
    }
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
        SchreibeDatei(Pfad(kProfil), inhalt);
        Starte();
        EXPECT_EQ(LiesDatei(Pfad(kProfil)), inhalt);
        ASSERT_FALSE(m_meldungen->Texte().empty());
        EXPECT_NE(m_meldungen->Texte()[0].find(Pfad(kProfil)), std::string::npos);
    }
}

TEST_F(AppTest, ZuletztGeoeffneteDateienKommenAusDenEinstellungen)
{
    SchreibeVorlagen();
    Einstellungen().SchreibeText("Recent File List", "File1", "/a/eins.lmt");
    Einstellungen().SchreibeText("Recent File List", "File2", "/a/zwei.lmd");
    CLumetraApp& app = Starte();
    EXPECT_EQ(app.GetDateiliste(), (std::vector<std::string>{"/a/eins.lmt", "/a/zwei.lmd"}));
    for (int i = 0; i < 5; ++i)
        app.AddToRecentFileList(Pfad("d" + std::to_string(i) + ".lmt"));
    ASSERT_EQ(app.GetDateiliste().size(), 4u);
    EXPECT_EQ(app.GetDateiliste()[0], Pfad("d4.lmt"));
    EXPECT_EQ(Einstellungen().LeseText("Recent File List", "File4"), Pfad("d1.lmt"));
}
