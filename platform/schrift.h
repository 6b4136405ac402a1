#pragma once

#include <cstdint>
#include <string>

// The Windows font description. The face name is UTF-8; whoever fills it
// from outside keeps it to 31 characters as the original 32-byte field did.
struct LOGFONT {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    std::string lfFaceName;

    bool operator==(const LOGFONT&) const = default;
};

constexpr uint8_t DEFAULT_CHARSET = 1;

// A font object: a created description that drawing back ends realise when
// it is selected. Creating only records the description.
class CFont {
public:
    CFont() = default;
    virtual ~CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // False when a font exists already.
    bool CreateFontIndirect(const LOGFONT* lf);
    // False when no font exists.
    bool GetLogFont(LOGFONT* lf) const;
    bool DeleteObject();
    bool IstErzeugt() const { return m_bErzeugt; }

private:
    LOGFONT m_lf;
    bool m_bErzeugt = false;
};
