#include "platform/draw/raster8/freetype_schriften.h"

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/draw/schriftnamen.h"

bool FindeSchriftdatei(const LOGFONT& lf, CSchriftFund& fund)
{
    if (!FcInit())
        return false;
    FcPattern* muster = FcPatternCreate();
    std::string familie = ErsatzSchriftart(lf.lfFaceName);
    FcPatternAddString(muster, FC_FAMILY, reinterpret_cast<const FcChar8*>(familie.c_str()));
    FcPatternAddInteger(muster, FC_WEIGHT, lf.lfWeight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(muster, FC_SLANT, lf.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(muster, FC_OUTLINE, FcTrue);
    FcConfigSubstitute(nullptr, muster, FcMatchPattern);
    FcDefaultSubstitute(muster);
    FcResult ergebnis;
    FcPattern* treffer = FcFontMatch(nullptr, muster, &ergebnis);
    FcPatternDestroy(muster);
    if (!treffer)
        return false;
    FcChar8* datei = nullptr;
    FcChar8* name = nullptr;
    bool gut = FcPatternGetString(treffer, FC_FILE, 0, &datei) == FcResultMatch;
    if (gut) {
        fund.datei = reinterpret_cast<const char*>(datei);
        if (FcPatternGetInteger(treffer, FC_INDEX, 0, &fund.index) != FcResultMatch)
            fund.index = 0;
        if (FcPatternGetString(treffer, FC_FAMILY, 0, &name) == FcResultMatch)
            fund.familie = reinterpret_cast<const char*>(name);
    }
    FcPatternDestroy(treffer);
    return gut;
}

namespace {

using GesichtSchluessel = std::tuple<std::string, bool, bool>;

struct CGesichter {
    FT_Library bibliothek = nullptr;
    std::map<GesichtSchluessel, FT_Face> geladen;
    SchriftSuche suche;
};

CGesichter& Gesichter()
{
    static CGesichter g;
    return g;
}

std::map<std::tuple<FT_Face, long, long>, std::unique_ptr<CGlyphensatz>>& Saetze();

} // namespace

FT_Face LadeGesicht(const LOGFONT& lf)
{
    CGesichter& g = Gesichter();
    if (!g.bibliothek && FT_Init_FreeType(&g.bibliothek) != 0)
        return nullptr;
    auto schluessel = std::make_tuple(lf.lfFaceName, lf.lfWeight >= 600, lf.lfItalic != 0);
    auto it = g.geladen.find(schluessel);
    if (it != g.geladen.end())
        return it->second;
    CSchriftFund fund;
    FT_Face gesicht = nullptr;
    const bool gefunden = g.suche ? g.suche(lf, fund) : FindeSchriftdatei(lf, fund);
    if (gefunden && FT_New_Face(g.bibliothek, fund.datei.c_str(), fund.index, &gesicht) == 0)
        FT_Select_Charmap(gesicht, FT_ENCODING_UNICODE);
    else
        gesicht = nullptr;
    g.geladen[schluessel] = gesicht;
    return gesicht;
}

void SchriftSucheSetzen(SchriftSuche suche)
{
    CGesichter& g = Gesichter();
    Saetze().clear();
    for (auto& [schluessel, gesicht] : g.geladen)
        if (gesicht)
            FT_Done_Face(gesicht);
    g.geladen.clear();
    g.suche = std::move(suche);
}

// ---- Glyph cache ---------------------------------------------------------------

namespace {

// Bitmaps kept per set; a heading the height of the screen would otherwise
// keep megabytes for every character it ever showed.
constexpr size_t kSatzBytes = 8u << 20;
constexpr size_t kSaetze = 32;

using SatzSchluessel = std::tuple<FT_Face, long, long>;

std::map<SatzSchluessel, std::unique_ptr<CGlyphensatz>>& Saetze()
{
    static std::map<SatzSchluessel, std::unique_ptr<CGlyphensatz>> saetze;
    return saetze;
}

} // namespace

CGlyphensatz::CGlyphensatz(FT_Face gesicht, long breite64, long hoehe64)
    : m_gesicht(gesicht), m_breite64(breite64), m_hoehe64(hoehe64), m_latin1(256), m_latin1Da(256, false)
{
}

bool CGlyphensatz::GroesseSetzen() const { return FT_Set_Char_Size(m_gesicht, m_breite64, m_hoehe64, 72, 72) == 0; }

// Advance and bitmap as the 1-bit rendering gives them; a character that
// loads but does not render keeps the advance of a plain load for measuring.
void CGlyphensatz::Laden(char32_t zeichen, CGlyphe& g) const
{
    g = CGlyphe{};
    if (!GroesseSetzen())
        return;
    if (FT_Load_Char(m_gesicht, zeichen, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0) {
        const FT_GlyphSlot slot = m_gesicht->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        g.geladen = g.gerendert = true;
        g.vorschub = static_cast<int>((slot->advance.x + 32) >> 6);
        g.links = slot->bitmap_left;
        g.oben = slot->bitmap_top;
        g.breite = bm.width;
        g.zeilen = bm.rows;
        g.mono = bm.pixel_mode == FT_PIXEL_MODE_MONO;
        // Rows top-down whatever the sign of FreeType's pitch.
        const int pitch = bm.pitch < 0 ? -bm.pitch : bm.pitch;
        g.pitch = pitch;
        g.bild.resize(static_cast<size_t>(pitch) * bm.rows);
        for (unsigned z = 0; z < bm.rows; ++z) {
            const unsigned char* quelle = bm.buffer + static_cast<ptrdiff_t>(z) * bm.pitch;
            std::copy(quelle, quelle + pitch, g.bild.begin() + static_cast<ptrdiff_t>(z) * pitch);
        }
    } else if (FT_Load_Char(m_gesicht, zeichen, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) == 0) {
        g.geladen = true;
        g.vorschub = static_cast<int>((m_gesicht->glyph->advance.x + 32) >> 6);
    }
}

const CGlyphe& CGlyphensatz::Glyphe(char32_t zeichen)
{
    if (zeichen < 256 && m_latin1Da[zeichen])
        return m_latin1[zeichen];
    if (zeichen >= 256)
        if (auto it = m_weitere.find(zeichen); it != m_weitere.end())
            return it->second;
    CGlyphe neu;
    Laden(zeichen, neu);
    if (m_bytes + neu.bild.size() > kSatzBytes) {
        m_ueberzaehlig = std::move(neu);
        return m_ueberzaehlig;
    }
    m_bytes += neu.bild.size();
    if (zeichen < 256) {
        m_latin1Da[zeichen] = true;
        return m_latin1[zeichen] = std::move(neu);
    }
    return m_weitere[zeichen] = std::move(neu);
}

CGlyphensatz& GlyphensatzHolen(FT_Face gesicht, long breite64, long hoehe64)
{
    auto& saetze = Saetze();
    const SatzSchluessel schluessel{gesicht, breite64, hoehe64};
    if (auto it = saetze.find(schluessel); it != saetze.end())
        return *it->second;
    if (saetze.size() >= kSaetze)
        saetze.clear();
    return *(saetze[schluessel] = std::make_unique<CGlyphensatz>(gesicht, breite64, hoehe64));
}
