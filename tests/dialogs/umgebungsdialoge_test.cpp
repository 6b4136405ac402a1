// The environment and profile dialogs: enabling, clamps, what they hand back.
#include "dialog_umfeld.h"

#include <array>

#include "dialogs/anordnungdlg.h"
#include "dialogs/anzeigedlg.h"
#include "dialogs/dateiverwaltungdlg.h"
#include "dialogs/profildlg.h"

class Umgebungsdialoge : public DialogTest {
protected:
    // The current mode and the listed ones: width, height, depth, rate.
    void Modi(std::array<uint32_t, 4> m, std::initializer_list<std::array<uint32_t, 4>> modi)
    {
        CBildschirmModus modus;
        modus.m_dwBreite = m[0], modus.m_dwHoehe = m[1], modus.m_dwFarbtiefe = m[2];
        modus.m_dwFrequenz = modus.m_dwLetzteFrequenz = m[3];
        umgebung.SetBildschirmModus(modus);
        umgebung.m_Modusliste.Leeren();
        for (const auto& l : modi)
            umgebung.m_Modusliste.Hinzufuegen(l[0], l[1], l[2], l[3]);
        umgebung.m_Modusliste.Sortieren();
    }
    // A dialog on the profile (and the environment) as it is shown.
    template <class Dlg>
    std::unique_ptr<Dlg> Dialog()
    {
        auto dlg = std::make_unique<Dlg>();
        if constexpr (std::is_same_v<Dlg, CAnordnungDlg>)
            dlg->SetUmgebung(&profil, &umgebung);
        else if constexpr (std::is_same_v<Dlg, CAnzeigeDlg>)
            dlg->SetOptionen(&profil);
        else
            dlg->LadeAusProfil(&profil);
        dlg->OnInitDialog();
        dlg->show();
        return dlg;
    }
    std::unique_ptr<CAnzeigeDlg> Anzeige(uint32_t einheit, uint32_t flags = 6)
    {
        CAnzeigeOptionen o;
        o.SetEinheit(einheit);
        o.m_dwFlags = flags;
        profil.SetAnzeigeoptionen(o);
        return Dialog<CAnzeigeDlg>();
    }
};

TEST_F(Umgebungsdialoge, AnordnungModiUndFrequenz)
{
    Modi({1024, 768, 8, 75}, {{640, 480, 0, 0}, {1024, 768, 8, 75}, {1024, 768, 8, 60}});
    auto dlg = Dialog<CAnordnungDlg>();
    QComboBox* modus = Teil<QComboBox>(*dlg, "modus");
    EXPECT_EQ(modus->itemText(0), "640 x 480, ?, ?");
    EXPECT_EQ(modus->currentIndex(), 2);
    EXPECT_TRUE(Teil<QLineEdit>(*dlg, "frequenz")->isReadOnly());

    Tippe(*dlg, "hoehe", "0");
    EXPECT_EQ(Text(*dlg, "hoehe"), "0,1");
    Tippe(*dlg, "breite", "-1e999");
    EXPECT_EQ(Text(*dlg, "breite"), "0,1");
    Tippe(*dlg, "abstand", "57,26");
    EXPECT_EQ(Text(*dlg, "abstand"), "57,3");

    // A rate the list lacks takes the first mode of that resolution.
    Modi({1024, 768, 8, 100}, {{1024, 768, 8, 60}, {1024, 768, 8, 75}});
    auto zweiter = Dialog<CAnordnungDlg>();
    EXPECT_EQ(Text(*zweiter, "frequenz"), "60");

    // The standard rate lets the last rate be typed; Enter accepts with it
    // still in the focused field.
    Modi({800, 600, 8, 75}, {{800, 600, 8, 0}, {800, 600, 8, 75}});
    CAnordnungDlg modal;
    modal.SetUmgebung(&profil, &umgebung);
    ASSERT_EQ(Ausfuehren(modal,
                         [&] {
                             Waehle(modal, "modus", 0);
                             EXPECT_FALSE(Teil<QLineEdit>(modal, "frequenz")->isReadOnly());
                             Tippe(modal, "frequenz", "85", true);
                         }),
              IDOK);
    EXPECT_EQ(modal.Uebernehmen(&umgebung), 0);
    EXPECT_EQ(umgebung.GetBildschirmModus().m_dwFrequenz, 0u);
    EXPECT_EQ(umgebung.GetBildschirmModus().m_dwLetzteFrequenz, 85u);

    // A negative rate is no rate at all.
    modal.show();
    Tippe(modal, "frequenz", "-5");
    EXPECT_EQ(modal.GetBildschirmModus().m_dwLetzteFrequenz, 0u);
}

