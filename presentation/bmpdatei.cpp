#include "presentation/bmpdatei.h"

#include "platform/pfad.h"
#include "presentation/oberflaeche_dc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

constexpr uint32_t WEISS = 0xFFFFFF, MAGENTA = 0xFF00FF, SCHWARZ = 0x000000;

uint16_t Lese16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t Lese32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

bool IstFest(int i)
{
    return i == INDEX_VORDERGRUND || i == INDEX_HINTERGRUND || i == INDEX_BEISPIELREIZ || i == INDEX_STANDARDMUSTER ||
           i == INDEX_DURCHSICHTIG || i == INDEX_ZIELMUSTER;
}

// Colour map: source values (table indices or 24-bit colours) to palette
// indices, one pair per source value, in the order they were made.
struct CPaar {
    uint32_t quelle;
    uint32_t farbe;
    int index;
};

struct CDatei {
    std::ifstream strom;
    int64_t laenge = 0;

    // Reads n bytes at pos into ziel; false when the file holds fewer.
    bool Lesen(int64_t pos, int64_t n, uint8_t* ziel)
    {
        if (pos < 0 || n < 0 || pos > laenge || n > laenge - pos)
            return false;
        strom.seekg(pos);
        strom.read(reinterpret_cast<char*>(ziel), n);
        return strom.gcount() == n;
    }
};

int DateiOeffnen(const std::string& pfadName, CDatei& datei)
{
    const std::string name = pfad::ZumOeffnen(pfadName);
    std::error_code fehler;
    const auto status = std::filesystem::status(name, fehler);
    if (!std::filesystem::exists(status))
        return BMP_FEHLT;
    if (!std::filesystem::is_regular_file(status))
        return BMP_OEFFNEN;
    datei.strom.open(name, std::ios::binary);
    if (!datei.strom)
        return BMP_OEFFNEN;
    datei.strom.seekg(0, std::ios::end);
    datei.laenge = datei.strom.tellg();
    return datei.laenge < 0 ? BMP_OEFFNEN : BMP_OK;
}

bool Groesse(IDirectDrawSurface* s, LONG& breite, LONG& hoehe)
{
    DDSURFACEDESC d;
    if (!s || s->GetSurfaceDesc(&d) != DD_OK)
        return false;
    breite = LONG(d.dwWidth);
    hoehe = LONG(d.dwHeight);
    return true;
}

} // namespace

DWORD PackeWords(const void* p)
{
    const auto* b = static_cast<const uint8_t*>(p);
    return DWORD(Lese16(b)) | (DWORD(Lese16(b + 2)) << 16);
}

DWORD PackePaletteneintrag(const void* p)
{
    const auto* b = static_cast<const uint8_t*>(p);
    return PackeBytes(b[3], b[0], b[1], b[2]);
}

PALETTEENTRY AlsPaletteneintrag(DWORD farbe)
{
    return {BYTE(farbe), BYTE(farbe >> 8), BYTE(farbe >> 16), BYTE(farbe >> 24)};
}

namespace {

// A bitmap file as read: its sizes, colour table and rows of pixels.
struct CBmpBild {
    int64_t breite = 0, hoehe = 0, hoeheFeld = 0, zeilenLaenge = 0;
    int bits = 0;
    int64_t n = 0; // entries of the colour table
    std::vector<uint8_t> farbtabelle, pixel;

