#pragma once

// The pages of a reading text. Only a few pages live in the foreground
// surface at a time: a page is drawn into a slot when it is turned to, so a
// text of hundreds of pages costs a few pages of memory.

#include "platform/draw/dc.h"

#include <string>
#include <vector>

class CPraesentation;

struct CTextzeile {
    std::string text;
    bool ueberschrift = false;
    // The last piece of a line of the file: a justified text leaves it as it is.
    bool absatzende = false;
};

class CLeseseiten {
public:
    // Slots of the foreground surface: the page shown, the one before and
    // the one after it.
    static constexpr int PLAETZE = 3;

    // How a page is laid out; the fonts are created by the renderer.
    struct CLayout {
        int bw = 0, bh = 0; // block
        int pt = 0, ph = 0; // pitches of text and heading lines
        int vertikal = 0;
        int textausrichtung = 0, ueberschriftausrichtung = 1;
        COLORREF textHintergrund = 0;
        int fuellIndex = 0; // the ground of a page
    };

    // The lines of the text and the number of lines on each page.
    void Setzen(const CLayout& layout, std::vector<CTextzeile> zeilen, const std::vector<int>& seiten);

    int GetSeiten() const { return int(m_anfang.size()) - 1; }
    int GetPlaetze() const;
    // Fonts of heading and text lines.
    CFont m_ueberschrift, m_text;

    // The page in a slot of e.m_pVordergrund, drawn there unless a slot
    // holds it already; the slot becomes e.m_Rechtecke1[seite] (pages no
    // longer in a slot get an empty rectangle). 0, or 8 when the slot could
    // not be cleared, 9 when it gave no device context.
    int Bereitstellen(CPraesentation& e, int seite);

private:
    int Zeichnen(CPraesentation& e, int seite, const RECT& platz);

    CLayout m_layout;
    std::vector<CTextzeile> m_zeilen;
    std::vector<size_t> m_anfang{0}; // first line of each page, and the end
    std::vector<int> m_platzSeite; // page in each slot, -1 for none
    std::vector<unsigned> m_benutzt; // when each slot was last asked for
    unsigned m_uhr = 0;
};
