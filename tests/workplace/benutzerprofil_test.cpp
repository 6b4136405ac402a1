#include <gtest/gtest.h>

#include "systemvorgaben.h"

#include "platform/archiv.h"
#include "platform/meldung.h"
#include "workplace/benutzerprofil.h"
#include "workplace/dateikopf.h"

namespace {

class Profil : public ::testing::Test {
protected:
    CSystemvorgaben vorgaben;

    static std::vector<uint8_t> Gespeichert(CBenutzerprofil& p)
    {
        CArchive ar;
        EXPECT_EQ(p.Serialize(ar), 0);
        return ar.GetBytes();
    }
    static uint32_t Wort(const std::vector<uint8_t>& b, size_t pos)
    {
        return b[pos] | b[pos + 1] << 8 | b[pos + 2] << 16 | uint32_t(b[pos + 3]) << 24;
    }
    // Header of a profile file with the given frame values.
    static CArchive Kopf(const char* magie, const char* typ, uint32_t version)
    {
        CArchive ar;
        ar << std::string(magie) << std::string(typ) << version;
        return ar;
    }
};

} // namespace

TEST_F(Profil, DateinameUndOrdner)
{
    CBenutzerprofil p;
    EXPECT_EQ(p.GetVerzeichnisse().m_strEigeneTexte, "/home/nutzer7/Dokumente");
    p.m_strProfilMuster = "$b.lmp";
    EXPECT_EQ(p.GetProfildateiname(), "nutzer7.lmp");
    p.m_strProfilMuster = "$b_$b.lmp";
    EXPECT_EQ(p.GetProfildateiname(), "nutzer7_$b.lmp");
}

TEST_F(Profil, EinheitenTexte)
{
    CAnzeigeOptionen o;
    EXPECT_EQ(o.GetEinheitText(), "°");
    const std::pair<uint32_t, const char*> faelle[] = {
        {0x2001, "'"}, {0x1001, "\""}, {0x0102, "mm"}, {0x4008, "pxl"}, {0x4004, "%"}, {0, "[1]"},
    };
    for (auto [einheit, text] : faelle) {
        o.SetEinheit(einheit);
        EXPECT_EQ(o.GetEinheitText(), text) << einheit;
    }
}

TEST_F(Profil, SpeichernUndLaden)
{
    CBenutzerprofil p;
    auto bytes = Gespeichert(p);
    ASSERT_GE(bytes.size(), 25u);
    EXPECT_EQ(Wort(bytes, 9), 110u);
    EXPECT_EQ(Wort(bytes, 13), 1u);
    EXPECT_EQ(Wort(bytes, 17), 1u);
    EXPECT_EQ(Wort(bytes, 21), 6u);

    CAnzeigeOptionen o;
    o.SetEinheit(0x0202);
    o.SetDezimalstellen(42); // kept as read; formatting caps it
    o.m_dwFlags = 0xF;
    p.SetAnzeigeoptionen(o);
    CVerzeichnisse v = p.GetVerzeichnisse();
    v.m_strTestVorlage = "/t/Größe.lmd";
    v.m_strEigeneTexte = "/texte";
    p.SetVerzeichnisse(v);

    CBenutzerprofil q;
    CArchive ein(Gespeichert(p), "/x/p.lmp");
    EXPECT_EQ(q.Serialize(ein), DATEI_GELADEN);
    EXPECT_EQ(q.GetAnzeigeOptionen().GetEinheitText(), "cm");
    EXPECT_EQ(q.GetAnzeigeOptionen().GetDezimalstellen(), 42);
    EXPECT_EQ(q.GetVerzeichnisse().m_strTestVorlage, "/t/Größe.lmd");
    EXPECT_EQ(Gespeichert(q), Gespeichert(p));
}

TEST_F(Profil, Version50BehaeltTestordner)
{
    CBenutzerprofil p;
    CArchive ar = Kopf("LMTR", "LMP", 50);
    ar << uint32_t(8) << int32_t(0) << uint32_t(2);
    for (const char* t : {"/u", "/u/v.lmu", "/tr", "/tr/v.lmt", "/bilder", "/texte"})
        ar << std::string(t);
    const auto vorher = p.GetVerzeichnisse();
    CArchive ein(ar.GetBytes());
    EXPECT_EQ(p.Serialize(ein), 0);
    EXPECT_EQ(ein.GetRest(), 0u);
    EXPECT_EQ(p.GetVerzeichnisse().m_strTests, vorher.m_strTests);
    EXPECT_EQ(p.GetVerzeichnisse().m_strTestVorlage, vorher.m_strTestVorlage);
    EXPECT_EQ(p.GetVerzeichnisse().m_strEigeneTexte, "/texte");
    EXPECT_EQ(p.GetAnzeigeOptionen().GetEinheitText(), "pxl");
}

// The frame's other refusals are those of every file (see the environment file).
TEST_F(Profil, FremderDateitypAendertNichts)
{
    CMeldungsRecorder meldungen;
    CBenutzerprofil p;
    const auto rein = Gespeichert(p);
    CArchive ar = Kopf("LMTR", "LMU", 110);
    ar << uint32_t(0x0202) << int32_t(3) << uint32_t(0);
    CArchive ein(ar.GetBytes(), "/p/a.lmp");
    EXPECT_EQ(p.Serialize(ein), 2);
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{"/p/a.lmp ist keine LM-Profildatei."});
    EXPECT_EQ(meldungen.m_meldungen[0].typ, MB_OK);
    EXPECT_EQ(Gespeichert(p), rein);
}

TEST_F(Profil, JedeVerkuerzungAendertNichts)
{
    CMeldungsRecorder meldungen;
    CBenutzerprofil quelle;
    CAnzeigeOptionen o;
    o.SetEinheit(0x0202);
    quelle.SetAnzeigeoptionen(o);
    const auto voll = Gespeichert(quelle);

    CBenutzerprofil p;
    const auto rein = Gespeichert(p);
    for (size_t n = 0; n < voll.size(); ++n) {
        CArchive ein(std::vector<uint8_t>(voll.begin(), voll.begin() + n), "/p/kurz.lmp");
        meldungen.m_meldungen.clear();
        EXPECT_EQ(p.Serialize(ein), DATEI_BESCHAEDIGT) << n;
        ASSERT_EQ(meldungen.Texte().size(), 1u);
        EXPECT_EQ(meldungen.Texte()[0].rfind("/p/kurz.lmp ", 0), 0u);
        ASSERT_EQ(Gespeichert(p), rein) << n;
    }
}
