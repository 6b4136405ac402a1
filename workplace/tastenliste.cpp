#include "workplace/tastenliste.h"

namespace {

struct Taste {
    const char* name;
    uint32_t code;
};

// Keys without a character use the scan-like codes the presentation knows.
constexpr Taste kFesteTasten[] = {
    {"Eingabetaste", 10}, {"Leertaste", 32},     {"Linke Maustaste", 0x10000},
    {"Rechte Maustaste", 0x20000}, {"Crsr Links", 75}, {"Crsr Rechts", 77},
    {"Crsr Unten", 80}, {"Crsr Oben", 72},       {"Tabulator", 9},
    {"Bild oben", 73},   {"Bild unten", 81},     {"Pos 1", 20},
    {"Ende", 21},
};

// Codes are Windows-1252 characters; the names are UTF-8.
constexpr Taste kZeichenTasten[] = {
    {"<#>", 35}, {"<+>", 43}, {"<->", 45}, {"<.>", 46}, {"<,>", 44},
    {"<Ä>", 196}, {"<Ö>", 214}, {"<Ü>", 220},
};

std::string ZeichenName(char c)
{
    std::string name = "<*>";
    name[1] = c;
    return name;
}

} // namespace

CTastenliste::CTastenliste() : m_nAnzahl(57)
{
    m_Codes.reserve(m_nAnzahl);
    m_Namen.reserve(m_nAnzahl);
    for (const Taste& t : kFesteTasten) {
        m_Codes.push_back(t.code);
        m_Namen.emplace_back(t.name);
    }
    for (int i = 0; i < 26; ++i) {
        m_Codes.push_back(65 + i);
        m_Namen.push_back(ZeichenName(static_cast<char>('A' + i)));
    }
    for (int i = 0; i < 10; ++i) {
        m_Codes.push_back(48 + i);
        m_Namen.push_back(ZeichenName(static_cast<char>('0' + i)));
    }
    for (const Taste& t : kZeichenTasten) {
        m_Codes.push_back(t.code);
        m_Namen.emplace_back(t.name);
    }
}

CTastenliste::~CTastenliste() = default;

uint32_t CTastenliste::GetCode(int32_t index) const
{
    if (index < 0 || index >= m_nAnzahl || index >= static_cast<int32_t>(m_Codes.size()))
        return 0;
    return m_Codes[index];
}

std::string CTastenliste::GetName(int32_t index) const
{
    if (index < 0 || index >= m_nAnzahl || index >= static_cast<int32_t>(m_Namen.size()))
        return "---";
    return m_Namen[index];
}

uint32_t TasteAlteVersion(uint32_t index, uint32_t version)
{
    if (version >= 100)
        return index;
    static constexpr uint32_t kAlt[] = {0, 1, 50, 51, 2, 3};
    return index < 6 ? kAlt[index] : index;
}
