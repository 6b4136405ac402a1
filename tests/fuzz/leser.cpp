#include "leser.h"

#include <fstream>
#include <vector>

#include "model/test.h"
#include "model/training.h"
#include "platform/archiv.h"
#include "platform/draw/raster8/index_dc.h"
#include "platform/draw/recorder/recorder_dc.h"
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

// What a report page and its printout ask of the model: the evaluation and
// its texts, then each chart offered with its texts (and one past them, which
// must be refused).
void Texte(CTraining& t, int bericht, int diagramm)
{
    std::string text, a, s;
    t.GetErgebnisText(text, bericht);
    t.GetSteigungText(diagramm, a, s, bericht);
}

void Texte(CTest& t, int bericht, int diagramm)
{
    std::string zeit, h1, h2, v1, v2, a1, a2;
    t.GetErgebnisText(zeit, h1, h2, v1, v2, bericht);
    t.GetAchsentitel(diagramm, a1, a2, bericht);
}

template <class TModell>
void AlleBerichte(TModell& m)
{
    std::vector<uint8_t> pixel(320 * 240);
    for (int k = 0; k < m.GetBerichtAnzahl(); ++k) {
        m.BerichtAuswerten(k);
        std::vector<std::string> namen;
        int n1 = 0, n2 = 0;
        m.GetDiagrammNamen(namen, n1, n2, k);
        for (int d = 0; d <= n1 + n2; ++d) {
            Texte(m, k, d);
            CRecorderDC recorder;
            m.DiagrammZeichnen(d, &recorder, RECT{0, 0, 600, 400}, nullptr, k);
            CIndexDC raster(CIndexPuffer{pixel.data(), 320, 320, 240});
            m.DiagrammZeichnen(d, &raster, RECT{0, 0, 320, 240}, nullptr, k);
        }
    }
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

int LiesUndWerteAus(const uint8_t* daten, size_t n)
{
    CBenutzerprofil profil;
    CUmgebung umgebung;
    umgebung.SetProfil(&profil);
    umgebung.Berechnen();
    CTraining training;
    training.SetUmgebung(&umgebung);
    int code = Laden(training, daten, n);
    if (code == 0) {
        AlleBerichte(training);
        return code;
    }
    CTest test;
    test.SetUmgebung(&umgebung);
    code = Laden(test, daten, n);
    if (code == 0)
        AlleBerichte(test);
    return code;
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
