#pragma once

#include <cstdint>
#include <vector>

#include "platform/draw/typen.h"

// Flags of a placement.
enum : int {
    VERTEILUNG_RASTER = 1, // grid of equal cells over the area, objects centred
    VERTEILUNG_VERSCHOBEN = 2, // grid over the range of centres, shifted at random
    VERTEILUNG_ZUFALL = 4, // random positions (32 alike)
    VERTEILUNG_MITTEN = 16, // with 1: grid over the range of centres; with 2: wraps around
    VERTEILUNG_ZUFALL2 = 32,
    VERTEILUNG_RANDBUENDIG = 64, // with 1: outer objects touch the area's edges
};

// Edge flags of the visible-part operations.
enum : uint32_t {
    KANTE_OBEN_LINKS = 1,
    KANTE_OBEN = 2,
    KANTE_OBEN_RECHTS = 4,
    KANTE_LINKS = 8,
    KANTE_RECHTS = 16,
    KANTE_UNTEN_LINKS = 32,
    KANTE_UNTEN = 64,
    KANTE_UNTEN_RECHTS = 128,
    KANTE_SICHTBAR = 0x100, // something of the object is visible
    KANTE_KEIN_OBJEKT = 0x80000000u,
};

// Places equal-sized objects in a screen area in whole pixels: on a grid, on
// a grid shifted at random, or at random positions, kept out of an optional
// inner area. Randomness comes from crt::rand.
class CVerteilung {
public:
    CVerteilung() = default;
    virtual ~CVerteilung() = default;
    CVerteilung(const CVerteilung&) = default;
    CVerteilung& operator=(const CVerteilung&) = default;

    int SetBereich(RECT bereich, RECT objekt);
    // The range of centres becomes m exactly.
    int SetBereichUmMitte(RECT m, RECT objekt);
    int SetInnenbereich(RECT innen);
    int SetRaster(int zeilen, int spalten, int flags);
    int SetAnzahl(int anzahl, int flags);
    // All three steps or none: a failure leaves the layout as it was.
    int Init(RECT bereich, RECT objekt, RECT innen, int zeilen, int spalten, int flags);
    int Verteilen();

    int GetAnzahl() const { return m_nAnzahl; }
    int GetZeilen() const { return m_nZeilen; }
    int GetSpalten() const { return m_nSpalten; }
    int GetMaxAnzahl() const { return m_nFreiMitte; }
    int GetMaxZeilen() const { return m_nMaxZeilen; }
    int GetMaxSpalten() const { return m_nMaxSpalten; }
    int GetSchritteX() const;
    int GetSchritteY() const;
    RECT GetRechteck(int i) const;
    // Row and column count from 1.
    POINT GetPunktRasterplatz(int zeile, int spalte) const;
    RECT GetRechteckRasterplatz(int zeile, int spalte) const;

    // The part of object i inside the range of centres, and the matching
    // part of the object's picture; answers the edges it sticks out over.
    uint32_t GetSichtbarerTeil(RECT* teil, RECT* quelle, int i) const;
    // The piece over the lowest edge of kanten, moved to the opposite edge;
    // answers the edges left to do.
    uint32_t GetUeberstand(RECT* teil, RECT* quelle, int i, uint32_t kanten) const;

private:
    enum class Raster { Bereich, Mitten, Rand };

    int Breite() const { return m_objekt.right - m_objekt.left; }
    int Hoehe() const { return m_objekt.bottom - m_objekt.top; }
    RECT Mittenbereich() const { return {m_nErsteX, m_nErsteY, m_nLetzteX, m_nLetzteY}; }
    void Berechne();
    int PruefeRechtecke() const;
    POINT Rastermitte(Raster art, int zeile, int spalte, int zeilen, int spalten) const;
    int ZaehleFreiePlaetze(int zeilen, int spalten, Raster art) const;
    void WaehleRaster();
    void VerschiebeZufaellig();
    void VerteileZufaellig();
    // Place of a grid cell counted from 1, or -1.
    int Rasterplatz(int zeile, int spalte) const;
    int Nachbar(int platz, int richtung, int* umbruchX, int* umbruchY) const;

    static RECT Ueberlappung(RECT a, RECT b);
    RECT ObjektUm(int x, int y) const;
    RECT UeberlappungObjekt(int x, int y, RECT r) const { return Ueberlappung(ObjektUm(x, y), r); }
    RECT UeberlappungObjekte(int x1, int y1, int x2, int y2) const
    {
        return Ueberlappung(ObjektUm(x1, y1), ObjektUm(x2, y2));
    }

    int m_nErsteX = 0, m_nErsteY = 0;
    int m_nLetzteX = 0, m_nLetzteY = 0;
    RECT m_bereich;
    RECT m_objekt;
    RECT m_innen;
    int m_nZeilen = 0, m_nSpalten = 0;
    int m_nAnzahl = 0;
    int m_nPlaetze = 0;
    int m_nFreiMitte = 0; // free places of the centre grid
    int m_nFreiBereich = 0; // free places of the area grid
    int m_nFreiRand = 0; // the same with edge spreading
    int m_nSchritteY = 0, m_nSchritteX = 0;
    int m_nMaxZeilen = 0, m_nMaxSpalten = 0;
    int m_nFlags = 0;
    std::vector<int32_t> m_index; // object -> place, or -1
    std::vector<RECT> m_rechtecke; // per place
    std::vector<POINT> m_mitten; // per place
};