    // Row y from the top in the file's pixels.
    const uint8_t* Zeile(int64_t y) const
    {
        return &pixel[size_t((hoeheFeld >= 0 ? hoehe - 1 - y : y) * zeilenLaenge)];
    }
};

// Reads header, colour table and pixels; BMP_OK or the reader's code.
int BmpLesen(const std::string& path, CBmpBild& bild)
{
    CDatei datei;
    if (int f = DateiOeffnen(path, datei))
        return f;
    uint8_t kopf[54];
    if (!datei.Lesen(0, 14, kopf))
        return BMP_LESEN;
    if (Lese16(kopf) != 0x4D42)
        return BMP_FORMAT;
    if (!datei.Lesen(14, 40, kopf + 14))
        return BMP_LESEN;
    const uint32_t pixelOffset = Lese32(kopf + 10);
    const uint32_t kopfGroesse = Lese32(kopf + 14);
    const int64_t breite = int32_t(Lese32(kopf + 18));
    const int64_t hoeheFeld = int32_t(Lese32(kopf + 22));
    const int bits = Lese16(kopf + 28);
    const uint32_t kompression = Lese32(kopf + 30);
    const uint32_t benutzt = Lese32(kopf + 46);
    // Other header layouts (the 12-byte core header) and compressed pixel
    // data would be read as something they are not.
    if ((bits != 1 && bits != 4 && bits != 8 && bits != 24) || kompression != 0 || kopfGroesse < 40)
        return BMP_FORMAT;

    const int64_t n = bits == 24 ? 0 : (benutzt ? int64_t(benutzt) : int64_t(1) << bits);
    if (n > 256)
        return BMP_FORMAT;
    const int64_t tabellenAnfang = 14 + int64_t(kopfGroesse);
    bild.farbtabelle.assign(size_t(4 * n), 0);
    if (n > 0 && !datei.Lesen(tabellenAnfang, 4 * n, bild.farbtabelle.data()))
        return BMP_LESEN;
    if (tabellenAnfang > datei.laenge)
        return BMP_LESEN;

    // The pixels start at the offset the file names, or directly behind the
    // colour table when the offset points into the headers.
    const int64_t hoehe = hoeheFeld < 0 ? -hoeheFeld : hoeheFeld;
    if (breite < 1 || hoehe < 1 || breite > BMP_MAX_SEITE || hoehe > BMP_MAX_SEITE || breite * hoehe > BMP_MAX_PIXEL)
        return BMP_GROESSE;
    const int64_t tabellenEnde = tabellenAnfang + 4 * n;
    const int64_t anfang = int64_t(pixelOffset) >= tabellenEnde ? int64_t(pixelOffset) : tabellenEnde;
    const int64_t zeilenLaenge = ((breite * bits + 31) / 32) * 4;
    // A header may claim more pixels than the file holds: nothing is
    // allocated for data that is not there.
    if (anfang > datei.laenge || zeilenLaenge * hoehe > datei.laenge - anfang)
        return BMP_LESEN;
    bild.pixel.assign(size_t(zeilenLaenge * hoehe), 0);
    if (!datei.Lesen(anfang, zeilenLaenge * hoehe, bild.pixel.data()))
        return BMP_LESEN;
    bild.breite = breite;
    bild.hoehe = hoehe;
    bild.hoeheFeld = hoeheFeld;
    bild.zeilenLaenge = zeilenLaenge;
    bild.bits = bits;
    bild.n = n;
    return BMP_OK;
}

// The palette index of each colour of the picture: white, black and (with a
// fixed black) magenta by the flags, every other colour a free index, alike
// colours the same one.
std::vector<CPaar> FarbenZuordnen(const CBmpBild& bild, const std::vector<int>& frei, DWORD flags)
{
    const bool schwarzFest = flags & (BMP_SCHWARZ_VORDERGRUND | BMP_SCHWARZ_BEISPIELREIZ);
    const int weiss = ((flags & BMP_WEISS_DURCHSICHTIG) || !schwarzFest) ? INDEX_DURCHSICHTIG : INDEX_HINTERGRUND;
    const int schwarz = !schwarzFest                        ? INDEX_STANDARDMUSTER
                        : (flags & BMP_SCHWARZ_VORDERGRUND) ? INDEX_VORDERGRUND
                                                            : INDEX_BEISPIELREIZ;
    std::vector<CPaar> paare;
    if (bild.bits == 24) {
        paare.push_back({WEISS, WEISS, weiss});
        if (schwarzFest)
            paare.push_back({MAGENTA, MAGENTA, INDEX_DURCHSICHTIG});
        paare.push_back({SCHWARZ, SCHWARZ, schwarz});
        return paare;
    }
    size_t naechsterFreier = 0;
    for (int64_t t = 0; t < bild.n; ++t) {
        const uint32_t c = PackePaletteneintrag(&bild.farbtabelle[size_t(4 * t)]) & 0xFFFFFF;
        int index = -1;
        if (c == WEISS)
            index = weiss;
        else if (c == SCHWARZ)
            index = schwarz;
        else if (c == MAGENTA && schwarzFest)
            index = INDEX_DURCHSICHTIG;
        else {
            auto gleich = std::find_if(paare.begin(), paare.end(), [c](const CPaar& p) { return p.farbe == c; });
            if (gleich != paare.end())
                index = gleich->index;
            else if (naechsterFreier < frei.size())
                index = frei[naechsterFreier++];
        }
        if (index >= 0)
            paare.push_back({uint32_t(t), c, index});
    }
    return paare;
}

// The picture's pixels through the pairs into the surface.
int PixelSchreiben(IDirectDrawSurface* ziel, const CBmpBild& bild, const std::vector<CPaar>& paare)
{
    // A picture in which no colour got a pair is drawn transparent.
    const int ohnePaar = paare.empty() ? INDEX_DURCHSICHTIG : paare.front().index;
    COberflaechenSperre sperre(ziel, nullptr, DDLOCK_WAIT | DDLOCK_WRITEONLY);
    if (!sperre.Ok())
        return BMP_SPERREN;
    if (bild.bits == 24) {
        for (int64_t y = 0; y < bild.hoehe; ++y) {
            const uint8_t* q = bild.Zeile(y);
            BYTE* z = sperre.Zeile(LONG(y));
            uint32_t letzte = ~0u;
            BYTE letzterIndex = 0;
            for (int64_t x = 0; x < bild.breite; ++x, q += 3) {
                const uint32_t v = (uint32_t(q[0]) << 16) | (uint32_t(q[1]) << 8) | q[2];
                if (v != letzte) {
                    letzte = v;
                    letzterIndex = BYTE(ohnePaar);
                    for (const CPaar& p : paare)
                        if (p.quelle == v) {
                            letzterIndex = BYTE(p.index);
                            break;
                        }
                }
                z[x] = letzterIndex;
            }
        }
        return BMP_OK;
    }
    std::array<BYTE, 256> abbildung;
    abbildung.fill(BYTE(ohnePaar));
    for (auto p = paare.rbegin(); p != paare.rend(); ++p)
        abbildung[p->quelle] = BYTE(p->index);
    const int bits = bild.bits, maske = (1 << bits) - 1;
    for (int64_t y = 0; y < bild.hoehe; ++y) {
        const uint8_t* q = bild.Zeile(y);
        BYTE* z = sperre.Zeile(LONG(y));
        for (int64_t x = 0; x < bild.breite; ++x) {
            const int64_t bit = x * bits;
            const int v = (q[bit / 8] >> (8 - bits - int(bit % 8))) & maske;
            z[x] = abbildung[size_t(v)];
        }
    }
    return BMP_OK;
}

} // namespace