// Sizes and distance end at ten metres: a value typed above, however large
// or infinite, goes to that bound, never to the least size.
TEST_F(Umgebungsdialoge, AnordnungGroessenHabenEineObergrenze)
{
    CAnordnungDlg dlg;
    dlg.SetUmgebung(&profil, &umgebung);
    ASSERT_EQ(Ausfuehren(dlg,
                         [&] {
                             const std::pair<const char*, const char*> eingaben[] = {
                                 {"breite", "99999999"}, {"hoehe", "1e10"}, {"abstand", "1e300"}};
                             for (auto [feld, text] : eingaben) {
                                 Tippe(dlg, feld, text);
                                 EXPECT_EQ(Text(dlg, feld), "1000,0") << text;
                             }
                             for (const char* text : {"1e308", "1e999", "inf", "Infinity", "1000,04"}) {
                                 Tippe(dlg, "abstand", "50");
                                 Tippe(dlg, "abstand", text);
                                 EXPECT_EQ(Text(dlg, "abstand"), "1000,0") << text;
                             }
                             for (const char* text : {"-inf", "nan", "-1e308"}) {
                                 Tippe(dlg, "hoehe", text);
                                 EXPECT_EQ(Text(dlg, "hoehe"), "0,1") << text;
                             }
                             Tippe(dlg, "hoehe", "999,94");
                             Klicke(dlg, "ok");
                         }),
              IDOK);
    dlg.Uebernehmen(&umgebung);
    const CAnordnung a = umgebung.GetAnordnung();
    EXPECT_EQ(std::vector({a.m_dBreite, a.m_dHoehe, a.m_dAbstand}), std::vector({1000.0, 999.9, 1000.0}));
}

// Sizes finer than the tenths shown stay as stored when the user passes
// through every field and accepts; a size typed is read as shown.
TEST_F(Umgebungsdialoge, AnordnungDurchlaufenBehaeltDieGroessen)
{
    CAnordnung a;
    a.m_dBreite = 40.25, a.m_dHoehe = 30.04, a.m_dAbstand = 57.26;
    umgebung.SetAnordnung(a);
    a = umgebung.GetAnordnung();
    CAnordnungDlg dlg;
    dlg.SetUmgebung(&profil, &umgebung);
    ASSERT_EQ(Ausfuehren(dlg,
                         [&] {
                             EXPECT_EQ(Text(dlg, "breite"), "40,3");
                             Durchlaufen(dlg);
                             Klicke(dlg, "ok");
                         }),
              IDOK);
    const CAnordnung b = dlg.GetAnordnung();
    EXPECT_EQ(b.m_dBreite, a.m_dBreite);
    EXPECT_EQ(b.m_dHoehe, a.m_dHoehe);
    EXPECT_EQ(b.m_dAbstand, a.m_dAbstand);
    dlg.show();
    Tippe(dlg, "hoehe", "30,04");
    EXPECT_EQ(dlg.GetAnordnung().m_dHoehe, 30.0);
    EXPECT_EQ(dlg.GetAnordnung().m_dBreite, a.m_dBreite);
}

