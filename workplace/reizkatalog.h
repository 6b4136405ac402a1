#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/draw/dc.h"

// The fixed catalogue of the twelve stimulus sets. A stimulus code with bit
// 24 set is the character in bits 0-7, drawn with the stimulus font;
// otherwise bits 16-23 name bitmap set k (1-10, file k-1) and bits 0-15 the
// symbol in that file. The second table serves the exploration task's second
// set and is filled exactly like the first.
class CReizkatalog {
public:
    using Codetabelle = std::vector<std::vector<uint32_t>>;

    CReizkatalog();
    virtual ~CReizkatalog();
    CReizkatalog(const CReizkatalog&) = delete;
    CReizkatalog& operator=(const CReizkatalog&) = delete;

    int32_t GetAnzahlReize(int32_t satz) const;
    uint32_t GetReiz(int32_t satz, int32_t reiz) const;
    int32_t GetAnzahlReize2(int32_t satz) const;
    uint32_t GetReiz2(int32_t satz, int32_t reiz) const;

    int32_t m_nAnzahlSaetze;
    int32_t m_nAnzahlSaetze2;
    int32_t m_nAnzahlBitmaps;
    std::vector<std::string> m_SatzNamen;
    std::vector<std::string> m_SatzNamen2;
    std::vector<std::string> m_BitmapDateien;
    // The renderer sets the height before it creates its font.
    LOGFONT m_lfReizSchrift;

private:
    std::unique_ptr<Codetabelle> m_pCodes;
    std::unique_ptr<Codetabelle> m_pCodes2;
};