int BmpLaden(IDirectDraw2* dd, IDirectDrawSurface** out, CPalette* palette, const std::string& path, int first,
             int count, DWORD flags)
{
    if (!out)
        return BMP_INTERN;
    if (*out)
        (*out)->Release();
    *out = nullptr;
    if (first < 0 || first > 255 || count < 0 || count > 255)
        return BMP_INTERN;

    std::vector<int> frei;
    for (int i = first; i <= 255 && int(frei.size()) < count; ++i)
        if (!IstFest(i))
            frei.push_back(i);
    if (int(frei.size()) < count || !dd)
        return BMP_INTERN;
    std::array<PALETTEENTRY, 256> tabelle{};
    if (!frei.empty()) {
        if (!palette || palette->GetEntryCount() <= frei.back())
            return BMP_INTERN;
        palette->GetPaletteEntries(0, palette->GetEntryCount(), tabelle.data());
    }

    CBmpBild bild;
    if (const int f = BmpLesen(path, bild))
        return f;

    DDSURFACEDESC d;
    d.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    d.dwWidth = DWORD(bild.breite);
    d.dwHeight = DWORD(bild.hoehe);
    if (dd->CreateSurface(&d, out, nullptr) != DD_OK || !*out)
        return BMP_OBERFLAECHE;

    const std::vector<CPaar> paare = FarbenZuordnen(bild, frei, flags);
    if (const int f = PixelSchreiben(*out, bild, paare))
        return f;

    // The colours go into the palette only once the picture is complete.
    if (!frei.empty()) {
        for (const CPaar& p : paare)
            if (std::binary_search(frei.begin(), frei.end(), p.index))
                tabelle[size_t(p.index)] = AlsPaletteneintrag(p.farbe);
        palette->SetPaletteEntries(first, frei.back() - first + 1, &tabelle[size_t(first)]);
    }
    return BMP_OK;
}