// Pixels only for the pixel bit, and before a part of the display as in the
// conversions; a unit without a kind bit reads as a part of the display.
TEST_F(Umgebungsdialoge, EinheitWaehltKnopfUndUntereinheit)
{
    struct Fall {
        uint32_t einheit;
        const char* knopf;
        const char* liste;
        int index;
    };
    for (const Fall& f : {Fall{0x0202, "laenge", "laengenliste", 2}, Fall{0x3001, "sehwinkel", "winkelliste", 1},
                          Fall{0x4004, "anteil", "anteilliste", 1}, Fall{0x4000, "anteil", "anteilliste", 1},
                          Fall{8, "pixel", "", -1}, Fall{0x000C, "pixel", "", -1}}) {
        auto dlg = Anzeige(f.einheit);
        EXPECT_TRUE(An(*dlg, f.knopf)) << f.einheit;
        for (const char* liste : {"winkelliste", "laengenliste", "anteilliste"}) {
            QComboBox* l = Teil<QComboBox>(*dlg, liste);
            const bool diese = std::string(liste) == f.liste;
            EXPECT_EQ(l->isEnabled(), diese) << f.einheit << liste;
            EXPECT_EQ(l->currentIndex(), diese ? f.index : -1) << f.einheit << liste;
        }
        EXPECT_EQ(Frei(*dlg, "dezimalstellen"), (f.einheit & 8) == 0);
        // A unit the user leaves stays as it is.
        Klicke(*dlg, f.knopf);
        EXPECT_EQ(dlg->GetOptionen().GetEinheit(), f.einheit);
    }
    auto anteil = Anzeige(0x4000);
    Waehle(*anteil, "anteilliste", 0);
    EXPECT_EQ(anteil->GetOptionen().GetEinheit(), 0x0004u);

    auto dlg = Anzeige(1, 9);
    Klicke(*dlg, "laenge");
    Waehle(*dlg, "laengenliste", 3);
    EXPECT_EQ(dlg->GetOptionen().GetEinheit(), 0x0102u);
    Tippe(*dlg, "dezimalstellen", "-3");
    EXPECT_EQ(Text(*dlg, "dezimalstellen"), "0");
    Tippe(*dlg, "dezimalstellen", "12");
    // The boxes stand fixed, so every change leaves tool and status bar on.
    EXPECT_EQ(dlg->GetOptionen().m_dwFlags, 6u);
    dlg->Uebernehmen(&profil);
    EXPECT_EQ(profil.GetAnzeigeOptionen().GetEinheit(), 0x0102u);
    EXPECT_EQ(profil.GetAnzeigeOptionen().GetDezimalstellen(), 12);

    // Bits beyond the four options stay.
    auto anderer = Anzeige(1, 0x19);
    Klicke(*anderer, "pixel");
    EXPECT_EQ(anderer->GetOptionen().m_dwFlags, 0x16u);
}

// Shown with "/", kept byte for byte when passed through; a bare name keeps
// the folder and gains the extension.
TEST_F(Umgebungsdialoge, ProfilpfadWirdZerlegtUndErgaenzt)
{
    profil.m_strProfilVerzeichnis = "D:\\Profile\\Station 2";
    profil.m_strProfilMuster = "$b.lmp";
    auto dlg = Dialog<CProfilDlg>();
    EXPECT_EQ(Text(*dlg, "pfad"), "D:/Profile/Station 2/$b.lmp");
    Tippe(*dlg, "pfad", std::nullopt);
    dlg->accept();
    dlg->SpeichereInProfil(&profil);
    EXPECT_EQ(profil.m_strProfilVerzeichnis, "D:\\Profile\\Station 2");

    dlg->show();
    const std::array<std::array<const char*, 3>, 3> faelle = {{
        {"  D:\\Profile\\nutzer7 ", "D:\\Profile", "nutzer7.lmp"},
        {".lmp", "D:\\Profile", "$b.lmp"},
        {"/a/", "/a", "$b.lmp"},
    }};
    for (const auto& [eingabe, verzeichnis, muster] : faelle) {
        Tippe(*dlg, "pfad", eingabe);
        EXPECT_EQ(dlg->GetVerzeichnis(), verzeichnis) << eingabe;
        EXPECT_EQ(dlg->GetMuster(), muster) << eingabe;
    }

    // The chosen file's name becomes the pattern.
    std::filesystem::create_directories(Pfad("andere"));
    WaehleDatei(Pfad("andere/meins"));
    dlg->OnSuchen();
    EXPECT_EQ(Text(*dlg, "pfad"), Pfad("andere/meins.lmp"));
}

