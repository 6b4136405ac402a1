#include <gtest/gtest.h>

#include "platform/archiv.h"
#include "platform/meldung.h"
#include "workplace/dateikopf.h"

namespace {

std::vector<uint8_t> Kopf(const char* magie, const char* typ, uint32_t version)
{
    CArchive ar;
    ar << std::string(magie) << std::string(typ) << version;
    return ar.GetBytes();
}

int Lies(std::vector<uint8_t> bytes, const CDateikopf& kopf, uint32_t& version)
{
    CArchive ar(std::move(bytes), "/d/x.lmd");
    return LiesDateikopf(ar, kopf, version);
}

} // namespace

TEST(Dateikopf, ZuKurzFuerDieMagie)
{
    CMeldungsRecorder meldungen;
    uint32_t version = 0;
    const std::vector<uint8_t> kurz{4, 'L', 'M'};
    CDateikopf kopf{.typ = "LMU", .typFehler = " ist keine Umgebungsdatei."};
    EXPECT_THROW(Lies(kurz, kopf, version), CArchiveException);
    EXPECT_TRUE(meldungen.m_meldungen.empty());
    kopf.kurzIstFremd = true;
    EXPECT_EQ(Lies(kurz, kopf, version), DATEI_FREMD);
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{"/d/x.lmd ist keine gültige Datei von Lumetra."});
    // Past the magic a short file is damaged either way.
    auto ohneVersion = Kopf("LMTR", "LMU", 110);
    ohneVersion.resize(ohneVersion.size() - 1);
    EXPECT_THROW(Lies(ohneVersion, kopf, version), CArchiveException);
}
