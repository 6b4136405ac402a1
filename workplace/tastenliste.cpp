#include "workplace/tastenliste.h"

namespace {

struct Taste {
    const char* name;
    uint32_t code;
    bool zeichen = true; // the code is the character the key types
};

// Keys without a character use the scan-like codes the presentation knows;
// these codes equal letters' codes (72 is also "H").
constexpr Taste kFesteTasten[] = {
    {"Eingabetaste", 10},
    {"Leertaste", 32},
    {"Linke Maustaste", 0x10000, false},
    {"Rechte Maustaste", 0x20000, false},
    {"Crsr Links", 75, false},
    {"Crsr Rechts", 77, false},
    {"Crsr Unten", 80, false},
    {"Crsr Oben", 72, false},
    {"Tabulator", 9},
    {"Bild oben", 73, false},
    {"Bild unten", 81, false},
    {"Pos 1", 20, false},
    {"Ende", 21, false},
};

// Codes are Windows-1252 characters; the names are UTF-8.
constexpr Taste kZeichenTasten[] = {
    {"<#>", 35}, {"<+>", 43}, {"<->", 45}, {"<.>", 46}, {"<,>", 44}, {"<Ä>", 196}, {"<Ö>", 214}, {"<Ü>", 220},
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
    m_Zeichen.reserve(m_nAnzahl);
    for (const Taste& t : kFesteTasten) {
        m_Codes.push_back(t.code);
        m_Namen.emplace_back(t.name);
        m_Zeichen.push_back(t.zeichen);
    }
    for (int i = 0; i < 26; ++i) {
        m_Codes.push_back(65 + i);
        m_Namen.push_back(ZeichenName(static_cast<char>('A' + i)));
        m_Zeichen.push_back(true);
    }
    for (int i = 0; i < 10; ++i) {
        m_Codes.push_back(48 + i);
        m_Namen.push_back(ZeichenName(static_cast<char>('0' + i)));
        m_Zeichen.push_back(true);
    }
    for (const Taste& t : kZeichenTasten) {
        m_Codes.push_back(t.code);
        m_Namen.emplace_back(t.name);
        m_Zeichen.push_back(true);
    }
}

CTastenliste::~CTastenliste() = default;

uint32_t CTastenliste::GetCode(int32_t index) const
{
    if (index < 0 || index >= m_nAnzahl || index >= static_cast<int32_t>(m_Codes.size()))
        return 0;
    return m_Codes[index];
}

bool CTastenliste::IstZeichen(int32_t index) const
{
    return index >= 0 && index < m_nAnzahl && index < static_cast<int32_t>(m_Zeichen.size()) && m_Zeichen[index];
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