// Stored paths pass through unchanged, shown with "/"; a bare name goes to
// the kind's folder, a folder keeps the name.
TEST_F(Umgebungsdialoge, VorlagenUndOrdner)
{
    CVerzeichnisse v = profil.GetVerzeichnisse();
    v.m_strTrainingsVorlage = "D:\\LMTR\\Vorlagen\\Training.lmt";
    v.m_strTestVorlage = "D:\\LMTR\\Vorlagen/Test.lmd";
    v.m_strUmgebungsVorlage = "\\\\server\\lmtr\\Umgebung.lmu";
    v.m_strEigeneBilder = "D:\\Eigene Bilder";
    v.m_strEigeneTexte = "D:\\Eigene Texte\\";
    profil.SetVerzeichnisse(v);
    auto pfade = [](const CVerzeichnisse& v) {
        return std::vector<std::string>{v.m_strTrainingsVorlage, v.m_strTestVorlage, v.m_strUmgebungsVorlage,
                                        v.m_strEigeneBilder, v.m_strEigeneTexte};
    };
    auto dlg = Dialog<CDateiverwaltungDlg>();
    EXPECT_EQ(Text(*dlg, "umgebung"), "//server/lmtr/Umgebung.lmu");
    EXPECT_EQ(Text(*dlg, "bilder"), "D:/Eigene Bilder/*.bmp");
    for (const char* feld : {"training", "test", "umgebung", "bilder", "texte"})
        Tippe(*dlg, feld, std::nullopt);
    dlg->accept();
    dlg->SpeichereInProfil(&profil);
    EXPECT_EQ(pfade(profil.GetVerzeichnisse()), pfade(v));

    dlg->show();
    Tippe(*dlg, "training", "Neu");
    EXPECT_EQ(Text(*dlg, "training"), v.m_strTrainings + "/Neu.lmt");
    Tippe(*dlg, "test", " /tmp/Vorlagen/ ");
    EXPECT_EQ(Text(*dlg, "test"), "/tmp/Vorlagen/Vorlage.lmd");
    Tippe(*dlg, "umgebung", ".lmu");
    EXPECT_EQ(Text(*dlg, "umgebung"), v.m_strUmgebungen + "/Vorlage.lmu");
    // A new folder drops the pattern.
    Tippe(*dlg, "texte", "/daten/texte/*.txt");

    // Searched: of pictures only the folder; cancelled: nothing changes.
    std::filesystem::create_directories(Pfad("bilder"));
    WaehleDatei(Pfad("bilder/sonne.bmp"));
    dlg->OnSuchenBilder();
    EXPECT_EQ(Text(*dlg, "bilder"), Pfad("bilder") + "/*.bmp");
    WaehleDatei(Pfad("start"));
    dlg->OnSuchenUmgebung();
    WaehleDatei({});
    dlg->OnSuchenTest();

    dlg->SpeichereInProfil(&profil);
    const CVerzeichnisse nachher = profil.GetVerzeichnisse();
    EXPECT_EQ(nachher.m_strEigeneTexte, "/daten/texte");
    EXPECT_EQ(nachher.m_strTestVorlage, "/tmp/Vorlagen/Vorlage.lmd");
    EXPECT_EQ(nachher.m_strUmgebungsVorlage, Pfad("start.lmu"));
    EXPECT_EQ(nachher.m_strEigeneBilder, Pfad("bilder"));
    EXPECT_EQ(nachher.m_strTrainings, v.m_strTrainings);
}
