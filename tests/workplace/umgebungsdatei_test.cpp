#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "platform/archiv.h"
#include "platform/meldung.h"
#include "workplace/benutzerprofil.h"
#include "workplace/dateikopf.h"
#include "workplace/umgebung.h"

namespace {

std::vector<uint8_t> Gespeichert(CUmgebung& u)
{
    CArchive ar;
    EXPECT_EQ(u.Serialize(ar), 0);
    return ar.GetBytes();
}

int Laden(CUmgebung& u, std::vector<uint8_t> bytes, const std::string& pfad = "/u/a.lmu")
{
    CArchive ar(std::move(bytes), pfad);
    return u.Serialize(ar);
}

// Arrangement, mode and path as one comparable text.
std::string Zustand(const CUmgebung& u)
{
    const CAnordnung a = u.GetAnordnung();
    const CBildschirmModus m = u.GetBildschirmModus();
    return std::to_string(a.m_dAbstand) + "/" + std::to_string(a.m_dBreite) + "/" + std::to_string(a.m_dHoehe) + " " +
           std::to_string(m.m_dwBreite) + "x" + std::to_string(m.m_dwHoehe) + "x" + std::to_string(m.m_dwFarbtiefe) +
           "@" + std::to_string(m.m_dwFrequenz) + "/" + std::to_string(m.m_dwLetzteFrequenz) + " " + m.m_strTreiber +
           " " + u.GetPfad() + " " + std::to_string(u.AnteilInPixelX(u.InAnteilX(1.0, 0x0202)));
}

// A file with the given frame, arrangement and, from version 11, a mode.
std::vector<uint8_t> Datei(uint32_t version, double breite = 40, double hoehe = 30, double abstand = 50,
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

class Umgebungsdatei : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (uint32_t b : {640u, 800u, 1024u})
            for (uint32_t f : {0u, 60u, 75u})
                u.m_Modusliste.Hinzufuegen(b, b * 3 / 4, 8, f);
    }
    CMeldungsRecorder meldungen;
    CUmgebung u;
};

uint32_t Wort(const std::vector<uint8_t>& b, size_t pos)
{
    return b[pos] | b[pos + 1] << 8 | b[pos + 2] << 16 | uint32_t(b[pos + 3]) << 24;
}

} // namespace

TEST_F(Umgebungsdatei, SpeichernUndLaden)
{
    u.SetGeaendert();
    const auto bytes = Gespeichert(u);
    ASSERT_EQ(bytes.size(), 82u);
    EXPECT_FALSE(u.IstGeaendert());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), std::string("\x04LMTR\x03LMU"));
    EXPECT_EQ(Wort(bytes, 9), 110u);
    EXPECT_EQ(Wort(bytes, 37), 1024u);

    CAnordnung a;
    a.m_dAbstand = 60;
    a.m_dBreite = 52;
    a.m_dHoehe = 32.5;
    u.SetAnordnung(a);
    CBildschirmModus m;
    m.m_dwBreite = 800;
    m.m_dwHoehe = 600;
    m.m_dwFrequenz = 60;
    u.SetBildschirmModus(m);
    const auto geaendert = Gespeichert(u);

    CUmgebung v;
    v.m_Modusliste.Hinzufuegen(800, 600, 8, 60);
    EXPECT_EQ(Laden(v, geaendert), 0);
    EXPECT_EQ(v.GetPfad(), "/u/a.lmu");
    EXPECT_EQ(Gespeichert(v), geaendert);
    EXPECT_TRUE(meldungen.Texte().empty());
}

TEST_F(Umgebungsdatei, Ablehnungen)
{
    Laden(u, Datei(110, 40, 30, 50, 1024, 768, 75), "/u/vorher.lmu");
    const std::string vorher = Zustand(u);
    struct Fall {
        const char* magie;
        const char* typ;
        uint32_t version;
        int code;
        const char* text;
    };
    const Fall faelle[] = {
        {"LMTX", "LMU", 110, 1, "/u/a.lmu ist keine gültige Datei von Lumetra."},
        {"LMTR", "LMP", 110, 2, "/u/a.lmu ist keine Umgebungsdatei."},
        {"LMTR", "LMU", 9, 3, "/u/a.lmu hat eine ungültige Versionsnummer."},
        {"LMTR", "LMU", 200, 4, "/u/a.lmu wurde von einer späteren Version von Lumetra erstellt."},
    };
    for (const Fall& f : faelle) {
        CArchive ar;
        ar << std::string(f.magie) << std::string(f.typ) << f.version << 10.0 << 10.0 << 10.0;
        meldungen.m_meldungen.clear();
        EXPECT_EQ(Laden(u, ar.GetBytes()), f.code);
        ASSERT_EQ(meldungen.Texte().size(), 1u);
        EXPECT_EQ(meldungen.Texte()[0], f.text);
        EXPECT_EQ(Zustand(u), vorher);
    }
}

