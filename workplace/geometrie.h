#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/draw/typen.h"

class CUmgebung;

// Positions in parts of the display: origin at the display centre, x to the
// right, y upwards, the display spanning -0.5 to +0.5 either way.

// A rectangle in parts of the display; valid when left <= right and
// bottom <= top.
class CDRechteck {
public:
    CDRechteck() = default;
    virtual ~CDRechteck() = default;
    CDRechteck(const CDRechteck&) = default;
    CDRechteck& operator=(const CDRechteck&) = default;

    // Pixel (0, 0) is the display's top-left corner; the zero rectangle
    // without an environment or for an inverted result.
    RECT GetPixelRechteck(const CUmgebung* umgebung) const;
    // 0; -1 without an environment. An inverted rectangle becomes all 0.0.
    int SetPixelRechteck(int left, int top, int right, int bottom, const CUmgebung* umgebung);

    // Public like RECT's: the owners read and write the edges directly.
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

class CDPunkt {
public:
    CDPunkt() = default;
    CDPunkt(double px, double py) : x(px), y(py) {}
    virtual ~CDPunkt() = default;
    CDPunkt(const CDPunkt&) = default;
    CDPunkt& operator=(const CDPunkt&) = default;

    // 0; -1 without an environment (then (0.0, 0.0)).
    int SetPixelPunkt(int x, int y, const CUmgebung* umgebung);

    double x = 0.0;
    double y = 0.0;
};

// Growable list of points in parts of the display; grows in steps of 20.
class CDPunktListe {
public:
    CDPunktListe() = default;
    virtual ~CDPunktListe() = default;

    int GetSize() const { return m_nAnzahl; }
    int GetKapazitaet() const { return m_nKapazitaet; }
    int SetSize(int n);
    // (0.0, 0.0) out of range.
    CDPunkt GetAt(int i) const;
    // -1 for a negative index; grows the list to reach i.
    int SetAtGrow(int i, double x, double y);
    int SetAtGrowPunkt(int i, CDPunkt punkt) { return SetAtGrow(i, punkt.x, punkt.y); }

private:
    int m_nAnzahl = 0;
    int m_nKapazitaet = 0;
    std::vector<double> m_x; // m_nKapazitaet entries
    std::vector<double> m_y;
};

// Counted array of pixel elements. SetSize never keeps the old contents.
template <typename T>
class CPixelListe {
public:
    virtual ~CPixelListe() = default;

    int GetSize() const { return static_cast<int>(m_elemente.size()); }
    // 1 for n < 1 (the list stays empty); 0 with n zero elements.
    int SetSize(int n)
    {
        m_elemente.clear();
        if (n < 1) {
            m_elemente.shrink_to_fit();
            return 1;
        }
        m_elemente.assign(static_cast<size_t>(n), T{});
        return 0;
    }
    // The zero element out of range.
    T GetAt(int i) const { return i >= 0 && i < GetSize() ? m_elemente[i] : T{}; }
    // 1 out of range (nothing changes).
    int SetAt(int i, T element)
    {
        if (i < 0 || i >= GetSize())
            return 1;
        m_elemente[i] = element;
        return 0;
    }

private:
    std::vector<T> m_elemente;
};

class CRechteckListe : public CPixelListe<RECT> {
public:
    int SetRechteck(int i, RECT r) { return SetAt(i, r); }
};

class CPunktListe : public CPixelListe<POINT> {};

// Clamps r into g; never inverted: outside g it collapses onto g's nearest edge.
RECT RechteckBeschneiden(RECT r, RECT g);
// The smallest rectangle that holds both.
RECT RechteckVereinigen(RECT a, RECT b);
