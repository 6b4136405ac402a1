#include "workplace/geometrie.h"

#include <algorithm>

#include "workplace/umgebung.h"

int CDPunktListe::SetSize(int n)
{
    n = std::max(n, 0);
    if (n > m_nKapazitaet) {
        m_nKapazitaet = (n / 20 + 1) * 20;
        m_x.resize(static_cast<size_t>(m_nKapazitaet));
        m_y.resize(static_cast<size_t>(m_nKapazitaet));
    }
    // Entries a shrink left behind are cleared when the list grows over them.
    for (int i = m_nAnzahl; i < n; ++i)
        m_x[i] = m_y[i] = 0.0;
    m_nAnzahl = n;
    return 0;
}

CDPunkt CDPunktListe::GetAt(int i) const
{
    if (i < 0 || i >= m_nAnzahl)
        return {};
    return {m_x[i], m_y[i]};
}

int CDPunktListe::SetAtGrow(int i, double x, double y)
{
    if (i < 0)
        return -1;
    if (i >= m_nAnzahl)
        SetSize(i + 1);
    m_x[i] = x;
    m_y[i] = y;
    return 0;
}

RECT RechteckBeschneiden(RECT r, RECT g)
{
    RECT e;
    e.left = std::max(r.left, g.left);
    e.right = std::min(std::max(r.right, e.left), std::max(g.right, g.left));
    e.left = std::min(e.left, e.right);
    e.top = std::max(r.top, g.top);
    e.bottom = std::min(std::max(r.bottom, e.top), std::max(g.bottom, g.top));
    e.top = std::min(e.top, e.bottom);
    return e;
}

RECT RechteckVereinigen(RECT a, RECT b)
{
    RECT e;
    e.left = std::min(a.left, b.left);
    e.top = std::min(a.top, b.top);
    e.right = std::max(std::max(a.left, a.right), std::max(b.left, b.right));
    e.bottom = std::max(std::max(a.top, a.bottom), std::max(b.top, b.bottom));
    return e;
}

namespace {
constexpr int kEinheitPixel = 8;
}

RECT CDRechteck::GetPixelRechteck(const CUmgebung* umgebung) const
{
    if (!umgebung)
        return {};
    const RECT r{umgebung->AnteilInPixelX(left + 0.5), umgebung->AnteilInPixelY(0.5 - top),
                 umgebung->AnteilInPixelX(right + 0.5), umgebung->AnteilInPixelY(0.5 - bottom)};
    return r.left > r.right || r.top > r.bottom ? RECT{} : r;
}

int CDRechteck::SetPixelRechteck(int l, int t, int r, int b, const CUmgebung* umgebung)
{
    left = top = right = bottom = 0.0;
    if (!umgebung)
        return -1;
    const double dl = umgebung->InAnteilX(l, kEinheitPixel) - 0.5;
    const double dt = 0.5 - umgebung->InAnteilY(t, kEinheitPixel);
    const double dr = umgebung->InAnteilX(r, kEinheitPixel) - 0.5;
    const double db = 0.5 - umgebung->InAnteilY(b, kEinheitPixel);
    if (dl <= dr && db <= dt) {
        left = dl;
        top = dt;
        right = dr;
        bottom = db;
    }
    return 0;
}

int CDPunkt::SetPixelPunkt(int px, int py, const CUmgebung* umgebung)
{
    x = y = 0.0;
    if (!umgebung)
        return -1;
    x = umgebung->InAnteilX(px, kEinheitPixel) - 0.5;
    y = 0.5 - umgebung->InAnteilY(py, kEinheitPixel);
    return 0;
}
