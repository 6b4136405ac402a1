// Writes the template files and the default profile of a program folder from
// the program's own defaults: "Vorlage.lmt", "Vorlage.lmd", "Vorlage.lmu" and
// "default.lmp". Existing files are left as they are.
//
//   lumetra_vorlagen <program folder>
#include <cstdio>
#include <filesystem>
#include <string>

#include "model/test.h"
#include "model/training.h"
#include "platform/archiv.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

namespace {

template <class TObjekt>
int Schreibe(TObjekt& objekt, const std::string& pfad)
{
    if (std::filesystem::exists(pfad))
        return 0;
    try {
        std::filesystem::create_directories(std::filesystem::path(pfad).parent_path());
        CArchive ar(CArchive::store, pfad);
        objekt.Serialize(ar);
        ar.Close();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lumetra_vorlagen: %s: %s\n", pfad.c_str(), e.what());
        return 1;
    }
    std::printf("lumetra_vorlagen: %s\n", pfad.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: lumetra_vorlagen <Programmordner>\n");
        return 2;
    }
    std::error_code fehler;
    std::filesystem::create_directories(argv[1], fehler);
    std::filesystem::current_path(argv[1], fehler);
    if (fehler) {
        std::fprintf(stderr, "lumetra_vorlagen: %s: %s\n", argv[1], fehler.message().c_str());
        return 1;
    }

    // The profile finds its folders from the current folder, as at start.
    CBenutzerprofil profil;
    CUmgebung umgebung(&profil);
    umgebung.SetProfil(&profil);
    CTraining training;
    training.SetUmgebung(&umgebung);
    CTest test;
    test.SetUmgebung(&umgebung);

    const CVerzeichnisse v = profil.GetVerzeichnisse();
    int ergebnis = 0;
    ergebnis |= Schreibe(training, v.m_strTrainingsVorlage);
    ergebnis |= Schreibe(test, v.m_strTestVorlage);
    ergebnis |= Schreibe(umgebung, v.m_strUmgebungsVorlage);
    ergebnis |= Schreibe(profil, profil.m_strProfilVerzeichnis + "/" + profil.GetProfildateiname());
    return ergebnis;
}