int OberflaecheKopierenUmfaerben(IDirectDrawSurface* dest, int newIndex, IDirectDrawSurface* src, int oldIndex)
{
    LONG zb, zh, qb, qh;
    if (!Groesse(dest, zb, zh) || !Groesse(src, qb, qh))
        return 1;
    COberflaechenSperre quelle(src, nullptr, DDLOCK_WAIT | DDLOCK_READONLY);
    COberflaechenSperre ziel(dest, nullptr, DDLOCK_WAIT | DDLOCK_WRITEONLY);
    if (!quelle.Ok() || !ziel.Ok())
        return 1;
    const BYTE alt = BYTE(oldIndex), neu = BYTE(newIndex);
    const LONG b = std::min(qb, zb), h = std::min(qh, zh);
    for (LONG y = 0; y < h; ++y) {
        const BYTE* q = quelle.Zeile(y);
        BYTE* z = ziel.Zeile(y);
        for (LONG x = 0; x < b; ++x)
            z[x] = q[x] == alt ? neu : q[x];
    }
    return 0;
}

int FarbeErsetzen(IDirectDrawSurface* surface, RECT r, int newIndex, int oldIndex)
{
    LONG b, h;
    if (!Groesse(surface, b, h))
        return 1;
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    r.right = std::min(r.right, b);
    r.bottom = std::min(r.bottom, h);
    if (r.right <= r.left || r.bottom <= r.top)
        return 0;
    COberflaechenSperre sperre(surface, &r, DDLOCK_WAIT);
    if (!sperre.Ok())
        return 1;
    const BYTE alt = BYTE(oldIndex), neu = BYTE(newIndex);
    for (LONG y = 0; y < r.bottom - r.top; ++y) {
        BYTE* z = sperre.Zeile(y);
        for (LONG x = 0; x < r.right - r.left; ++x)
            if (z[x] == alt)
                z[x] = neu;
    }
    return 0;
}

