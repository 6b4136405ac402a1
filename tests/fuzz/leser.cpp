#include "leser.h"

#include <fstream>
#include <vector>

#include "model/test.h"
#include "model/training.h"
#include "platform/archiv.h"
#include "platform/display/memory/speicher_anzeige.h"
#include "platform/meldung.h"
#include "presentation/bmpdatei.h"
#include "workplace/benutzerprofil.h"
#include "workplace/textdatei.h"
#include "workplace/umgebung.h"

namespace {

// Loads, and stores again what loaded; message boxes are kept, not shown.
template <class TModell>
int Laden(TModell& m, const uint8_t* daten, size_t n)
{
    CMeldungsRecorder meldungen;
    CArchive ein(std::vector<uint8_t>(daten, daten + n), "/fuzz/datei");
    const int code = m.Serialize(ein);
    if (code == 0) {
        CArchive aus;
        m.Serialize(aus);
    }
    return code;
}

std::string Datei(const std::string& ordner, const char* name, const uint8_t* daten, size_t n)
{
    const std::string pfad = ordner + "/" + name;
    std::ofstream(pfad, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(n));
    return pfad;
}

} // namespace

int LiesTraining(const uint8_t* daten, size_t n)
{
    CUmgebung umgebung;
    CTraining t;
    t.SetUmgebung(&umgebung);
    return Laden(t, daten, n);
}

int LiesTest(const uint8_t* daten, size_t n)
{
    CUmgebung umgebung;
    CTest t;
    t.SetUmgebung(&umgebung);
    return Laden(t, daten, n);
}

int LiesUmgebung(const uint8_t* daten, size_t n)
{
    CBenutzerprofil profil;
    CUmgebung u(&profil);
    return Laden(u, daten, n);
}

int LiesProfil(const uint8_t* daten, size_t n)
{
    CBenutzerprofil p;
    return Laden(p, daten, n);
}

int LiesBitmap(const uint8_t* daten, size_t n, const std::string& ordner)
{
    static const auto anzeige = CSpeicherAnzeige::Installieren();
    IDirectDraw2* dd = nullptr;
    if (DirectDrawErzeugen(&dd) != S_OK || !dd)
        return -1;
    dd->Initialize(nullptr);
    std::vector<PALETTEENTRY> eintraege(256);
    CPalette palette;
    palette.CreatePalette(eintraege.data(), 256);
    IDirectDrawSurface* bild = nullptr;
    const int code = BmpLaden(dd, &bild, &palette, Datei(ordner, "fuzz.bmp", daten, n), 11, 100,
                              BMP_SCHWARZ_VORDERGRUND);
    if (bild)
        bild->Release();
    dd->Release();
    return code;
}

int LiesText(const uint8_t* daten, size_t n, const std::string& ordner)
{
    std::vector<std::string> zeilen;
    return LeseTextdatei(&zeilen, Datei(ordner, "fuzz.txt", daten, n));
}
