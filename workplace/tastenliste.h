#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The fixed table of reaction keys. Task records store a key as an index
// into it; the presentation turns the code into something it can poll.
// Codes below 0x10000 are keys, 0x10000 and 0x20000 the left and right
// mouse buttons.
class CTastenliste {
public:
    CTastenliste();
    virtual ~CTastenliste();

    // 0 for an index outside the table.
    uint32_t GetCode(int32_t index) const;
    // Whether the row's code is the character its key types; false for the
    // mouse buttons, the keys without a character and an index outside.
    bool IstZeichen(int32_t index) const;
    // "---" for an index outside the table.
    std::string GetName(int32_t index) const;
    int32_t GetAnzahl() const { return m_nAnzahl; }

    int32_t m_nAnzahl;

private:
    std::vector<uint32_t> m_Codes;
    std::vector<std::string> m_Namen;
    std::vector<bool> m_Zeichen;
};

// Key index stored in a file of the given version, in today's numbering:
// files before version 100 numbered Enter, space, plus, minus, left and
// right mouse button 0 to 5.
uint32_t TasteAlteVersion(uint32_t index, uint32_t version);
