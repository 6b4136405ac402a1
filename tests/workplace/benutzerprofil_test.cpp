#include <gtest/gtest.h>

#include "platform/archiv.h"
#include "platform/meldung.h"
#include "platform/system.h"
#include "workplace/benutzerprofil.h"
#include "workplace/dateikopf.h"

namespace {

class Profil : public ::testing::Test {
protected:
    // A fixed user and documents folder, so that the profile does not depend on the machine.
    static void SetUpTestSuite()
    {
        systemdienst::SetBenutzernameFuerTest([] { return std::string("nutzer7"); });
        systemdienst::SetDokumentenQuelle([] { return std::string("/home/nutzer7/Dokumente"); });
    }
    static void TearDownTestSuite()
    {
        systemdienst::SetBenutzernameFuerTest({});
        systemdienst::SetDokumentenQuelle({});
    }
    static std::vector<uint8_t> Gespeichert(CBenutzerprofil& p)
    {
        CArchive ar;
        EXPECT_EQ(p.Serialize(ar), 0);
        return ar.GetBytes();
    }
    // A file of the given type and version: pixel options and the six
    // folders of a file before version 100.
    static std::vector<uint8_t> Datei(const char* typ, uint32_t version)
    {
        CArchive ar;
        ar << std::string("LMTR") << std::string(typ) << version << uint32_t(8) << int32_t(0) << uint32_t(2);
        for (const char* t : {"/u", "/u/v.lmu", "/tr", "/tr/v.lmt", "/bilder", "/texte"})
            ar << std::string(t);
        return ar.GetBytes();
    }

    CMeldungsRecorder meldungen;
    CBenutzerprofil p;
};

} // namespace

TEST_F(Profil, DateinameUndEinheiten)
{
    EXPECT_EQ(p.GetVerzeichnisse().m_strEigeneTexte, "/home/nutzer7/Dokumente");
    p.m_strProfilMuster = "$b_$b.lmp";
    EXPECT_EQ(p.GetProfildateiname(), "nutzer7_$b.lmp");
    CAnzeigeOptionen o;
    EXPECT_EQ(o.GetEinheitText(), "°");
    const std::pair<uint32_t, const char*> faelle[] = {
        {0x2001, "'"}, {0x1001, "\""}, {0x0102, "mm"}, {0x0202, "cm"}, {0x4008, "pxl"}, {0x4004, "%"}, {0, "[1]"},
    };
    for (auto [einheit, text] : faelle) {
        o.SetEinheit(einheit);
        EXPECT_EQ(o.GetEinheitText(), text) << einheit;
    }
}

TEST_F(Profil, SpeichernUndLaden)
{
    const auto rein = Gespeichert(p);
    ASSERT_GE(rein.size(), 25u);
    // Version 110, unit degree, one decimal, flags 6.
    EXPECT_EQ(std::string(rein.begin() + 9, rein.begin() + 25), std::string("\x6E\0\0\0\1\0\0\0\1\0\0\0\6\0\0\0", 16));

    CAnzeigeOptionen o;
    o.SetEinheit(0x0202);
    o.SetDezimalstellen(42); // kept as read; formatting caps it
    o.m_dwFlags = 0xF;
    p.SetAnzeigeoptionen(o);
    CVerzeichnisse v = p.GetVerzeichnisse();
    v.m_strTestVorlage = "/t/Größe.lmd";
    p.SetVerzeichnisse(v);
    CBenutzerprofil q;
    CArchive ein(Gespeichert(p), "/x/p.lmp");
    EXPECT_EQ(q.Serialize(ein), DATEI_GELADEN);
    EXPECT_EQ(q.GetAnzeigeOptionen().GetDezimalstellen(), 42);
    EXPECT_EQ(q.GetVerzeichnisse().m_strTestVorlage, "/t/Größe.lmd");
    EXPECT_EQ(Gespeichert(q), Gespeichert(p));

    // Before version 100 the file has no test folders: the profile keeps its own.
    CArchive alt(Datei("LMP", 50));
    EXPECT_EQ(q.Serialize(alt), 0);
    EXPECT_EQ(alt.GetRest(), 0u);
    EXPECT_EQ(q.GetVerzeichnisse().m_strTestVorlage, "/t/Größe.lmd");
    EXPECT_EQ(q.GetVerzeichnisse().m_strEigeneTexte, "/texte");
    EXPECT_EQ(q.GetAnzeigeOptionen().GetEinheitText(), "pxl");
}

// The frame's other refusals are those of every file (see the environment file).
TEST_F(Profil, FremdeOderVerkuerzteDateiAendertNichts)
{
    const auto rein = Gespeichert(p);
    CArchive fremd(Datei("LMU", 110), "/p/a.lmp");
    EXPECT_EQ(p.Serialize(fremd), 2);
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{"/p/a.lmp ist keine LM-Profildatei."});
    EXPECT_EQ(meldungen.m_meldungen[0].typ, MB_OK);
    EXPECT_EQ(Gespeichert(p), rein);

    const auto voll = Datei("LMP", 110);
    for (size_t n = 0; n < voll.size(); ++n) {
        CArchive ein(std::vector<uint8_t>(voll.begin(), voll.begin() + n), "/p/kurz.lmp");
        meldungen.m_meldungen.clear();
        EXPECT_EQ(p.Serialize(ein), DATEI_BESCHAEDIGT) << n;
        ASSERT_EQ(meldungen.Texte().size(), 1u);
        EXPECT_EQ(meldungen.Texte()[0].rfind("/p/kurz.lmp ", 0), 0u);
        ASSERT_EQ(Gespeichert(p), rein) << n;
    }
}
