#include "leser.h"

#include <cctype>
#include <cstdlib>
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
#include "support/gespeichert.h"
#include "workplace/benutzerprofil.h"
#include "workplace/textdatei.h"
#include "workplace/umgebung.h"

namespace {

// Loads as the program loads a file (message boxes kept, not shown). What
// loads must store bytes that load again to the same bytes; what is refused
// must leave the model as it was: either broken answers LESER_WIDERSPRUCH.
template <class TModell>
int Laden(TModell& m, const uint8_t* daten, size_t n, TModell&& zweites)
{
    CMeldungsRecorder meldungen;
    const std::vector<uint8_t> vorher = Gespeichert(m);
    CArchive ein(std::vector<uint8_t>(daten, daten + n), "/fuzz/datei");
    const int code = m.Serialize(ein);
    if (code != 0)
        return Gespeichert(m) == vorher ? code : LESER_WIDERSPRUCH;
    const std::vector<uint8_t> gespeichert = Gespeichert(m);
    CArchive wieder(gespeichert, "/fuzz/wieder");
    if (zweites.Serialize(wieder) != 0 || Gespeichert(zweites) != gespeichert)
        return LESER_WIDERSPRUCH;
    return code;
}

// What a report page and its printout ask of the model: the evaluation and
// its texts, then each chart offered with its texts (and one past them, which
// must be refused).
std::vector<std::string> Texte(CTraining& t, int bericht, int diagramm)
{
    std::string text, a, s;
    t.GetErgebnisText(text, bericht);
    t.GetSteigungText(diagramm, a, s, bericht);
    return {text, a, s};
}

std::vector<std::string> Texte(CTest& t, int bericht, int diagramm)
{
    std::string zeit, h1, h2, v1, v2, a1, a2;
    t.GetErgebnisText(zeit, h1, h2, v1, v2, bericht);
    t.GetAchsentitel(diagramm, a1, a2, bericht);
    return {zeit, h1, h2, v1, v2, a1, a2};
}

// 0, or LESER_UNSINN when a text or a chart's label shows an insane number.
template <class TModell>
int AlleBerichte(TModell& m)
{
    int code = 0;
    const auto pruefe = [&code](const std::string& text) {
        if (!UnsinnigeZahl(text).empty())
            code = LESER_UNSINN;
    };
    std::vector<uint8_t> pixel(320 * 240);
    for (int k = 0; k < m.GetBerichtAnzahl(); ++k) {
        m.BerichtAuswerten(k);
        std::vector<std::string> namen;
        int n1 = 0, n2 = 0;
        m.GetDiagrammNamen(namen, n1, n2, k);
        for (int d = 0; d <= n1 + n2; ++d) {
            for (const std::string& text : Texte(m, k, d))
                pruefe(text);
            CRecorderDC recorder;
            m.DiagrammZeichnen(d, &recorder, RECT{0, 0, 600, 400}, nullptr, k);
            for (const std::string& text : recorder.Texte())
                pruefe(text);
            CIndexDC raster(CIndexPuffer{pixel.data(), 320, 320, 240});
            m.DiagrammZeichnen(d, &raster, RECT{0, 0, 320, 240}, nullptr, k);
        }
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

std::string UnsinnigeZahl(const std::string& text, bool anteil)
{
    if (text.find("Überlauffehler") != std::string::npos)
        return text;
    const auto ziffer = [&text](size_t i) {
        return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
    };
    // Numbers as the formatter writes them: digits, then a comma and digits.
    for (size_t i = 0; i < text.size();) {
        if (!ziffer(i)) {
            ++i;
            continue;
        }
        size_t ende = i;
        while (ziffer(ende))
            ++ende;
        if (ende - i > 12)
            return text;
        std::string zahl = text.substr(i, ende - i);
        if (text[ende] == ',' && ziffer(ende + 1)) {
            zahl += '.';
            for (++ende; ziffer(ende); ++ende)
                zahl += text[ende];
        }
        const double wert = std::strtod(zahl.c_str(), nullptr) * (i > 0 && text[i - 1] == '-' ? -1.0 : 1.0);
        if (anteil && (wert < 0.0 || wert > 100.0))
            return text;
        i = ende;
    }
    return {};
}

int LiesTraining(const uint8_t* daten, size_t n)
{
    CUmgebung umgebung;
    CTraining t, zweites;
    t.SetUmgebung(&umgebung);
    zweites.SetUmgebung(&umgebung);
    return Laden(t, daten, n, std::move(zweites));
}

int LiesTest(const uint8_t* daten, size_t n)
{
    CUmgebung umgebung;
    CTest t, zweites;
    t.SetUmgebung(&umgebung);
    zweites.SetUmgebung(&umgebung);
    return Laden(t, daten, n, std::move(zweites));
}

int LiesUmgebung(const uint8_t* daten, size_t n)
{
    CBenutzerprofil profil;
    CUmgebung u(&profil);
    return Laden(u, daten, n, CUmgebung(&profil));
}

int LiesProfil(const uint8_t* daten, size_t n)
{
    CBenutzerprofil p;
    return Laden(p, daten, n, CBenutzerprofil());
}

int LiesTrainingOderTest(const uint8_t* daten, size_t n, const Geladen<CTraining>& weiterTraining,
                         const Geladen<CTest>& weiterTest)
{
    CBenutzerprofil profil;
    CUmgebung umgebung;
    umgebung.SetProfil(&profil);
    umgebung.Berechnen();
    CTraining training, zweitesTraining;
    training.SetUmgebung(&umgebung);
    zweitesTraining.SetUmgebung(&umgebung);
    int code = Laden(training, daten, n, std::move(zweitesTraining));
    if (code == 0)
        return weiterTraining(training, profil, umgebung);
    if (code == LESER_WIDERSPRUCH)
        return code;
    CTest test, zweiterTest;
    test.SetUmgebung(&umgebung);
    zweiterTest.SetUmgebung(&umgebung);
    code = Laden(test, daten, n, std::move(zweiterTest));
    return code == 0 ? weiterTest(test, profil, umgebung) : code;
}

int LiesUndWerteAus(const uint8_t* daten, size_t n)
{
    return LiesTrainingOderTest(
        daten, n, [](CTraining& t, CBenutzerprofil&, CUmgebung&) { return AlleBerichte(t); },
        [](CTest& t, CBenutzerprofil&, CUmgebung&) { return AlleBerichte(t); });
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
