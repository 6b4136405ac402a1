#include "workplace/textdatei.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>

#include "platform/draw/dc.h"
#include "platform/pfad.h"
#include "platform/win1252.h"

namespace {

constexpr size_t kBlock = 1024;
constexpr size_t kMaxZeilen = 1000;

} // namespace

int LeseTextdatei(std::vector<std::string>* zeilen, const std::string& pfad)
{
    const std::string name = pfad::ZumOeffnen(pfad);
    struct stat info {};
    if (stat(name.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? TEXTDATEI_FEHLT : TEXTDATEI_FEHLER;
    if (!S_ISREG(info.st_mode))
        return TEXTDATEI_FEHLER;
    if (info.st_size > TEXTDATEI_MAX_BYTES)
        return TEXTDATEI_ZU_GROSS;
    FILE* datei = std::fopen(name.c_str(), "rb");
    if (!datei)
        return errno == ENOENT ? TEXTDATEI_FEHLT : TEXTDATEI_FEHLER;

    // The very last byte ends the last line as it is, so its position counts.
    const long long groesse = info.st_size;
    std::vector<std::string> gelesen;
    std::string zeile;
    bool nachCR = false;
    long long position = 0;
    int ergebnis = 0;
    char block[kBlock];
    while (ergebnis == 0) {
        const size_t n = std::fread(block, 1, kBlock, datei);
        if (n == 0)
            break;
        for (size_t i = 0; i < n; ++i, ++position) {
            const char b = block[i];
            if (b == '\n' && nachCR) {
                nachCR = false;
                continue;
            }
            nachCR = false;
            if (position == groesse - 1) {
                zeile += b;
                gelesen.push_back(std::move(zeile));
                zeile.clear();
            } else if (b == '\r' || b == '\n') {
                zeile += "\r\n";
                gelesen.push_back(std::move(zeile));
                zeile.clear();
                nachCR = b == '\r';
            } else {
                zeile += b;
            }
        }
        if (gelesen.size() > kMaxZeilen)
            ergebnis = TEXTDATEI_ZU_LANG;
        if (n < kBlock)
            break;
    }
    const bool lesefehler = std::ferror(datei) != 0;
    std::fclose(datei);
    if (lesefehler)
        return TEXTDATEI_FEHLER;

    bool utf8 = true;
    for (const std::string& z : gelesen)
        utf8 = utf8 && win1252::IstUtf8(z);
    if (!utf8)
        for (std::string& z : gelesen)
            z = win1252::NachUtf8(z);
    // A byte-order mark is no text.
    if (utf8 && !gelesen.empty() && gelesen[0].rfind("\xEF\xBB\xBF", 0) == 0)
        gelesen[0].erase(0, 3);
    *zeilen = std::move(gelesen);
    return ergebnis;
}

namespace {

int Breite(CDC* dc, const std::string& text) { return dc->GetTextExtent(text).cx; }

constexpr const char* kWeiss = " \t\r\n\v\f";

void EntferneFuehrendenWeissraum(std::string& text)
{
    text.erase(0, std::min(text.find_first_not_of(kWeiss), text.size()));
}

// Linear in the length of the line: the text is walked by position, never
// cut from the front, and each measure takes at most one output line plus
// one word.
void Zerlege(const std::string& zeile, std::vector<std::string>* ausgabe, CDC* dc, int breite)
{
    const std::string text = zeile.substr(0, zeile.find('\n'));
    if (Breite(dc, text) <= breite) {
        ausgabe->push_back(text);
        return;
    }
    const size_t n = text.size();
    const size_t letztes = n - 1;
    std::string stueck, passend;
    size_t pos = 0;
    while (pos < n) {
        // Cut at the first blank or hyphen, or at the end; one that is the
        // last character separates nothing.
        const size_t schnitt = std::min(text.find_first_of(" -", pos), letztes);
        const bool amLeerzeichen = schnitt < letztes && text[schnitt] == ' ';
        // A hyphen stays with its word, a blank is not taken.
        const size_t wortLaenge = (amLeerzeichen ? schnitt : schnitt + 1) - pos;
        std::string kandidat = stueck;
        kandidat.append(text, pos, wortLaenge);

        if (Breite(dc, kandidat) <= breite) {
            stueck = amLeerzeichen ? kandidat + ' ' : kandidat;
            passend = std::move(kandidat);
            pos = schnitt + 1;
            if (pos < n)
                continue;
            ausgabe->push_back(passend);
            break;
        }
        if (!passend.empty()) {
            ausgabe->push_back(passend);
        } else {
            // A single word wider than breite stands alone.
            ausgabe->push_back(kandidat);
            pos += wortLaenge;
        }
        stueck.clear();
        passend.clear();
        pos = std::min(text.find_first_not_of(kWeiss, pos), n);
    }
}

} // namespace

int ZerlegeText(const std::vector<std::string>& eingabe, std::vector<std::string>* ausgabe, CDC* dc, int breite)
{
    ausgabe->clear();
    if (eingabe.empty() || breite < 1)
        return 1;
    ausgabe->reserve(eingabe.size());
    for (const std::string& zeile : eingabe)
        Zerlege(zeile, ausgabe, dc, breite);
    return 0;
}

namespace {

// Byte offsets of the characters of a UTF-8 text, and its length at the end.
std::vector<size_t> ZeichenGrenzen(const std::string& text)
{
    std::vector<size_t> grenzen;
    for (size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            grenzen.push_back(i);
    grenzen.push_back(text.size());
    return grenzen;
}

// The longest beginning (or end) of text narrower than grenze.
std::string LaengsterTeil(CDC* dc, const std::string& text, const std::vector<size_t>& grenzen, int grenze,
                          bool vomEnde)
{
    auto teil = [&](size_t zeichen) {
        const size_t n = grenzen.size() - 1;
        return vomEnde ? text.substr(grenzen[n - zeichen]) : text.substr(0, grenzen[zeichen]);
    };
    // Extents grow with every character: binary search for the count.
    size_t unten = 0, oben = grenzen.size() - 1;
    while (unten < oben) {
        const size_t mitte = (unten + oben + 1) / 2;
        if (Breite(dc, teil(mitte)) < grenze)
            unten = mitte;
        else
            oben = mitte - 1;
    }
    return teil(unten);
}

} // namespace

int UmbrecheText(const std::string& text, CDC* dc, RECT rechteck, double position)
{
    if (text.empty() || rechteck.right <= rechteck.left || rechteck.top <= rechteck.bottom)
        return UMBRUCH_NICHTS;
    int flags = 0;
    if (position < 0.0) {
        position = 0.0;
        flags |= UMBRUCH_POSITION_KLEIN;
    } else if (position > 1.0) {
        position = 1.0;
        flags |= UMBRUCH_POSITION_GROSS;
    }
    const unsigned ausrichtung = dc->SetTextAlign(TA_LEFT | TA_TOP);
    RECT clip = rechteck;
    auto zeichne = [&](int x, const std::string& s) { dc->ExtTextOut(x, rechteck.top, ETO_CLIPPED, &clip, s); };

    const int w = rechteck.right - rechteck.left;
    if (Breite(dc, text) <= w) {
        zeichne(rechteck.left, text);
        dc->SetTextAlign(ausrichtung);
        return flags;
    }

    const std::vector<size_t> grenzen = ZeichenGrenzen(text);
    const size_t zeichen = grenzen.size() - 1;
    const std::string erstes = text.substr(0, grenzen[1]);
    const int w1 = Breite(dc, erstes);
    const int wl = zeichen > 1 ? Breite(dc, text.substr(grenzen[zeichen - 1])) : 0;
    const int c = static_cast<int>(std::trunc(w * position + 0.5));
    enum class Lage { Anfang, Mitte, Ende } lage;
    int m = Breite(dc, "[...]");
    int m1 = m / 2, m2 = m - m1;
    std::string marke;
    if (c <= 0 || w1 + m1 > c) {
        lage = Lage::Anfang;
        marke = "...]";
    } else if (c < w && wl + m2 <= w - c) {
        lage = Lage::Mitte;
        marke = "[...]";
    } else {
        lage = Lage::Ende;
        marke = "[...";
    }
    m = Breite(dc, marke);
    m1 = m / 2;
    m2 = m - m1;

    const bool zuSchmal = lage == Lage::Anfang ? m + wl > w : lage == Lage::Mitte ? m + w1 + wl > w : m + w1 > w;
    if (zuSchmal) {
        zeichne(rechteck.left, lage == Lage::Anfang ? marke : erstes + "[...");
        dc->SetTextAlign(ausrichtung);
        return flags | UMBRUCH_ZU_SCHMAL;
    }

    const int links = lage == Lage::Anfang ? 0 : lage == Lage::Ende ? w - m : c - m1;
    const int rechts = lage == Lage::Anfang ? m : lage == Lage::Ende ? w : c + m2;
    if (lage != Lage::Anfang)
        zeichne(rechteck.left, LaengsterTeil(dc, text, grenzen, links, false));
    zeichne(rechteck.left + links, marke);
    clip.left = rechteck.left + links;
    if (lage != Lage::Ende) {
        const std::string ende = LaengsterTeil(dc, text, grenzen, w - rechts, true);
        zeichne(rechteck.right - Breite(dc, ende), ende);
    }
    dc->SetTextAlign(ausrichtung);
    return flags;
}

int ZaehleZeichen(const std::string& text, char zeichen)
{
    return static_cast<int>(std::count(text.begin(), text.end(), zeichen));
}

namespace {

void Trimme(std::string& text)
{
    const size_t ende = text.find_last_not_of(kWeiss);
    text.erase(ende == std::string::npos ? 0 : ende + 1);
    EntferneFuehrendenWeissraum(text);
}

} // namespace

std::string GetVerzeichnisTeil(std::string pfad)
{
    Trimme(pfad);
    const size_t trenner = pfad.find_last_of("\\/");
    return trenner != std::string::npos && trenner >= 1 ? pfad.substr(0, trenner + 1) : std::string();
}

std::string GetDateiTeil(std::string pfad)
{
    Trimme(pfad);
    const size_t trenner = pfad.find_last_of("\\/");
    return trenner == std::string::npos ? pfad : pfad.substr(trenner + 1);
}
