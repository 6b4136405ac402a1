#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "platform/archiv.h"
#include "platform/display/ddraw.h"
#include "platform/display/memory/speicher_anzeige.h"
#include "platform/meldung.h"
#include "workplace/benutzerprofil.h"
#include "workplace/dateikopf.h"
#include "workplace/modusliste.h"
#include "workplace/reizkatalog.h"
#include "workplace/tastenliste.h"
#include "workplace/umgebung.h"

namespace {

using Modus = std::array<uint32_t, 4>; // width, height, depth, rate

template <class T>
std::vector<uint8_t> Gespeichert(T& modell)
{
    CArchive ar;
    EXPECT_EQ(modell.Serialize(ar), 0);
    return ar.GetBytes();
}

template <class T>
int Laden(T& modell, std::vector<uint8_t> bytes, const std::string& pfad = "/u/a.lmu")
{
    CArchive ar(std::move(bytes), pfad);
    return modell.Serialize(ar);
}

using Abgelehnt = std::tuple<std::vector<uint8_t>, int, std::string>;

// Every beginning of a whole file is damaged.
void Verkuerzt(std::vector<Abgelehnt>& faelle, const std::vector<uint8_t>& voll)
{
    for (size_t n = 0; n < voll.size(); ++n)
        faelle.emplace_back(std::vector<uint8_t>(voll.begin(), voll.begin() + n), DATEI_BESCHAEDIGT,
                            " ist beschädigt oder unvollständig und wurde nicht geladen.");
}

class Umgebung : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (uint32_t b : {640u, 800u, 1024u})
            for (uint32_t f : {0u, 60u, 75u})
                u.m_Modusliste.Hinzufuegen(b, b * 3 / 4, 8, f);
    }
    void SetEinheit(uint32_t einheit, int stellen = 1)
    {
        CAnzeigeOptionen o;
        o.SetEinheit(einheit);
        o.SetDezimalstellen(stellen);
        profil.SetAnzeigeoptionen(o);
    }
    template <class T, class Z>
    void PruefeAbgelehnt(T& modell, const std::vector<Abgelehnt>& faelle, Z zustand)
    {
        const auto vorher = zustand();
        for (const auto& [bytes, code, text] : faelle) {
            meldungen.m_meldungen.clear();
            EXPECT_EQ(Laden(modell, bytes), code) << bytes.size();
            EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{"/u/a.lmu" + text}) << bytes.size();
            ASSERT_EQ(zustand(), vorher) << bytes.size();
        }
    }
    static auto Zustand(const CUmgebung& u)
    {
        const CAnordnung a = u.GetAnordnung();
        const CBildschirmModus m = u.GetBildschirmModus();
        return std::tuple(a.m_dAbstand, a.m_dBreite, a.m_dHoehe, m.m_dwBreite, m.m_dwHoehe, m.m_dwFarbtiefe,
                          m.m_dwFrequenz, m.m_dwLetzteFrequenz, m.m_strTreiber, u.GetPfad());
    }
    // A file with the given frame, arrangement and, from version 11, a mode.
    static std::vector<uint8_t> Datei(uint32_t version, double breite = 40, double hoehe = 30, double abstand = 50,
                                      uint32_t mb = 800, uint32_t mh = 600, uint32_t frequenz = 60)
    {
        CArchive ar;
        SchreibeDateikopf(ar, "LMU", version);
        ar << breite << hoehe << abstand;
        if (version > 10) {
            ar << mb << mh << uint32_t(8) << frequenz;
            if (version >= 100)
                ar << uint32_t(frequenz ? frequenz : 75);
            ar << std::string("Treiber");
        }
        return ar.GetBytes();
    }
    // A profile file with the six folders of a file before version 100.
    static std::vector<uint8_t> Profildatei(const char* typ, uint32_t version)
    {
        CArchive ar;
        ar << std::string("LMTR") << std::string(typ) << version << uint32_t(8) << int32_t(0) << uint32_t(2);
        for (const char* t : {"/u", "/u/v.lmu", "/tr", "/tr/v.lmt", "/bilder", "/texte"})
            ar << std::string(t);
        return ar.GetBytes();
    }

    CMeldungsRecorder meldungen;
    CBenutzerprofil profil;
    CUmgebung u;
};
using Profil = Umgebung;

} // namespace

