#include "workplace/reizkatalog.h"

namespace {

struct Satz {
    const char* name;
    int anzahl;
    uint32_t ersterCode;
    const char* datei; // nullptr: characters, no bitmap
};

constexpr uint32_t kZeichen = 0x01000000;

constexpr Satz kSaetze[] = {
    {"Buchstaben (1-26)", 26, kZeichen + 65, nullptr},    {"Zahlen (1-10)", 10, kZeichen + 48, nullptr},
    {"Kreise (1-32)", 32, 0x00010000, "kreise.bmp"},      {"Dreiecke (1-32)", 32, 0x00020000, "dreiecke.bmp"},
    {"Mehrecke (1-32)", 32, 0x00030000, "mehrecke.bmp"},  {"Geometrie (1-32)", 32, 0x00040000, "geometr.bmp"},
    {"Sterne (1-32)", 32, 0x00050000, "sterne.bmp"},      {"Pfeile (1-32)", 32, 0x00060000, "pfeile.bmp"},
    {"Gitter (1-32)", 32, 0x00070000, "gitter.bmp"},      {"Symbole (1-32)", 32, 0x00080000, "symbole.bmp"},
    {"Objekte A (1-32)", 32, 0x00090000, "objekteA.bmp"}, {"Objekte B (1-32)", 32, 0x000A0000, "objekteB.bmp"},
};

std::unique_ptr<CReizkatalog::Codetabelle> NeueTabelle()
{
    auto tabelle = std::make_unique<CReizkatalog::Codetabelle>();
    for (const Satz& s : kSaetze) {
        std::vector<uint32_t> codes(s.anzahl);
        for (int i = 0; i < s.anzahl; ++i)
            codes[i] = s.ersterCode + static_cast<uint32_t>(i);
        tabelle->push_back(std::move(codes));
    }
    return tabelle;
}

int32_t Anzahl(const CReizkatalog::Codetabelle* tabelle, int32_t saetze, int32_t satz)
{
    if (!tabelle || satz < 0 || satz >= saetze || satz >= static_cast<int32_t>(tabelle->size()))
        return 0;
    return static_cast<int32_t>((*tabelle)[satz].size());
}

uint32_t Reiz(const CReizkatalog::Codetabelle* tabelle, int32_t saetze, int32_t satz, int32_t reiz)
{
    if (reiz < 0 || reiz >= Anzahl(tabelle, saetze, satz))
        return 0;
    return (*tabelle)[satz][reiz];
}

} // namespace

CReizkatalog::CReizkatalog() : m_nAnzahlSaetze(12), m_nAnzahlSaetze2(12), m_nAnzahlBitmaps(10)
{
    for (const Satz& s : kSaetze) {
        m_SatzNamen.emplace_back(s.name);
        if (s.datei)
            m_BitmapDateien.emplace_back(s.datei);
    }
    m_SatzNamen2 = m_SatzNamen;

    m_lfReizSchrift.lfWeight = 700;
    m_lfReizSchrift.lfQuality = 2;
    m_lfReizSchrift.lfPitchAndFamily = 0x21;
    m_lfReizSchrift.lfFaceName = "Arial";

    m_pCodes = NeueTabelle();
    m_pCodes2 = NeueTabelle();
}

CReizkatalog::~CReizkatalog() = default;

int32_t CReizkatalog::GetAnzahlReize(int32_t satz) const { return Anzahl(m_pCodes.get(), m_nAnzahlSaetze, satz); }

uint32_t CReizkatalog::GetReiz(int32_t satz, int32_t reiz) const
{
    return Reiz(m_pCodes.get(), m_nAnzahlSaetze, satz, reiz);
}

int32_t CReizkatalog::GetAnzahlReize2(int32_t satz) const { return Anzahl(m_pCodes2.get(), m_nAnzahlSaetze2, satz); }

uint32_t CReizkatalog::GetReiz2(int32_t satz, int32_t reiz) const
{
    return Reiz(m_pCodes2.get(), m_nAnzahlSaetze2, satz, reiz);
}
