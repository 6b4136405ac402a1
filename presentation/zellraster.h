#pragma once

// A frame rectangle divided into a border and a grid of cells separated by
// gaps: eight border regions, four separating strips, four strips around
// every cell, and symbol positions laid out along the border sides. Whole
// pixels in screen coordinates; right and bottom exclusive.

#include "platform/draw/typen.h"

#include <vector>

// Side flags of the border positions, and their size flags: with both 16
// and 32 each position is two symbols wide, 16 naming its one half and 32
// its other.
enum : int {
    RAND_LINKS = 1,
    RAND_OBEN = 2,
    RAND_RECHTS = 4,
    RAND_UNTEN = 8,
    RAND_HAELFTE_A = 16,
    RAND_HAELFTE_B = 32,
};

class CRaster {
public:
    CRaster() = default;
    virtual ~CRaster() = default;

    // 0 when laid out; 1 (nothing changed) when rows or columns are below 1
    // or the margins and gaps leave no room.
    int Init(RECT rahmen, RECT symbol, int zeilen, int spalten);
    // The most columns (x) and rows (y) of cells that Init lays out in the
    // frame for the symbol; below 1 when none.
    static POINT HoechstensZellen(RECT rahmen, RECT symbol);
    // Everything again from rows, columns, margins, gap and frame; 0.
    int Berechnen();

    RECT GetRasterRechteck() const { return m_raster; }
    RECT GetZellRechteck() const { return m_zelle; }
    // Border region 1..8 (corners and sides clockwise from the top left).
    RECT GetRandbereich(int i) const;
    // Separating strip 1 top, 2 bottom, 3 left, 4 right.
    RECT GetTrennstreifen(int i) const;
    // Row and column from 1.
    RECT GetZelle(int zeile, int spalte) const;
    // Cell n from 0, row by row.
    RECT GetZelleNr(int n) const;
    // Strip k (1 left, 2 top, 3 right, 4 bottom) around cell n.
    RECT GetZellstreifenNr(int k, int n) const;

    int GetZeilen() const { return m_nZeilen; }
    int GetSpalten() const { return m_nSpalten; }

    // How many positions of a symbol fit along the border; -1 when invalid.
    int ZaehleRandpositionen(RECT symbol, int flags) const;
    // n positions shared out over the four sides; 0, or -1 (no positions)
    // when invalid or when n does not fit.
    int RandpositionenBerechnen(RECT symbol, int n, int flags);
    int GetRandpositionenAnzahl(int seiten) const;
    // Position i of the first side named (left, right, bottom, else top),
    // moved to the half named by the size flag; (0, 0) when invalid.
    POINT GetRandpunkt(int i, int flags) const;
    // The symbol-sized rectangle around that point; empty when invalid.
    RECT GetRandposition(int i, int flags) const;

private:
    void PositionenLoeschen();

    int m_nZeilen = 0;
    int m_nSpalten = 0;
    int m_nRandV = 0; // height of the top and of the bottom border
    int m_nRandH = 0; // width of the left and of the right border
    int m_nLuecke = 0;
    RECT m_rahmen;
    RECT m_raster;
    RECT m_rand[8];
    RECT m_trenn[4];
    std::vector<RECT> m_zellstreifen; // four per cell
    RECT m_zelle;
    std::vector<RECT> m_zellen;
    int m_nRandFlags = 0;
    RECT m_randSymbol;
    int m_nRandAnzahl[4] = {0, 0, 0, 0}; // top, left, right, bottom
    std::vector<POINT> m_randpunkte;
};