TEST_F(Umgebung, Umrechnungen)
{
    EXPECT_DOUBLE_EQ(u.AnteilInEinheitX(0.25), 0.25); // without a profile: parts of the display
    u.SetProfil(&profil);
    // 1 degree at 50 cm on a 40 cm wide, 1024 pixel display.
    EXPECT_EQ(u.AnteilInPixelX(u.EinheitInAnteilX(1.0)), 22);
    EXPECT_DOUBLE_EQ(u.InAnteilX(1.0, 0x0202), 0.025);
    EXPECT_DOUBLE_EQ(u.InAnteilY(1.0, 0x0202), 1.0 / 30.0);
    EXPECT_DOUBLE_EQ(u.InAnteilX(30.0, 0x2001), u.InAnteilX(0.5, 0x0001));
    EXPECT_EQ(u.AnteilInPixelX(-2.5 / 1024), -2);
    EXPECT_EQ(u.AnteilInPixelX(2.5 / 1024), 3);
    // Sizes from damaged files saturate instead of overflowing.
    EXPECT_EQ(u.AnteilInPixelY(1e300), 2147483647);
    EXPECT_EQ(u.AnteilInPixelX(-1e300), -2147483647);
    EXPECT_EQ(u.AnteilInPixelX(std::nan("")), 0);
    for (uint32_t einheit : {0x0001u, 0x2001u, 0x0202u, 0x0008u, 0x0004u, 0u}) {
        SetEinheit(einheit);
        for (double wert : {-3.5, 0.0, 0.7, 12.0}) {
            EXPECT_NEAR(u.AnteilInEinheitX(u.InAnteilX(wert, einheit)), wert, 1e-12) << einheit;
            EXPECT_NEAR(u.AnteilInEinheitY(u.EinheitInAnteilY(wert)), wert, 1e-12) << einheit;
        }
    }
    SetEinheit(EINHEIT_PIXEL, 3);
    EXPECT_EQ(u.GetDezimalstellen(), 0);
    SetEinheit(0x0202, 3);
    EXPECT_EQ(u.GetDezimalstellen(), 3);
}

TEST_F(Umgebung, PruefeModus)
{
    CUmgebung leer;
    leer.m_Modusliste.Leeren();
    CBildschirmModus m;
    m.m_dwBreite = 800;
    m.m_dwHoehe = 600;
    EXPECT_EQ(leer.PruefeModus(m), 1);
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Die gewünschte Bildschirmauflösung steht nicht zur Verfügung.\n"
                                       "Die Bildschirmauflösung wurde angepasst.\n\n"
                                       "Gewünschte Bildschirmauflösung: 800 [Pxl] x 600 [Pxl], 8 [Bit], 75 Hz\n"
                                       "Angepasste Bildschirmauflösung: nicht verfügbar"});

    meldungen.m_meldungen.clear();
    m = CBildschirmModus(); // listed with its last rate: silent
    m.m_dwFrequenz = 70;
    m.m_dwLetzteFrequenz = 60;
    EXPECT_EQ(u.PruefeModus(m), 0);
    EXPECT_EQ(m.m_dwFrequenz, 60u);
    EXPECT_TRUE(meldungen.Texte().empty());

    m = CBildschirmModus();
    m.m_dwFrequenz = 100;
    m.m_dwFarbtiefe = 0;
    EXPECT_EQ(u.PruefeModus(m), 0);
    EXPECT_EQ(m.m_dwFrequenz, 75u);
    ASSERT_EQ(meldungen.Texte().size(), 1u);
    EXPECT_NE(meldungen.Texte()[0].find("Gewünschte Bildschirmauflösung: 1024 [Pxl] x 768 [Pxl], ? [Bit], 100 Hz\n"
                                        "Angepasste Bildschirmauflösung: 1024 [Pxl] x 768 [Pxl], 8 [Bit], 75 Hz"),
              std::string::npos);
}

TEST_F(Umgebung, ModiErmitteln)
{
    CSpeicherKonfig konfig;
    konfig.modi = {{800, 600, 8, 75}, {800, 600, 32, 60}, {1024, 768, 8, 56}, {640, 480, 0, 60}};
    auto anzeige = CSpeicherAnzeige::Installieren(konfig);
    CUmgebung v;
    const CModusListe& l = v.m_Modusliste;
    EXPECT_EQ(l.m_dwQuelle, CModusListe::QUELLE_TREIBER);
    EXPECT_EQ(l.GetAnzahl(), 3); // not the 32-bit one

    // The driver offers no list: the built-in one is used.
    anzeige->SetErgebnis(EAufruf::EnumDisplayModes, DDERR_GENERIC);
    EXPECT_EQ(v.ModiErmitteln(), 0);
    EXPECT_EQ(l.m_dwQuelle, CModusListe::QUELLE_EINGEBAUT);
    EXPECT_EQ(l.GetAnzahl(), 18);
    anzeige->SetErgebnis(EAufruf::Initialize, DDERR_GENERIC);
    EXPECT_EQ(v.ModiErmitteln(), 3);
    EXPECT_EQ(l.GetAnzahl(), 0);
    EXPECT_EQ(l.m_dwQuelle, CModusListe::QUELLE_KEINE);
    AnzeigeTreiberWaehlen("");
    EXPECT_EQ(v.ModiErmitteln(), 2);
}

