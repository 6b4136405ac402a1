#pragma once

#include <string>
#include <vector>

#include "platform/draw/dc.h"

// Device context for tests: keeps every drawing call with its logical
// arguments and the state it was drawn in. Text is measured by a fixed
// metric so expected positions are exact: the cell height is the font's
// height (12 points of the device for height 0), every character is half
// as wide (or lfWidth), the descent is a fifth of the height.
class CRecorderDC : public CDC {
public:
    explicit CRecorderDC(const CGeraetDaten& geraet = {1000, 1000, 96, 96, false});

    enum class Art { Text, DrawText, Linie, Polyline, Rechteck, Ellipse, Polygon, Flaeche, Kopie };

    struct Eintrag {
        Art art = Art::Text;
        std::string text;
        std::vector<POINT> punkte; // lines: start, end; shapes: two corners
        RECT rechteck; // ExtTextOut / DrawText rectangle, fills
        bool mitRechteck = false;
        unsigned optionen = 0; // ETO_ or DT_ flags
        LOGFONT font;
        LOGPEN pen;
        bool brushLeer = false;
        COLORREF brushFarbe = 0;
        COLORREF textFarbe = 0, hgFarbe = 0;
        int bkModus = 0;
        unsigned ausrichtung = 0;
        int mapMode = 0;
    };

    const std::vector<Eintrag>& Eintraege() const { return m_eintraege; }
    std::vector<const Eintrag*> Von(Art art) const;
    // Texts of TextOut, ExtTextOut and DrawText in order.
    std::vector<std::string> Texte() const;
    void Leeren() { m_eintraege.clear(); }

    bool ExtTextOut(int x, int y, unsigned optionen, const RECT* rechteck, const std::string& text) override;
    int DrawText(const std::string& text, RECT* rechteck, unsigned format) override;
    bool LineTo(int x, int y) override;
    bool Polyline(const POINT* punkte, int anzahl) override;
    bool Rectangle(int l, int t, int r, int b) override;
    using CDC::Rectangle;
    bool Ellipse(int l, int t, int r, int b) override;
    bool Polygon(const POINT* punkte, int anzahl) override;
    void FillRect(const RECT* r, CBrush* brush) override;
    bool StretchBlt(int x, int y, int breite, int hoehe, CDC* quelle, int qx, int qy, int qBreite, int qHoehe,
                    uint32_t rop) override;

protected:
    SIZE GeraetTextMass(const std::string& text) const override;
    TEXTMETRIC GeraetMetrik() const override;
    void GeraetText(const CTextAuftrag&) override {}

private:
    Eintrag& Neu(Art art);
    std::vector<Eintrag> m_eintraege;
};