TEST_F(Umgebungsdatei, AeltereVersionenModusUndGroessen)
{
    EXPECT_EQ(Laden(u, Datei(10, 52, 32, 60)), 0);
    EXPECT_EQ(u.GetAnordnung().m_dBreite, 52.0);
    EXPECT_EQ(u.GetAnordnung().m_dAbstand, 60.0);
    EXPECT_EQ(u.GetBildschirmModus().m_dwBreite, 1024u);
    EXPECT_EQ(Laden(u, Datei(50, 40, 30, 50, 800, 600, 0)), 0);
    EXPECT_EQ(u.GetBildschirmModus().m_dwFrequenz, 0u);
    EXPECT_EQ(u.GetBildschirmModus().m_dwLetzteFrequenz, 75u);
    EXPECT_EQ(Laden(u, Datei(199)), 0);
    EXPECT_TRUE(meldungen.Texte().empty());

    // Sizes of zero, below zero or NaN are raised to the least size.
    EXPECT_EQ(Laden(u, Datei(110, 0.0, -3.0, NAN)), 0);
    const CAnordnung a = u.GetAnordnung();
    EXPECT_EQ(a.m_dBreite, 0.1);
    EXPECT_EQ(a.m_dHoehe, 0.1);
    EXPECT_EQ(a.m_dAbstand, 0.1);
    CBenutzerprofil* ohne = nullptr;
    u.SetProfil(ohne);
    EXPECT_TRUE(std::isfinite(u.InAnteilX(1.0, 0x0202)));
    EXPECT_TRUE(std::isfinite(u.InAnteilY(1.0, 0x0001)));

    // A mode the display lacks is adapted, with a message.
    CUmgebung w;
    w.m_Modusliste.Hinzufuegen(1024, 768, 8, 60);
    EXPECT_EQ(Laden(w, Datei(110, 40, 30, 50, 800, 600, 0)), 0);
    EXPECT_EQ(w.GetBildschirmModus().m_dwBreite, 1024u);
    EXPECT_EQ(w.GetBildschirmModus().m_dwFrequenz, 60u);
    EXPECT_EQ(meldungen.Texte().size(), 1u);
}

TEST_F(Umgebungsdatei, VerkuerzteDateienAendernNichts)
{
    Laden(u, Datei(110, 40, 30, 50, 1024, 768, 75), "/u/vorher.lmu");
    CUmgebung quelle;
    CAnordnung a;
    a.m_dBreite = 55;
    quelle.SetAnordnung(a);
    const auto voll = Gespeichert(quelle);
    const std::string vorher = Zustand(u);
    for (size_t n = 0; n < voll.size(); ++n) {
        meldungen.m_meldungen.clear();
        EXPECT_EQ(Laden(u, std::vector<uint8_t>(voll.begin(), voll.begin() + n), "/u/kurz.lmu"), DATEI_BESCHAEDIGT);
        ASSERT_EQ(meldungen.Texte().size(), 1u);
        EXPECT_EQ(meldungen.Texte()[0], "/u/kurz.lmu ist beschädigt oder unvollständig und wurde nicht geladen.");
        ASSERT_EQ(Zustand(u), vorher) << n;
    }
}

TEST_F(Umgebungsdatei, ZufallsbytesAbgelehntOderGeladen)
{
    std::mt19937 zufall(7);
    const auto gueltig = Datei(110);
    for (int runde = 0; runde < 2000; ++runde) {
        std::vector<uint8_t> bytes;
        if (runde % 2) {
            bytes.resize(zufall() % 100);
            for (auto& b : bytes)
                b = static_cast<uint8_t>(zufall());
        } else {
            bytes = gueltig;
            for (int i = 0; i < 3; ++i)
                bytes[zufall() % bytes.size()] = static_cast<uint8_t>(zufall());
            bytes.resize(bytes.size() - zufall() % 4);
        }
        CUmgebung v;
        v.m_Modusliste.Hinzufuegen(800, 600, 8, 60);
        const std::string vorher = Zustand(v);
        const int code = Laden(v, bytes);
        ASSERT_GE(code, 0);
        ASSERT_LE(code, DATEI_BESCHAEDIGT);
        if (code != 0) {
            ASSERT_EQ(Zustand(v), vorher);
        } else {
            const CAnordnung a = v.GetAnordnung();
            ASSERT_TRUE(a.m_dBreite >= 0.1 && a.m_dHoehe >= 0.1 && a.m_dAbstand >= 0.1);
        }
    }
}