TEST_F(Umgebung, DateiSpeichernUndLaden)
{
    u.SetGeaendert();
    const auto bytes = Gespeichert(u);
    ASSERT_EQ(bytes.size(), 82u);
    EXPECT_FALSE(u.IstGeaendert());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 13), std::string("\x04LMTR\x03LMU\x6E\0\0\0", 13));
    EXPECT_EQ(std::string(bytes.begin() + 37, bytes.begin() + 41), std::string("\0\4\0\0", 4)); // 1024

    const auto datei = Datei(110, 52, 32.5, 60, 800, 600, 60);
    EXPECT_EQ(Laden(u, datei), 0);
    EXPECT_EQ(u.GetPfad(), "/u/a.lmu");
    EXPECT_EQ(Gespeichert(u), datei);
    EXPECT_EQ(Laden(u, Datei(10, 52, 32, 60)), 0); // before modes were kept
    EXPECT_EQ(u.GetAnordnung().m_dAbstand, 60.0);
    EXPECT_DOUBLE_EQ(u.InAnteilX(1.0, 0x0202), 1.0 / 52);
    EXPECT_EQ(Laden(u, Datei(50, 40, 30, 50, 640, 480, 0)), 0); // before the last rate was kept
    EXPECT_EQ(u.GetBildschirmModus().m_dwLetzteFrequenz, 75u);
    EXPECT_EQ(Laden(u, Datei(199)), 0);
    EXPECT_TRUE(meldungen.Texte().empty());

    // Sizes below the least, or no number, are raised to the least size; an
    // infinity goes to the bound on its side.
    EXPECT_EQ(Laden(u, Datei(110, 0.09, HUGE_VAL, NAN)), 0);
    const CAnordnung a = u.GetAnordnung();
    EXPECT_EQ(std::vector({a.m_dBreite, a.m_dHoehe, a.m_dAbstand}), std::vector({0.1, 1000.0, 0.1}));

    // A mode the display lacks is adapted, with a message.
    EXPECT_EQ(Laden(u, Datei(110, 40, 30, 50, 1280, 1024, 60)), 0);
    EXPECT_EQ(u.GetBildschirmModus().m_dwBreite, 1024u);
    EXPECT_EQ(meldungen.Texte().size(), 1u);
}

// Sizes and distance above ten metres are clamped as the file is read, not
// refused: the angles keep their digits, and the file stored again holds the
// bound. A value at the bound or below stays as stored.
TEST_F(Umgebung, GroessenUeberZehnMeternWerdenBegrenzt)
{
    EXPECT_EQ(Laden(u, Datei(110, 99999999, 1e10, 1e300)), 0);
    CAnordnung a = u.GetAnordnung();
    EXPECT_EQ(std::vector({a.m_dBreite, a.m_dHoehe, a.m_dAbstand}), std::vector({1000.0, 1000.0, 1000.0}));
    EXPECT_EQ(Gespeichert(u), Datei(110, 1000, 1000, 1000));
    SetEinheit(EINHEIT_WINKEL);
    u.SetProfil(&profil);
    // A width of ten metres seen from ten metres: 57,3 degrees.
    EXPECT_NEAR(u.AnteilInEinheitX(1.0), 57.29578, 1e-5);
    EXPECT_TRUE(meldungen.Texte().empty());

    EXPECT_EQ(Laden(u, Datei(10, 1e308, -HUGE_VAL, 999.95)), 0);
    a = u.GetAnordnung();
    EXPECT_EQ(std::vector({a.m_dBreite, a.m_dHoehe, a.m_dAbstand}), std::vector({1000.0, 0.1, 999.95}));
    EXPECT_EQ(CAnordnung::Begrenzt(1000.0), 1000.0);
    EXPECT_EQ(CAnordnung::Begrenzt(std::nextafter(1000.0, 2000.0)), 1000.0);
}