int OberflaecheSkaliertKopieren(IDirectDrawSurface* dest, RECT destRect, IDirectDrawSurface* src, RECT srcRect,
                                int colour, int first, int count)
{
    const int erster = first & 0xFF;
    if (count < 1 || erster + count > 255)
        return 1;
    LONG zb, zh, qb, qh;
    if (!Groesse(dest, zb, zh) || !Groesse(src, qb, qh))
        return 1;
    auto passt = [](const RECT& r, LONG b, LONG h) {
        return r.right - r.left >= 1 && r.bottom - r.top >= 1 && r.left >= 0 && r.top >= 0 && r.left < b && r.top < h;
    };
    if (!passt(destRect, zb, zh) || !passt(srcRect, qb, qh))
        return 1;

    // Clipping keeps the scale: the other rectangle shrinks in proportion.
    auto kuerzen = [](LONG& ende, LONG anfang, LONG rand, LONG& andereGroesse) {
        if (ende <= rand)
            return;
        const double alt = ende - anfang;
        ende = rand;
        andereGroesse = std::max<LONG>(1, LONG(andereGroesse * (ende - anfang) / alt + 0.5));
    };
    LONG qBreite = srcRect.right - srcRect.left, qHoehe = srcRect.bottom - srcRect.top;
    kuerzen(destRect.right, destRect.left, zb, qBreite);
    kuerzen(destRect.bottom, destRect.top, zh, qHoehe);
    srcRect.right = srcRect.left + qBreite;
    srcRect.bottom = srcRect.top + qHoehe;
    LONG zBreite = destRect.right - destRect.left, zHoehe = destRect.bottom - destRect.top;
    kuerzen(srcRect.right, srcRect.left, qb, zBreite);
    kuerzen(srcRect.bottom, srcRect.top, qh, zHoehe);
    destRect.right = destRect.left + zBreite;
    destRect.bottom = destRect.top + zHoehe;
    qBreite = srcRect.right - srcRect.left;
    qHoehe = srcRect.bottom - srcRect.top;
    // A destination grown back past its edge by rounding is cut again.
    destRect.right = std::min(destRect.right, zb);
    destRect.bottom = std::min(destRect.bottom, zh);
    zBreite = destRect.right - destRect.left;
    zHoehe = destRect.bottom - destRect.top;
    if (qBreite < 1 || qHoehe < 1 || zBreite < 1 || zHoehe < 1)
        return 1;

    COberflaechenSperre ziel(dest, &destRect, DDLOCK_WAIT | DDLOCK_WRITEONLY);
    COberflaechenSperre quelle(src, &srcRect, DDLOCK_WAIT | DDLOCK_READONLY);
    if (!ziel.Ok() || !quelle.Ok())
        return 1;
    const double sx = double(qBreite) / zBreite, sy = double(qHoehe) / zHoehe;
    const double flaeche = sx * sy;
    const BYTE tinte = BYTE(colour);
    for (LONG i = 0; i < zBreite; ++i) {
        const double x0 = i * sx, x1 = (i + 1) * sx;
        const LONG px0 = LONG(x0), px1 = std::min<LONG>(LONG(x1), qBreite - 1);
        for (LONG j = 0; j < zHoehe; ++j) {
            const double y0 = j * sy, y1 = (j + 1) * sy;
            const LONG py0 = LONG(y0), py1 = std::min<LONG>(LONG(y1), qHoehe - 1);
            double bedeckt = 0.0;
            for (LONG py = py0; py <= py1; ++py) {
                const BYTE* q = quelle.Zeile(py);
                const double hy = std::min<double>(py + 1, y1) - std::max<double>(py, y0);
                if (hy <= 0.0)
                    continue;
                for (LONG px = px0; px <= px1; ++px)
                    if (q[px] == tinte)
                        bedeckt += std::max(0.0, std::min<double>(px + 1, x1) - std::max<double>(px, x0)) * hy;
            }
            const double f = 1.0 - bedeckt / flaeche;
            const int index = std::clamp(erster + int((count - 1) * f + 0.5), erster, erster + count - 1);
            ziel.Zeile(j)[i] = BYTE(index);
        }
    }
    return 0;
}

void BmpFehlerMelden(int ergebnis, const std::string& pfad, int& fehler, std::string& text)
{
    // The file's own faults name the file and add to what the run reports.
    const char* dateiFehler =
        ergebnis == BMP_FEHLT     ? "Datei %s nicht gefunden.\n"
        : ergebnis == BMP_OEFFNEN ? "Fehler beim Öffnen der Datei %s.\n"
        : ergebnis == BMP_LESEN   ? "Fehler beim Lesen der Datei %s.\n"
        : ergebnis == BMP_FORMAT  ? "Die Datei %s ist keine lesbare Bitmap-Datei.\n"
        : ergebnis == BMP_GROESSE
            ? "Das Bild der Datei %s ist leer oder zu groß: erlaubt sind 1 bis 16384 Bildpunkte in Breite "
              "und Höhe und höchstens 33554432 Bildpunkte insgesamt.\n"
            : nullptr;
    auto mitPfad = [&pfad](const std::string& muster) {
        const size_t stelle = muster.find("%s");
        return muster.substr(0, stelle) + pfad::Anzeige(pfad) + muster.substr(stelle + 2);
    };
    if (dateiFehler) {
        fehler = 0x300;
        text += mitPfad(dateiFehler);
    } else if (ergebnis == BMP_OBERFLAECHE) {
        fehler = 10;
        text = mitPfad("Fehler beim Erstellen der Vordergrundbilder: Für das Bild der Datei %s ist nicht "
                       "genug Speicher frei.\n");
    } else if (ergebnis == BMP_INTERN) {
        fehler = 10;
        text = "Interner Fehler beim Erstellen der Vordergrundbilder.\n";
    } else if (ergebnis == 0x8000) {
        fehler = 8;
        text = "Fehler beim Erstellen der Farbpalette für die Vordergrundbilder.\n";
    } else {
        fehler = 10;
        text = "Fehler beim Erstellen der Vordergrundbilder.\n";
    }
}
