#include "platform/draw/raster8/freetype_schriften.h"

#include <map>
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

FT_Face LadeGesicht(const LOGFONT& lf)
{
    static FT_Library bibliothek = nullptr;
    static std::map<std::tuple<std::string, bool, bool>, FT_Face> gesichter;
    if (!bibliothek && FT_Init_FreeType(&bibliothek) != 0)
        return nullptr;
    auto schluessel = std::make_tuple(lf.lfFaceName, lf.lfWeight >= 600, lf.lfItalic != 0);
    auto it = gesichter.find(schluessel);
    if (it != gesichter.end())
        return it->second;
    CSchriftFund fund;
    FT_Face gesicht = nullptr;
    if (FindeSchriftdatei(lf, fund) && FT_New_Face(bibliothek, fund.datei.c_str(), fund.index, &gesicht) == 0)
        FT_Select_Charmap(gesicht, FT_ENCODING_UNICODE);
    else
        gesicht = nullptr;
    gesichter[schluessel] = gesicht;
    return gesicht;
}