TEST_F(Umgebung, AbgelehnteOderVerkuerzteDateienAendernNichts)
{
    Laden(u, Datei(110, 40, 30, 50, 1024, 768, 75), "/u/vorher.lmu");
    std::vector<Abgelehnt> faelle;
    for (auto [magie, typ, version, code, text] : {
             std::tuple{"LMTX", "LMU", 110u, 1, " ist keine gültige Datei von Lumetra."},
             {"LMTR", "LMP", 110u, 2, " ist keine Umgebungsdatei."},
             {"LMTR", "LMU", 9u, 3, " hat eine ungültige Versionsnummer."},
             {"LMTR", "LMU", 200u, 4, " wurde von einer späteren Version von Lumetra erstellt."},
         }) {
        CArchive ar;
        ar << std::string(magie) << std::string(typ) << version << 10.0 << 10.0 << 10.0;
        faelle.emplace_back(ar.GetBytes(), code, text);
    }
    Verkuerzt(faelle, Datei(110, 55));
    PruefeAbgelehnt(u, faelle, [this] { return Zustand(u); });

    // The profile's other refusals are those of every file.
    faelle = {{Profildatei("LMU", 110), 2, " ist keine LM-Profildatei."}};
    Verkuerzt(faelle, Profildatei("LMP", 110));
    PruefeAbgelehnt(profil, faelle, [this] { return Gespeichert(profil); });
}

TEST_F(Profil, DateinameEinheitenSpeichernUndLaden)
{
    profil.m_strProfilMuster = "$b_$b.lmp";
    EXPECT_EQ(profil.GetProfildateiname(), profil.GetBenutzername() + "_$b.lmp");
    CAnzeigeOptionen o;
    const std::pair<uint32_t, const char*> faelle[] = {
        {0x2001, "'"}, {0x1001, "\""}, {0x0102, "mm"}, {0x0202, "cm"}, {0x4008, "pxl"}, {0x4004, "%"}, {0, "[1]"},
    };
    for (auto [einheit, text] : faelle) {
        o.SetEinheit(einheit);
        EXPECT_EQ(o.GetEinheitText(), text) << einheit;
    }

    const auto rein = Gespeichert(profil);
    ASSERT_GE(rein.size(), 25u);
    // Version 110, unit degree, one decimal, flags 6.
    EXPECT_EQ(std::string(rein.begin() + 9, rein.begin() + 25), std::string("\x6E\0\0\0\1\0\0\0\1\0\0\0\6\0\0\0", 16));

    SetEinheit(0x0202, 42); // kept as read; formatting caps it
    CVerzeichnisse v = profil.GetVerzeichnisse();
    v.m_strTestVorlage = "/t/Größe.lmd";
    profil.SetVerzeichnisse(v);
    CBenutzerprofil q;
    EXPECT_EQ(Laden(q, Gespeichert(profil)), DATEI_GELADEN);
    EXPECT_EQ(q.GetAnzeigeOptionen().GetDezimalstellen(), 42);
    EXPECT_EQ(q.GetVerzeichnisse().m_strTestVorlage, "/t/Größe.lmd");
    EXPECT_EQ(Gespeichert(q), Gespeichert(profil));

    // Before version 100 the file has no test folders: the profile keeps its own.
    CArchive alt(Profildatei("LMP", 50));
    EXPECT_EQ(q.Serialize(alt), 0);
    EXPECT_EQ(alt.GetRest(), 0u);
    EXPECT_EQ(q.GetVerzeichnisse().m_strTestVorlage, "/t/Größe.lmd");
    EXPECT_EQ(q.GetVerzeichnisse().m_strEigeneTexte, "/texte");
    EXPECT_EQ(q.GetAnzeigeOptionen().GetEinheitText(), "pxl");
}

TEST(Modusliste, HinzufuegenOrdnetUndVerweigertDoppelte)
{
    CModusListe l;
    EXPECT_EQ(l.Hinzufuegen(1024, 768, 8, 75), 0);
    EXPECT_EQ(l.Hinzufuegen(1024, 768, 8, 75), 1);
    l.Hinzufuegen(1024, 768, 0, 85);
    l.Hinzufuegen(1024, 768, 8, 60);
    l.Hinzufuegen(800, 600, 8, 75);
    EXPECT_EQ(l.ModusHinzufuegen(1024, 768, 16, 75), 2);
    // Width first, then height, depth and rate: 0-bit modes before 8-bit ones.
    const Modus erwartet[] = {{800, 600, 8, 75}, {1024, 768, 0, 85}, {1024, 768, 8, 60}, {1024, 768, 8, 75}};
    ASSERT_EQ(l.GetAnzahl(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ((Modus{l.GetBreite(i), l.GetHoehe(i), l.GetFarbtiefe(i), l.GetFrequenz(i)}), erwartet[i]) << i;
    EXPECT_EQ(l.Suchen(1024, 768, 8, 60), 2);
    EXPECT_EQ(l.Suchen3(1024, 768, 8), 2);
}

// The nearest rate not above the wish, then the nearest width: below 800
// with nothing as wide the last mode, from 800 with all widths larger the first.
TEST(Modusliste, BesterModus)
{
    CModusListe raten, breiten, klein, gross, zwei, leer;
    for (uint32_t f : {60u, 70u, 75u, 85u})
        raten.Hinzufuegen(1024, 768, 8, f);
    for (uint32_t b : {640u, 800u, 1024u})
        for (uint32_t f : {60u, 75u})
            breiten.Hinzufuegen(b, b * 3 / 4, 8, f);
    for (uint32_t b : {640u, 700u})
        klein.Hinzufuegen(b, b * 3 / 4, 8, 60);
    gross.Hinzufuegen(1280, 1024, 8, 60);
    gross.Hinzufuegen(1600, 1200, 8, 60);
    zwei.Hinzufuegen(1024, 768, 8, 70);
    zwei.Hinzufuegen(1024, 768, 8, 74);
    struct Fall {
        const CModusListe* liste;
        Modus anfrage, erwartet;
        int index;
    };
    const Fall faelle[] = {
        {&raten, {1024, 768, 8, 100}, {1024, 768, 8, 85}, 3}, {&raten, {1024, 768, 8, 0}, {1024, 768, 8, 85}, 3},
        {&raten, {1024, 768, 8, 75}, {1024, 768, 8, 75}, 2},  {&zwei, {1024, 768, 8, 72}, {1024, 768, 8, 70}, 0},
        {&breiten, {700, 500, 8, 60}, {800, 600, 8, 60}, 2},  {&breiten, {1100, 800, 8, 0}, {1024, 768, 8, 75}, 5},
        {&klein, {760, 560, 8, 60}, {700, 525, 8, 60}, 1},    {&gross, {1024, 768, 8, 60}, {1280, 1024, 8, 60}, 0},
        {&leer, {1024, 768, 8, 75}, {1024, 768, 8, 75}, -1},
    };
    for (const Fall& f : faelle) {
        Modus a = f.anfrage;
        EXPECT_EQ(f.liste->BestenSuchen(a[0], a[1], a[2], a[3]), f.index) << f.anfrage[0] << " " << f.anfrage[3];
        EXPECT_EQ(a, f.erwartet) << f.anfrage[0] << " " << f.anfrage[3];
    }
}

// The names of all 57 entries are checked with the keys they poll.
TEST(Tastenliste, CodesUndGrenzen)
{
    CTastenliste t;
    EXPECT_EQ(t.GetCode(2), 0x10000u);
    EXPECT_EQ(t.GetCode(38), 90u);
    EXPECT_EQ(t.GetCode(56), 220u);
    EXPECT_EQ(t.GetName(57), "---");
    EXPECT_EQ(t.GetCode(57), 0u);
    EXPECT_EQ(t.GetCode(-1), 0u);
    const uint32_t faelle[][3] = {{2, 99, 50}, {3, 10, 51}, {4, 99, 2}, {5, 99, 3}, {2, 100, 2}, {6, 10, 6}};
    for (auto [taste, version, neu] : faelle)
        EXPECT_EQ(TasteAlteVersion(taste, version), neu) << taste << " " << version;
}

TEST(Reizkatalog, AnzahlenUndCodes)
{
    CReizkatalog k;
    for (int s = -1; s <= 12; ++s) {
        EXPECT_EQ(k.GetAnzahlReize(s), s == 0 ? 26 : s == 1 ? 10 : s >= 2 && s <= 11 ? 32 : 0) << s;
        EXPECT_EQ(k.GetAnzahlReize(s), k.GetAnzahlReize2(s));
        for (int r = -1; r <= 32; ++r)
            EXPECT_EQ(k.GetReiz(s, r), k.GetReiz2(s, r));
    }
    EXPECT_EQ(k.GetReiz(0, 25), 0x0100005Au);
    EXPECT_EQ(k.GetReiz(11, 31), 0x000A001Fu);
    EXPECT_EQ(k.GetReiz(1, 10), 0u);
}
