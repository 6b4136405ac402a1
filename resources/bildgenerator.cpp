// Draws the ten stimulus symbol sets and the two arrow pictures of the
// background pattern as black-on-white 1-bit bitmaps. The presentation maps
// black to the foreground or pattern colour and white to the transparent key,
// and smooths the symbols itself when it scales them, so the pictures stay
// strictly two-coloured.
//
// Usage: lumetra_bildgenerator <output folder>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int Symbolgroesse = 128; // side of one symbol cell in pixels
constexpr int SymboleProSatz = 32;

// ---------------------------------------------------------------- bitmap file

void Schreibe16(std::vector<uint8_t>& b, uint16_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void Schreibe32(std::vector<uint8_t>& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}

// 1-bit bitmap, colour table black (0) and white (1), rows bottom-up, each
// padded to 4 bytes. tinte holds one byte per pixel, top row first.
bool SchreibeBmp(const std::filesystem::path& pfad, int breite, int hoehe, const std::vector<uint8_t>& tinte)
{
    const uint32_t zeilenlaenge = ((uint32_t(breite) + 31) / 32) * 4;
    const uint32_t pixelversatz = 14 + 40 + 2 * 4;
    const uint32_t pixelbytes = zeilenlaenge * uint32_t(hoehe);

    std::vector<uint8_t> b;
    b.reserve(pixelversatz + pixelbytes);
    Schreibe16(b, 0x4D42); // "BM"
    Schreibe32(b, pixelversatz + pixelbytes);
    Schreibe32(b, 0);
    Schreibe32(b, pixelversatz);
    Schreibe32(b, 40);
    Schreibe32(b, uint32_t(breite));
    Schreibe32(b, uint32_t(hoehe)); // positive: bottom row first
    Schreibe16(b, 1);
    Schreibe16(b, 1);
    Schreibe32(b, 0);
    Schreibe32(b, pixelbytes);
    Schreibe32(b, 2835); // 72 dpi
    Schreibe32(b, 2835);
    Schreibe32(b, 2);
    Schreibe32(b, 2);
    Schreibe32(b, 0x00000000); // black
    Schreibe32(b, 0x00FFFFFF); // white

    for (int y = hoehe - 1; y >= 0; --y) {
        std::vector<uint8_t> zeile(zeilenlaenge, 0);
        for (int x = 0; x < breite; ++x)
            if (!tinte[size_t(y) * size_t(breite) + size_t(x)])
                zeile[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        b.insert(b.end(), zeile.begin(), zeile.end());
    }

    std::ofstream datei(pfad, std::ios::binary);
    datei.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    return bool(datei);
}

// ---------------------------------------------------------------- geometry

struct P {
    double x, y;
};

// Point at radius r in direction grad (0 = up, clockwise).
P Polar(P m, double r, double grad)
{
    const double a = grad * Pi / 180.0;
    return {m.x + r * std::sin(a), m.y - r * std::cos(a)};
}

double Abstand(P a, P b) { return std::hypot(a.x - b.x, a.y - b.y); }

double StreckenAbstand(P p, P a, P b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double ll = dx * dx + dy * dy;
    double t = ll > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / ll : 0.0;
    t = std::fmax(0.0, std::fmin(1.0, t));
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool InPolygon(const std::vector<P>& ecken, P p)
{
    bool innen = false;
    for (size_t i = 0, j = ecken.size() - 1; i < ecken.size(); j = i++) {
        const P& a = ecken[i];
        const P& b = ecken[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            innen = !innen;
    }
    return innen;
}

double RandAbstand(const std::vector<P>& ecken, P p)
{
    double d = 1e9;
    for (size_t i = 0, j = ecken.size() - 1; i < ecken.size(); j = i++)
        d = std::fmin(d, StreckenAbstand(p, ecken[j], ecken[i]));
    return d;
}

// Angle of p around m, 0 = up, clockwise, 0..360.
double Winkel(P m, P p)
{
    double w = std::atan2(p.x - m.x, -(p.y - m.y)) * 180.0 / Pi;
    return w < 0 ? w + 360.0 : w;
}

bool InWinkel(double w, double von, double bis)
{
    double d = std::fmod(w - von, 360.0);
    if (d < 0)
        d += 360.0;
    return d <= bis - von;
}

std::vector<P> Vieleck(int n, double r, double drehung = 0, P m = {0, 0})
{
    std::vector<P> e;
    for (int i = 0; i < n; ++i)
        e.push_back(Polar(m, r, drehung + 360.0 * i / n));
    return e;
}

std::vector<P> Sternform(int n, double ra, double ri, double drehung = 0, P m = {0, 0})
{
    std::vector<P> e;
    for (int i = 0; i < 2 * n; ++i)
        e.push_back(Polar(m, i % 2 ? ri : ra, drehung + 180.0 * i / n));
    return e;
}

std::vector<P> Viereck(double x0, double y0, double x1, double y1) { return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}; }

std::vector<P> Gespiegelt(std::vector<P> e)
{
    for (P& p : e)
        p.x = -p.x;
    return e;
}

// ---------------------------------------------------------------- drawing

// A column of square cells; design coordinates run from -1 to 1 across a
// cell, y downwards.
class CZeichnung {
public:
    CZeichnung(int breite, int hoehe) : m_nBreite(breite), m_nHoehe(hoehe), m_Tinte(size_t(breite) * size_t(hoehe), 0)
    {
    }

    void Zelle(int index)
    {
        m_nOben = index * m_nBreite;
        m_dDrehung = 0;
        m_dSkala = 1;
        m_Mitte = {0, 0};
        m_bTinte = true;
    }
    // Everything drawn afterwards is scaled, turned clockwise and moved.
    void Lage(double skala, double drehung = 0, P mitte = {0, 0})
    {
        m_dSkala = skala;
        m_dDrehung = drehung;
        m_Mitte = mitte;
    }
    void Tinte(bool tinte) { m_bTinte = tinte; }

    void Male(const std::function<bool(P)>& innen)
    {
        const double a = -m_dDrehung * Pi / 180.0;
        const double c = std::cos(a), s = std::sin(a);
        const int seite = m_nBreite;
        for (int y = 0; y < seite && m_nOben + y < m_nHoehe; ++y)
            for (int x = 0; x < seite; ++x) {
                const double u = ((x + 0.5) * 2.0 / seite - 1.0 - m_Mitte.x) / m_dSkala;
                const double v = ((y + 0.5) * 2.0 / seite - 1.0 - m_Mitte.y) / m_dSkala;
                if (innen({u * c - v * s, u * s + v * c}))
                    m_Tinte[size_t(m_nOben + y) * size_t(m_nBreite) + size_t(x)] = m_bTinte;
            }
    }

    // Primitives
    void Scheibe(P m, double r)
    {
        Male([=](P p) { return Abstand(p, m) <= r; });
    }
    void Ring(P m, double r, double t)
    {
        Male([=](P p) {
            const double d = Abstand(p, m);
            return d <= r && d >= r - t;
        });
    }
    // Part of a ring between two directions (0 = up, clockwise).
    void Bogen(P m, double r, double t, double von, double bis)
    {
        Male([=](P p) {
            const double d = Abstand(p, m);
            return d <= r && d >= r - t && InWinkel(Winkel(m, p), von, bis);
        });
    }
    void Sektor(P m, double r, double von, double bis)
    {
        Male([=](P p) { return Abstand(p, m) <= r && InWinkel(Winkel(m, p), von, bis); });
    }
    void Ellipse(P m, double rx, double ry, double drehung = 0)
    {
        Male([=](P p) { return InEllipse(p, m, rx, ry, drehung); });
    }
    void EllipsenRing(P m, double rx, double ry, double t)
    {
        Male([=](P p) { return InEllipse(p, m, rx, ry, 0) && !InEllipse(p, m, rx - t, ry - t, 0); });
    }
    void Flaeche(const std::vector<P>& ecken)
    {
        Male([=](P p) { return InPolygon(ecken, p); });
    }
    // Outline drawn inside the polygon, so corners stay sharp.
    void Umriss(const std::vector<P>& ecken, double t)
    {
        Male([=](P p) { return InPolygon(ecken, p) && RandAbstand(ecken, p) <= t; });
    }
    void Rechteck(double x0, double y0, double x1, double y1) { Flaeche(Viereck(x0, y0, x1, y1)); }
    void Linie(P a, P b, double t)
    {
        Male([=](P p) { return StreckenAbstand(p, a, b) <= t / 2; });
    }
    void Linienzug(const std::vector<P>& punkte, double t)
    {
        Male([=](P p) {
            for (size_t i = 1; i < punkte.size(); ++i)
                if (StreckenAbstand(p, punkte[i - 1], punkte[i]) <= t / 2)
                    return true;
            return false;
        });
    }

    const std::vector<uint8_t>& Pixel() const { return m_Tinte; }
    int Breite() const { return m_nBreite; }
    int Hoehe() const { return m_nHoehe; }

private:
    static bool InEllipse(P p, P m, double rx, double ry, double drehung)
    {
        const double a = -drehung * Pi / 180.0;
        const double dx = p.x - m.x, dy = p.y - m.y;
        const double u = dx * std::cos(a) - dy * std::sin(a);
        const double v = dx * std::sin(a) + dy * std::cos(a);
        return rx > 0 && ry > 0 && (u * u) / (rx * rx) + (v * v) / (ry * ry) <= 1.0;
    }

    int m_nBreite, m_nHoehe;
    std::vector<uint8_t> m_Tinte;
    int m_nOben = 0;
    double m_dDrehung = 0, m_dSkala = 1;
    P m_Mitte{0, 0};
    bool m_bTinte = true;
};

using Symbol = std::function<void(CZeichnung&)>;

// Shapes used by several sets
std::vector<P> Herz(double s, P m = {0, 0})
{
    std::vector<P> e;
    for (int i = 0; i < 120; ++i) {
        const double t = 2 * Pi * i / 120;
        const double x = 16 * std::pow(std::sin(t), 3);
        const double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
        e.push_back({m.x + s * x / 17.0, m.y - s * (y + 2.5) / 17.0});
    }
    return e;
}

// A drop: circle with a point at distance d above its centre.
std::vector<P> Tropfen(P m, double r, double d)
{
    const double w = std::acos(r / d) * 180.0 / Pi;
    std::vector<P> e{{m.x, m.y - d}};
    for (int i = 0; i <= 60; ++i)
        e.push_back(Polar(m, r, w + (360.0 - 2 * w) * i / 60));
    return e;
}

std::vector<P> Dreieck(double drehung, double r = 0.9)
{
    // Centred on its bounding box rather than on its centroid.
    auto e = Vieleck(3, r, drehung);
    const P v = Polar({0, 0}, r / 4, drehung + 180);
    for (P& p : e)
        p = {p.x + v.x, p.y + v.y};
    return e;
}

// ---------------------------------------------------------------- the sets

std::vector<Symbol> Kreise()
{
    const P o{0, 0};
    auto halb = [o](double von) {
        return [=](CZeichnung& z) {
            z.Ring(o, 0.85, 0.1);
            z.Sektor(o, 0.85, von, von + 180);
        };
    };
    auto mund = [o](double richtung) {
        return [=](CZeichnung& z) { z.Sektor(o, 0.85, richtung + 40, richtung + 320); };
    };
    return {
        [o](CZeichnung& z) { z.Scheibe(o, 0.85); },
        [o](CZeichnung& z) { z.Ring(o, 0.85, 0.3); },
        [o](CZeichnung& z) { z.Ring(o, 0.85, 0.1); },
        [o](CZeichnung& z) {
            z.Ring(o, 0.85, 0.12);
            z.Scheibe(o, 0.22);
        },
        [o](CZeichnung& z) {
            z.Ring(o, 0.85, 0.12);
            z.Ring(o, 0.5, 0.12);
        },
        [o](CZeichnung& z) { z.Scheibe(o, 0.45); },
        [o](CZeichnung& z) { z.Ring(o, 0.45, 0.12); },
        [o](CZeichnung& z) {
            z.Scheibe(o, 0.85);
            z.Tinte(false);
            z.Scheibe(o, 0.2);
        },
        halb(180),
        halb(0),
        halb(270),
        halb(90),
        [o](CZeichnung& z) {
            z.Ring(o, 0.85, 0.1);
            z.Sektor(o, 0.85, 270, 360);
        },
        mund(90),
        mund(270),
        mund(0),
        mund(180),
        [o](CZeichnung& z) {
            z.Ring(o, 0.85, 0.12);
            z.Rechteck(-0.8, -0.06, 0.8, 0.06);
        },
        [o](CZeichnung& z) {
            z.Ring(o, 0.85, 0.12);
            z.Rechteck(-0.06, -0.8, 0.06, 0.8);
        },
        [o](CZeichnung& z) {
            z.Ring(o, 0.85, 0.12);
            z.Rechteck(-0.8, -0.06, 0.8, 0.06);
            z.Rechteck(-0.06, -0.8, 0.06, 0.8);
        },
        [o](CZeichnung& z) {
            z.Ring(o, 0.85, 0.12);
            z.Linie({-0.6, -0.6}, {0.6, 0.6}, 0.12);
            z.Linie({-0.6, 0.6}, {0.6, -0.6}, 0.12);
        },
        [o](CZeichnung& z) {
            z.Scheibe(o, 0.85);
            z.Tinte(false);
            z.Scheibe({0.4, 0}, 0.7);
        },
        [o](CZeichnung& z) {
            z.Scheibe(o, 0.85);
            z.Tinte(false);
            z.Scheibe({-0.4, 0}, 0.7);
        },
        [o](CZeichnung& z) { z.Ellipse(o, 0.85, 0.5); },
        [o](CZeichnung& z) { z.Ellipse(o, 0.5, 0.85); },
        [o](CZeichnung& z) { z.EllipsenRing(o, 0.85, 0.5, 0.12); },
        [o](CZeichnung& z) { z.EllipsenRing(o, 0.5, 0.85, 0.12); },
        [](CZeichnung& z) {
            z.Scheibe({-0.45, 0}, 0.38);
            z.Scheibe({0.45, 0}, 0.38);
        },
        [](CZeichnung& z) {
            z.Scheibe({0, -0.45}, 0.38);
            z.Scheibe({0, 0.45}, 0.38);
        },
        [](CZeichnung& z) {
            z.Scheibe({0, -0.45}, 0.36);
            z.Scheibe({-0.47, 0.38}, 0.36);
            z.Scheibe({0.47, 0.38}, 0.36);
        },
        [](CZeichnung& z) {
            for (double x : {-0.45, 0.45})
                for (double y : {-0.45, 0.45})
                    z.Scheibe({x, y}, 0.33);
        },
        [o](CZeichnung& z) {
            z.Ring(o, 0.85, 0.12);
            z.Ring(o, 0.55, 0.12);
            z.Scheibe(o, 0.22);
        },
    };
}

std::vector<Symbol> Dreiecke()
{
    auto voll = [](double d) { return [=](CZeichnung& z) { z.Flaeche(Dreieck(d)); }; };
    auto leer = [](double d) { return [=](CZeichnung& z) { z.Umriss(Dreieck(d), 0.12); }; };
    auto ecke = [](double d) {
        return [=](CZeichnung& z) {
            z.Lage(1, d);
            z.Flaeche({{-0.75, -0.75}, {0.75, -0.75}, {-0.75, 0.75}});
        };
    };
    auto eckeLeer = [](double d) {
        return [=](CZeichnung& z) {
            z.Lage(1, d);
            z.Umriss({{-0.75, -0.75}, {0.75, -0.75}, {-0.75, 0.75}}, 0.12);
        };
    };
    auto halb = [](double links) {
        return [=](CZeichnung& z) {
            z.Umriss(Dreieck(0), 0.1);
            const auto e = Dreieck(0);
            z.Male([=](P p) { return InPolygon(e, p) && (links ? p.x <= 0 : p.x >= 0); });
        };
    };
    return {
        voll(0),
        voll(180),
        voll(270),
        voll(90),
        leer(0),
        leer(180),
        leer(270),
        leer(90),
        ecke(0),
        ecke(90),
        ecke(180),
        ecke(270),
        eckeLeer(0),
        eckeLeer(90),
        eckeLeer(180),
        eckeLeer(270),
        [](CZeichnung& z) {
            z.Umriss(Dreieck(0), 0.12);
            z.Scheibe({0, 0.12}, 0.14);
        },
        [](CZeichnung& z) {
            z.Umriss(Dreieck(180), 0.12);
            z.Scheibe({0, -0.12}, 0.14);
        },
        [](CZeichnung& z) {
            z.Umriss(Dreieck(0), 0.1);
            z.Lage(0.45, 0, {0, 0.08});
            z.Flaeche(Dreieck(0));
        },
        [](CZeichnung& z) {
            z.Umriss(Dreieck(180), 0.1);
            z.Lage(0.45, 0, {0, -0.08});
            z.Flaeche(Dreieck(180));
        },
        [](CZeichnung& z) {
            z.Flaeche({{-0.6, -0.85}, {0.6, -0.85}, {0, 0}});
            z.Flaeche({{-0.6, 0.85}, {0.6, 0.85}, {0, 0}});
        },
        [](CZeichnung& z) {
            z.Flaeche({{-0.85, -0.6}, {-0.85, 0.6}, {0, 0}});
            z.Flaeche({{0.85, -0.6}, {0.85, 0.6}, {0, 0}});
        },
        [](CZeichnung& z) {
            z.Flaeche({{0, -0.9}, {0.35, 0.9}, {-0.35, 0.9}});
        },
        [](CZeichnung& z) {
            z.Flaeche({{0, -0.35}, {0.9, 0.35}, {-0.9, 0.35}});
        },
        halb(true),
        halb(false),
        [](CZeichnung& z) {
            z.Lage(0.5);
            z.Flaeche(Dreieck(0));
        },
        [](CZeichnung& z) {
            z.Lage(0.5);
            z.Flaeche(Dreieck(180));
        },
        [](CZeichnung& z) {
            z.Lage(0.48, 0, {-0.47, 0});
            z.Flaeche(Dreieck(0));
            z.Lage(0.48, 0, {0.47, 0});
            z.Flaeche(Dreieck(0));
        },
        [](CZeichnung& z) {
            const auto e = Dreieck(0);
            z.Flaeche(e);
            z.Tinte(false);
            // Triangle through the midpoints of the sides
            z.Flaeche({{(e[0].x + e[1].x) / 2, (e[0].y + e[1].y) / 2},
                       {(e[1].x + e[2].x) / 2, (e[1].y + e[2].y) / 2},
                       {(e[2].x + e[0].x) / 2, (e[2].y + e[0].y) / 2}});
        },
        [](CZeichnung& z) {
            z.Umriss(Dreieck(0), 0.11);
            z.Rechteck(-0.4, 0.1, 0.4, 0.2);
        },
        [](CZeichnung& z) {
            z.Flaeche({{0, -0.9}, {0.6, -0.06}, {-0.6, -0.06}});
            z.Flaeche({{0, 0.9}, {0.6, 0.06}, {-0.6, 0.06}});
        },
    };
}

std::vector<Symbol> Mehrecke()
{
    struct Form {
        int n;
        double drehung;
        double r;
    };
    const Form formen[] = {{4, 45, 0.95}, {4, 0, 0.9},   {5, 0, 0.9}, {5, 36, 0.9},
                           {6, 0, 0.88},  {6, 30, 0.88}, {7, 0, 0.9}, {8, 22.5, 0.9}};
    std::vector<Symbol> s;
    for (const Form& f : formen) {
        // Odd polygons are moved to the middle of their height.
        const double versatz = f.n % 2 ? (f.drehung == 0 ? 1 : -1) * f.r * (1 - std::cos(Pi / f.n)) / 2 : 0;
        const auto e = Vieleck(f.n, f.r, f.drehung, {0, versatz});
        const auto innen = Vieleck(f.n, f.r * 0.45, f.drehung, {0, versatz});
        s.push_back([=](CZeichnung& z) { z.Flaeche(e); });
        s.push_back([=](CZeichnung& z) { z.Umriss(e, 0.12); });
        s.push_back([=](CZeichnung& z) {
            z.Umriss(e, 0.12);
            z.Scheibe({0, versatz}, 0.2);
        });
        s.push_back([=](CZeichnung& z) {
            z.Flaeche(e);
            z.Tinte(false);
            z.Flaeche(innen);
        });
    }
    return s;
}

std::vector<Symbol> Geometrie()
{
    return {
        [](CZeichnung& z) { z.Rechteck(-0.75, -0.75, 0.75, 0.75); },
        [](CZeichnung& z) { z.Umriss(Viereck(-0.75, -0.75, 0.75, 0.75), 0.12); },
        [](CZeichnung& z) { z.Rechteck(-0.85, -0.45, 0.85, 0.45); },
        [](CZeichnung& z) { z.Rechteck(-0.45, -0.85, 0.45, 0.85); },
        [](CZeichnung& z) { z.Umriss(Viereck(-0.85, -0.45, 0.85, 0.45), 0.12); },
        [](CZeichnung& z) { z.Umriss(Viereck(-0.45, -0.85, 0.45, 0.85), 0.12); },
        [](CZeichnung& z) {
            z.Rechteck(-0.85, -0.25, 0.85, 0.25);
            z.Rechteck(-0.25, -0.85, 0.25, 0.85);
        },
        [](CZeichnung& z) {
            z.Linie({-0.65, -0.65}, {0.65, 0.65}, 0.4);
            z.Linie({-0.65, 0.65}, {0.65, -0.65}, 0.4);
        },
        [](CZeichnung& z) {
            z.Flaeche({{-0.4, -0.6}, {0.9, -0.6}, {0.4, 0.6}, {-0.9, 0.6}});
        },
        [](CZeichnung& z) {
            z.Flaeche(Gespiegelt({{-0.4, -0.6}, {0.9, -0.6}, {0.4, 0.6}, {-0.9, 0.6}}));
        },
        [](CZeichnung& z) {
            z.Flaeche({{-0.45, -0.6}, {0.45, -0.6}, {0.9, 0.6}, {-0.9, 0.6}});
        },
        [](CZeichnung& z) {
            z.Flaeche({{-0.9, -0.6}, {0.9, -0.6}, {0.45, 0.6}, {-0.45, 0.6}});
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.6, -0.85, -0.2, 0.85);
            z.Rechteck(-0.6, 0.45, 0.6, 0.85);
        },
        [](CZeichnung& z) {
            z.Rechteck(0.2, -0.85, 0.6, 0.85);
            z.Rechteck(-0.6, 0.45, 0.6, 0.85);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.85, -0.85, 0.85, -0.45);
            z.Rechteck(-0.2, -0.85, 0.2, 0.85);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.85, 0.45, 0.85, 0.85);
            z.Rechteck(-0.2, -0.85, 0.2, 0.85);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.75, -0.8, 0.75, 0.8);
            z.Tinte(false);
            z.Rechteck(-0.35, -0.8, 0.35, 0.4);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.75, -0.8, 0.75, 0.8);
            z.Tinte(false);
            z.Rechteck(-0.35, -0.4, 0.35, 0.8);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.75, -0.8, -0.35, 0.8);
            z.Rechteck(0.35, -0.8, 0.75, 0.8);
            z.Rechteck(-0.35, -0.18, 0.35, 0.18);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.8, -0.75, 0.8, -0.35);
            z.Rechteck(-0.8, 0.35, 0.8, 0.75);
            z.Rechteck(-0.18, -0.35, 0.18, 0.35);
        },
        [](CZeichnung& z) {
            z.Flaeche({{0, -0.9}, {0.55, -0.3}, {0, 0.9}, {-0.55, -0.3}});
        },
        [](CZeichnung& z) { z.Male([](P p) { return p.y <= 0.35 && std::hypot(p.x, p.y - 0.35) <= 0.85; }); },
        [](CZeichnung& z) { z.Male([](P p) { return p.y >= -0.35 && std::hypot(p.x, p.y + 0.35) <= 0.85; }); },
        [](CZeichnung& z) {
            z.Umriss(Viereck(-0.8, -0.8, 0.8, 0.8), 0.11);
            z.Scheibe({0, 0}, 0.4);
        },
        [](CZeichnung& z) {
            z.Ring({0, 0}, 0.88, 0.11);
            z.Rechteck(-0.38, -0.38, 0.38, 0.38);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.8, -0.8, 0, 0);
            z.Rechteck(0, 0, 0.8, 0.8);
        },
        [](CZeichnung& z) {
            z.Rechteck(0, -0.8, 0.8, 0);
            z.Rechteck(-0.8, 0, 0, 0.8);
        },
        [](CZeichnung& z) {
            z.Flaeche({{-0.8, 0.8},
                       {-0.8, 0.27},
                       {-0.27, 0.27},
                       {-0.27, -0.27},
                       {0.27, -0.27},
                       {0.27, -0.8},
                       {0.8, -0.8},
                       {0.8, 0.8}});
        },
        [](CZeichnung& z) {
            z.Flaeche(Gespiegelt({{-0.8, 0.8},
                                  {-0.8, 0.27},
                                  {-0.27, 0.27},
                                  {-0.27, -0.27},
                                  {0.27, -0.27},
                                  {0.27, -0.8},
                                  {0.8, -0.8},
                                  {0.8, 0.8}}));
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.85, -0.6, 0.3, -0.1);
            z.Rechteck(-0.3, 0.1, 0.85, 0.6);
            z.Rechteck(-0.3, -0.1, 0.3, 0.1);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.3, -0.6, 0.85, -0.1);
            z.Rechteck(-0.85, 0.1, 0.3, 0.6);
            z.Rechteck(-0.3, -0.1, 0.3, 0.1);
        },
        [](CZeichnung& z) {
            z.Umriss(Viereck(-0.8, -0.8, 0.8, 0.8), 0.11);
            z.Flaeche({{-0.8, -0.8}, {0.8, 0.8}, {-0.8, 0.8}});
        },
    };
}

std::vector<Symbol> Sterne()
{
    auto voll = [](int n, double ri, double d = 0) {
        return [=](CZeichnung& z) { z.Flaeche(Sternform(n, 0.92, 0.92 * ri, d)); };
    };
    auto leer = [](int n, double ri, double d = 0) {
        return [=](CZeichnung& z) { z.Umriss(Sternform(n, 0.92, 0.92 * ri, d), 0.1); };
    };
    auto strahlen = [](int n) {
        return [=](CZeichnung& z) {
            for (int i = 0; i < n; ++i)
                z.Linie({0, 0}, Polar({0, 0}, 0.82, 360.0 * i / n), 0.16);
        };
    };
    const P fuenfMitte{0, 0.08}; // five points sit high: move them down
    return {
        [=](CZeichnung& z) { z.Flaeche(Sternform(5, 0.92, 0.37, 0, fuenfMitte)); },
        [=](CZeichnung& z) { z.Umriss(Sternform(5, 0.92, 0.37, 0, fuenfMitte), 0.1); },
        [=](CZeichnung& z) {
            z.Flaeche(Sternform(5, 0.92, 0.37, 36, {0, -0.08}));
        },
        [=](CZeichnung& z) { z.Flaeche(Sternform(5, 0.92, 0.6, 0, fuenfMitte)); },
        [=](CZeichnung& z) { z.Flaeche(Sternform(5, 0.92, 0.22, 0, fuenfMitte)); },
        voll(4, 0.38),
        leer(4, 0.38),
        voll(4, 0.38, 45),
        voll(4, 0.15),
        voll(6, 0.5),
        leer(6, 0.5),
        [](CZeichnung& z) {
            z.Umriss(Vieleck(3, 0.9), 0.1);
            z.Umriss(Vieleck(3, 0.9, 180), 0.1);
        },
        voll(6, 0.25),
        voll(8, 0.5),
        leer(8, 0.5),
        voll(8, 0.3),
        [](CZeichnung& z) {
            z.Flaeche(Sternform(3, 0.92, 0.28, 0, {0, 0.2}));
        },
        [](CZeichnung& z) {
            z.Flaeche(Sternform(3, 0.92, 0.28, 180, {0, -0.2}));
        },
        voll(7, 0.5),
        leer(7, 0.5),
        voll(10, 0.65),
        voll(12, 0.75),
        leer(12, 0.75),
        strahlen(6),
        strahlen(8),
        [=](CZeichnung& z) {
            z.Ring({0, 0}, 0.92, 0.1);
            z.Flaeche(Sternform(5, 0.68, 0.27, 0, {0, 0.05}));
        },
        [=](CZeichnung& z) {
            z.Flaeche(Sternform(5, 0.92, 0.45, 0, fuenfMitte));
            z.Tinte(false);
            z.Scheibe(fuenfMitte, 0.17);
        },
        [=](CZeichnung& z) {
            z.Umriss(Sternform(5, 0.92, 0.42, 0, fuenfMitte), 0.1);
            z.Scheibe(fuenfMitte, 0.14);
        },
        [](CZeichnung& z) {
            z.Flaeche(Sternform(5, 0.47, 0.19, 0, {-0.48, 0.04}));
            z.Flaeche(Sternform(5, 0.47, 0.19, 0, {0.48, 0.04}));
        },
        [](CZeichnung& z) {
            z.Flaeche(Sternform(5, 0.44, 0.18, 0, {0, -0.45}));
            z.Flaeche(Sternform(5, 0.44, 0.18, 0, {-0.47, 0.42}));
            z.Flaeche(Sternform(5, 0.44, 0.18, 0, {0.47, 0.42}));
        },
        [](CZeichnung& z) {
            z.Flaeche(Sternform(6, 0.92, 0.55));
            z.Tinte(false);
            z.Flaeche(Vieleck(6, 0.3, 30));
        },
        [](CZeichnung& z) {
            z.Flaeche(Sternform(4, 0.92, 0.2));
            z.Flaeche(Sternform(4, 0.6, 0.2, 45));
        },
    };
}

std::vector<Symbol> Pfeile()
{
    const std::vector<P> block{{0, -0.88},    {0.58, -0.22},  {0.22, -0.22}, {0.22, 0.88},
                               {-0.22, 0.88}, {-0.22, -0.22}, {-0.58, -0.22}};
    std::vector<Symbol> s;
    for (int i = 0; i < 8; ++i)
        s.push_back([=](CZeichnung& z) {
            z.Lage(1, 45.0 * i);
            z.Flaeche(block);
        });
    for (int i = 0; i < 8; ++i)
        s.push_back([=](CZeichnung& z) {
            z.Lage(1, 45.0 * i);
            z.Umriss(block, 0.1);
        });
    for (int i = 0; i < 8; ++i)
        s.push_back([=](CZeichnung& z) {
            z.Lage(1, 45.0 * i);
            z.Linie({0, 0.82}, {0, -0.78}, 0.13);
            z.Linienzug({{-0.45, -0.33}, {0, -0.8}, {0.45, -0.33}}, 0.13);
        });
    for (int i = 0; i < 8; ++i)
        s.push_back([=](CZeichnung& z) {
            z.Lage(1, 45.0 * i);
            z.Linienzug({{-0.42, 0.05}, {0, -0.6}, {0.42, 0.05}}, 0.2);
            z.Linienzug({{-0.42, 0.6}, {0, -0.05}, {0.42, 0.6}}, 0.2);
        });
    return s;
}

std::vector<Symbol> Gitter()
{
    const double t = 0.08;
    // Square frame from -0.8 to 0.8 with n x n cells.
    auto netz = [t](CZeichnung& z, int n) {
        z.Umriss(Viereck(-0.8, -0.8, 0.8, 0.8), t);
        for (int i = 1; i < n; ++i) {
            const double k = -0.8 + 1.6 * i / n;
            z.Rechteck(k - t / 2, -0.8, k + t / 2, 0.8);
            z.Rechteck(-0.8, k - t / 2, 0.8, k + t / 2);
        }
    };
    auto feld = [](CZeichnung& z, int n, int sp, int ze) {
        const double a = 1.6 / n;
        z.Rechteck(-0.8 + sp * a, -0.8 + ze * a, -0.8 + (sp + 1) * a, -0.8 + (ze + 1) * a);
    };
    auto streifen = [](double richtung, double periode, double anteil) {
        return [=](CZeichnung& z) {
            const double a = richtung * Pi / 180.0;
            z.Male([=](P p) {
                if (std::fabs(p.x) > 0.8 || std::fabs(p.y) > 0.8)
                    return false;
                double u = std::fmod(p.x * std::cos(a) + p.y * std::sin(a) + 10.0, periode);
                return u < periode * anteil;
            });
        };
    };
    auto schach = [feld](int n) {
        return [=](CZeichnung& z) {
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    if ((i + j) % 2 == 0)
                        feld(z, n, i, j);
        };
    };
    auto punkte = [](int n) {
        return [=](CZeichnung& z) {
            const double a = 1.6 / n;
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    z.Scheibe({-0.8 + (i + 0.5) * a, -0.8 + (j + 0.5) * a}, a * 0.3);
        };
    };
    auto neunFelder = [netz, feld](std::vector<int> felder) {
        return [=](CZeichnung& z) {
            netz(z, 3);
            for (int f : felder)
                feld(z, 3, f % 3, f / 3);
        };
    };
    return {
        [netz](CZeichnung& z) { netz(z, 2); },
        [netz](CZeichnung& z) { netz(z, 3); },
        [netz](CZeichnung& z) { netz(z, 4); },
        [t](CZeichnung& z) {
            for (double k : {-0.28, 0.28}) {
                z.Rechteck(k - t, -0.85, k + t, 0.85);
                z.Rechteck(-0.85, k - t, 0.85, k + t);
            }
        },
        streifen(90, 0.32, 0.4),
        streifen(0, 0.32, 0.4),
        streifen(45, 0.34, 0.4),
        streifen(135, 0.34, 0.4),
        [](CZeichnung& z) {
            z.Male([](P p) {
                if (std::fabs(p.x) > 0.8 || std::fabs(p.y) > 0.8)
                    return false;
                const double u = std::fmod(p.x + p.y + 10.0, 0.4), v = std::fmod(p.x - p.y + 10.0, 0.4);
                return u < 0.09 || v < 0.09;
            });
            z.Umriss(Viereck(-0.8, -0.8, 0.8, 0.8), 0.08);
        },
        schach(2),
        schach(3),
        schach(4),
        punkte(3),
        punkte(4),
        punkte(5),
        neunFelder({4}),
        neunFelder({0}),
        neunFelder({0, 4, 8}),
        neunFelder({1, 3, 4, 5, 7}),
        streifen(90, 0.8, 0.5),
        streifen(0, 0.8, 0.5),
        [](CZeichnung& z) {
            const std::vector<P> raute{{0, -0.9}, {0.9, 0}, {0, 0.9}, {-0.9, 0}};
            z.Umriss(raute, 0.08);
            z.Male([=](P p) {
                return InPolygon(raute, p) && (std::fmod(p.x + 10.3, 0.6) < 0.08 || std::fmod(p.y + 10.3, 0.6) < 0.08);
            });
        },
        [](CZeichnung& z) {
            z.Ring({0, 0}, 0.88, 0.08);
            z.Male([](P p) {
                return std::hypot(p.x, p.y) <= 0.85 &&
                       (std::fmod(p.x + 10.29, 0.44) < 0.08 || std::fmod(p.y + 10.29, 0.44) < 0.08);
            });
        },
        [](CZeichnung& z) {
            const auto e = Dreieck(0);
            z.Umriss(e, 0.08);
            z.Male([=](P p) { return InPolygon(e, p) && std::fmod(p.y + 10.0, 0.3) < 0.1; });
        },
        [](CZeichnung& z) {
            for (double r : {0.85, 0.57, 0.29})
                z.Umriss(Viereck(-r, -r, r, r), 0.09);
        },
        [t](CZeichnung& z) {
            z.Umriss(Viereck(-0.85, -0.55, 0.85, 0.55), t);
            z.Rechteck(-0.85, -t / 2, 0.85, t / 2);
            for (double k : {-0.283, 0.283})
                z.Rechteck(k - t / 2, -0.55, k + t / 2, 0.55);
        },
        [](CZeichnung& z) {
            z.Male([](P p) {
                if (std::fabs(p.x) > 0.8 || std::fabs(p.y) > 0.8)
                    return false;
                const double zeile = std::floor((p.y + 0.8) / 0.4);
                const double versatz = std::fmod(zeile, 2.0) * 0.25;
                return std::fmod(p.y + 0.8, 0.4) < 0.08 || std::fmod(p.x + 10.0 + versatz, 0.5) < 0.08;
            });
            z.Umriss(Viereck(-0.8, -0.8, 0.8, 0.8), 0.08);
        },
        [](CZeichnung& z) {
            z.Umriss(Viereck(-0.85, -0.85, 0.85, 0.85), 0.08);
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    z.Scheibe({-0.5 + 0.5 * i, -0.5 + 0.5 * j}, 0.13);
        },
        neunFelder({0, 1, 2, 3, 5, 6, 7, 8}),
        [](CZeichnung& z) {
            z.Rechteck(-0.55, -0.9, -0.4, 0.9);
            z.Rechteck(0.4, -0.9, 0.55, 0.9);
            for (int i = 0; i < 5; ++i)
                z.Rechteck(-0.4, -0.7 + 0.35 * i - 0.05, 0.4, -0.7 + 0.35 * i + 0.05);
        },
        [](CZeichnung& z) {
            for (int i = 0; i < 5; ++i) {
                const double x = -0.72 + 0.36 * i;
                z.Flaeche({{x - 0.1, 0.85}, {x - 0.1, -0.5}, {x, -0.75}, {x + 0.1, -0.5}, {x + 0.1, 0.85}});
            }
            z.Rechteck(-0.9, -0.3, 0.9, -0.18);
            z.Rechteck(-0.9, 0.4, 0.9, 0.52);
        },
        [](CZeichnung& z) {
            for (double y : {-0.55, 0.0, 0.55}) {
                std::vector<P> zug;
                for (int i = 0; i <= 6; ++i)
                    zug.push_back({-0.8 + 1.6 * i / 6, y + (i % 2 ? -0.15 : 0.15)});
                z.Linienzug(zug, 0.12);
            }
        },
    };
}

std::vector<Symbol> SymboleSatz()
{
    const P o{0, 0};
    return {
        [](CZeichnung& z) { z.Flaeche(Herz(0.9)); },
        [](CZeichnung& z) {
            z.Scheibe({0, -0.42}, 0.3);
            z.Scheibe({-0.38, 0.12}, 0.3);
            z.Scheibe({0.38, 0.12}, 0.3);
            z.Scheibe({0, 0}, 0.2);
            z.Flaeche({{0, 0}, {0.25, 0.85}, {-0.25, 0.85}});
        },
        [](CZeichnung& z) {
            auto h = Herz(0.8, {0, -0.12});
            for (P& p : h)
                p.y = -p.y - 0.25;
            z.Flaeche(h);
            z.Flaeche({{0, 0.1}, {0.25, 0.88}, {-0.25, 0.88}});
        },
        [](CZeichnung& z) {
            z.Flaeche({{0, -0.92}, {0.6, 0}, {0, 0.92}, {-0.6, 0}});
        },
        [o](CZeichnung& z) {
            z.Scheibe(o, 0.42);
            for (int i = 0; i < 8; ++i)
                z.Linie(Polar(o, 0.58, 45.0 * i), Polar(o, 0.88, 45.0 * i), 0.13);
        },
        [](CZeichnung& z) {
            z.Scheibe({-0.1, 0}, 0.8);
            z.Tinte(false);
            z.Scheibe({0.28, -0.18}, 0.68);
        },
        [](CZeichnung& z) {
            z.Flaeche(
                {{0.2, -0.9}, {-0.45, 0.08}, {-0.02, 0.08}, {-0.25, 0.9}, {0.5, -0.2}, {0.05, -0.2}, {0.35, -0.9}});
        },
        [](CZeichnung& z) {
            z.Flaeche(Tropfen({0, 0.3}, 0.55, 1.2));
        },
        [](CZeichnung& z) {
            z.Ellipse({-0.25, 0.58}, 0.32, 0.22, -25);
            z.Rechteck(0.0, -0.8, 0.1, 0.55);
            z.Flaeche({{0.1, -0.8}, {0.55, -0.35}, {0.45, -0.2}, {0.1, -0.5}});
        },
        [](CZeichnung& z) {
            z.Ellipse({-0.5, 0.58}, 0.26, 0.18, -25);
            z.Ellipse({0.45, 0.48}, 0.26, 0.18, -25);
            z.Rechteck(-0.33, -0.6, -0.24, 0.55);
            z.Rechteck(0.62, -0.7, 0.71, 0.45);
            z.Flaeche({{-0.33, -0.6}, {0.71, -0.7}, {0.71, -0.5}, {-0.33, -0.4}});
        },
        [](CZeichnung& z) {
            z.Linienzug({{-0.65, 0.0}, {-0.2, 0.5}, {0.7, -0.6}}, 0.22);
        },
        [](CZeichnung& z) {
            z.Linie({-0.6, -0.6}, {0.6, 0.6}, 0.24);
            z.Linie({-0.6, 0.6}, {0.6, -0.6}, 0.24);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.75, -0.4, 0.75, -0.16);
            z.Rechteck(-0.75, 0.16, 0.75, 0.4);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.8, -0.1, 0.8, 0.1);
            z.Scheibe({0, -0.52}, 0.16);
            z.Scheibe({0, 0.52}, 0.16);
        },
        [](CZeichnung& z) {
            std::vector<P> zug;
            for (int i = 0; i <= 200; ++i) {
                const double t = 2 * Pi * i / 200, n = 1 + std::sin(t) * std::sin(t);
                zug.push_back({0.78 * std::cos(t) / n, 0.78 * std::sin(t) * std::cos(t) / n * 1.3});
            }
            z.Linienzug(zug, 0.15);
        },
        [o](CZeichnung& z) {
            z.Ring(o, 0.88, 0.1);
            z.Scheibe({-0.3, -0.25}, 0.11);
            z.Scheibe({0.3, -0.25}, 0.11);
            z.Bogen({0, 0.02}, 0.5, 0.11, 115, 245);
        },
        [o](CZeichnung& z) {
            z.Ring(o, 0.88, 0.1);
            z.Scheibe({-0.3, -0.25}, 0.11);
            z.Scheibe({0.3, -0.25}, 0.11);
            z.Bogen({0, 0.7}, 0.45, 0.11, -50, 50);
        },
        [o](CZeichnung& z) {
            z.Ring(o, 0.88, 0.1);
            for (int i = 0; i < 12; ++i)
                z.Linie(Polar(o, 0.62, 30.0 * i), Polar(o, 0.7, 30.0 * i), 0.07);
            z.Linie(o, {0, -0.52}, 0.1);
            z.Linie(o, {0.36, 0.12}, 0.1);
            z.Scheibe(o, 0.09);
        },
        [o](CZeichnung& z) {
            z.Sektor(o, 0.85, 180, 360);
            z.Scheibe({0, -0.425}, 0.425);
            z.Tinte(false);
            z.Scheibe({0, 0.425}, 0.425);
            z.Scheibe({0, -0.425}, 0.13);
            z.Tinte(true);
            z.Scheibe({0, 0.425}, 0.13);
            z.Ring(o, 0.88, 0.06);
        },
        [o](CZeichnung& z) {
            z.Bogen(o, 0.72, 0.15, 40, 320);
            z.Linie({0, -0.85}, {0, -0.1}, 0.15);
        },
        [](CZeichnung& z) {
            z.Rechteck(-0.5, -0.7, -0.15, 0.7);
            z.Rechteck(0.15, -0.7, 0.5, 0.7);
        },
        [](CZeichnung& z) {
            z.Ring({0, -0.3}, 0.5, 0.13);
            z.Linie({0, 0.18}, {0, 0.9}, 0.13);
            z.Linie({-0.28, 0.56}, {0.28, 0.56}, 0.13);
        },
        [](CZeichnung& z) {
            z.Ring({-0.2, 0.2}, 0.5, 0.13);
            z.Linie({0.14, -0.14}, {0.72, -0.72}, 0.13);
            z.Linienzug({{0.3, -0.75}, {0.75, -0.75}, {0.75, -0.3}}, 0.13);
        },
        [o](CZeichnung& z) {
            for (int i = 0; i < 6; ++i) {
                const double w = 60.0 * i;
                z.Linie(o, Polar(o, 0.88, w), 0.1);
                const P a = Polar(o, 0.5, w);
                z.Linie(a, Polar(a, 0.3, w - 45), 0.09);
                z.Linie(a, Polar(a, 0.3, w + 45), 0.09);
            }
        },
        [o](CZeichnung& z) {
            auto linse = [](double r) {
                return [=](P p) { return std::hypot(p.x, p.y - 0.6) <= r && std::hypot(p.x, p.y + 0.6) <= r; };
            };
            z.Male(linse(1.05));
            z.Tinte(false);
            z.Male(linse(0.93));
            z.Tinte(true);
            z.Scheibe(o, 0.3);
            z.Tinte(false);
            z.Scheibe({0.1, -0.1}, 0.08);
        },
        [o](CZeichnung& z) {
            z.Ring(o, 0.6, 0.1);
            for (int i = 0; i < 4; ++i)
                z.Linie(Polar(o, 0.3, 90.0 * i), Polar(o, 0.88, 90.0 * i), 0.1);
            z.Scheibe(o, 0.1);
        },
        [](CZeichnung& z) {
            const P m{0, 0.6};
            z.Scheibe(m, 0.14);
            for (double r : {0.45, 0.8, 1.15})
                z.Bogen(m, r, 0.14, -45, 45);
        },
        [](CZeichnung& z) {
            z.Bogen({0, -0.38}, 0.45, 0.17, 270, 540);
            z.Rechteck(-0.085, 0.0, 0.085, 0.3);
            z.Scheibe({0, 0.68}, 0.13);
        },
        [](CZeichnung& z) {
            z.Flaeche({{-0.15, -0.85}, {0.15, -0.85}, {0.08, 0.35}, {-0.08, 0.35}});
            z.Scheibe({0, 0.68}, 0.14);
        },
        [](CZeichnung& z) {
            std::vector<P> zug;
            for (int i = 0; i <= 400; ++i) {
                const double w = 5 * Pi * i / 400;
                const double r = 0.04 + 0.8 * i / 400;
                zug.push_back({r * std::sin(w), -r * std::cos(w)});
            }
            z.Linienzug(zug, 0.1);
        },
        [](CZeichnung& z) {
            z.Flaeche({{-0.85, -0.22}, {-0.5, -0.22}, {-0.1, -0.6}, {-0.1, 0.6}, {-0.5, 0.22}, {-0.85, 0.22}});
            z.Bogen({-0.1, 0}, 0.42, 0.11, 45, 135);
            z.Bogen({-0.1, 0}, 0.72, 0.11, 45, 135);
        },
        [](CZeichnung& z) {
            z.Linie({0.55, -0.75}, {-0.55, 0.75}, 0.14);
            z.Ring({-0.45, -0.45}, 0.3, 0.12);
            z.Ring({0.45, 0.45}, 0.3, 0.12);
        },
    };
}

std::vector<Symbol> ObjekteA()
{
    return {
        [](CZeichnung& z) { // house
            z.Rechteck(-0.6, -0.05, 0.6, 0.85);
            z.Flaeche({{-0.85, 0.02}, {0, -0.8}, {0.85, 0.02}});
            z.Rechteck(0.35, -0.75, 0.55, -0.2);
            z.Tinte(false);
            z.Rechteck(-0.15, 0.35, 0.15, 0.85);
            z.Rechteck(-0.45, 0.15, -0.25, 0.4);
            z.Rechteck(0.25, 0.15, 0.45, 0.4);
        },
        [](CZeichnung& z) { // fir tree
            z.Flaeche({{0, -0.9}, {0.4, -0.35}, {-0.4, -0.35}});
            z.Flaeche({{0, -0.6}, {0.6, 0.1}, {-0.6, 0.1}});
            z.Flaeche({{0, -0.3}, {0.8, 0.55}, {-0.8, 0.55}});
            z.Rechteck(-0.12, 0.5, 0.12, 0.88);
        },
        [](CZeichnung& z) { // deciduous tree
            z.Scheibe({0, -0.4}, 0.45);
            z.Scheibe({-0.4, -0.1}, 0.38);
            z.Scheibe({0.4, -0.1}, 0.38);
            z.Scheibe({0, 0.05}, 0.35);
            z.Flaeche({{-0.1, 0.2}, {0.1, 0.2}, {0.16, 0.88}, {-0.16, 0.88}});
        },
        [](CZeichnung& z) { // flower
            const P m{0, -0.35};
            for (int i = 0; i < 5; ++i)
                z.Scheibe(Polar(m, 0.3, 72.0 * i), 0.2);
            z.Linie({0, -0.1}, {0, 0.88}, 0.1);
            z.Ellipse({0.25, 0.45}, 0.25, 0.1, -35);
            z.Ellipse({-0.25, 0.6}, 0.25, 0.1, 35);
            z.Tinte(false);
            z.Ring(m, 0.16, 0.05);
        },
        [](CZeichnung& z) { // leaf
            z.Ellipse({0.05, -0.05}, 0.8, 0.38, -45);
            z.Linie({-0.5, 0.5}, {-0.85, 0.85}, 0.1);
            z.Tinte(false);
            z.Linie({-0.45, 0.45}, {0.45, -0.45}, 0.06);
        },
        [](CZeichnung& z) { // mushroom
            z.Male([](P p) { return p.y <= 0.05 && std::hypot(p.x / 0.85, (p.y - 0.05) / 0.8) <= 1; });
            z.Flaeche({{-0.22, 0.05}, {0.22, 0.05}, {0.28, 0.85}, {-0.28, 0.85}});
            z.Tinte(false);
            z.Scheibe({-0.35, -0.3}, 0.13);
            z.Scheibe({0.3, -0.45}, 0.11);
            z.Scheibe({0.45, -0.1}, 0.08);
            z.Rechteck(-0.85, 0.05, 0.85, 0.1);
        },
        [](CZeichnung& z) { // apple
            z.Scheibe({-0.25, 0.15}, 0.55);
            z.Scheibe({0.25, 0.15}, 0.55);
            z.Linie({0, -0.3}, {0.12, -0.75}, 0.1);
            z.Ellipse({0.35, -0.65}, 0.22, 0.09, -25);
        },
        [](CZeichnung& z) { // pear
            z.Scheibe({0, 0.4}, 0.45);
            z.Scheibe({0, -0.25}, 0.27);
            z.Flaeche({{-0.27, -0.25}, {0.27, -0.25}, {0.44, 0.35}, {-0.44, 0.35}});
            z.Linie({0, -0.5}, {0.05, -0.85}, 0.08);
        },
        [](CZeichnung& z) { // cherries
            z.Scheibe({-0.4, 0.5}, 0.28);
            z.Scheibe({0.38, 0.55}, 0.28);
            z.Linienzug({{-0.4, 0.3}, {-0.2, -0.2}, {0.05, -0.75}}, 0.07);
            z.Linienzug({{0.38, 0.35}, {0.25, -0.2}, {0.05, -0.75}}, 0.07);
            z.Ellipse({0.35, -0.7}, 0.28, 0.1, -15);
        },
        [](CZeichnung& z) { // fish
            z.Ellipse({-0.15, 0}, 0.62, 0.38);
            z.Flaeche({{0.35, 0}, {0.88, -0.42}, {0.88, 0.42}});
            z.Tinte(false);
            z.Scheibe({-0.45, -0.08}, 0.07);
            z.Bogen({-0.75, 0}, 0.5, 0.05, 60, 120);
        },
        [](CZeichnung& z) { // bird
            z.Ellipse({-0.05, 0.15}, 0.55, 0.35);
            z.Scheibe({0.45, -0.3}, 0.25);
            z.Flaeche({{0.65, -0.4}, {0.92, -0.3}, {0.65, -0.2}});
            z.Flaeche({{-0.45, 0.05}, {-0.9, -0.25}, {-0.8, 0.2}});
            z.Linie({-0.1, 0.45}, {-0.15, 0.85}, 0.07);
            z.Linie({0.15, 0.45}, {0.15, 0.85}, 0.07);
            z.Tinte(false);
            z.Scheibe({0.5, -0.35}, 0.06);
            z.Bogen({-0.1, -0.1}, 0.35, 0.06, 100, 200);
        },
        [](CZeichnung& z) { // cat
            z.Scheibe({0, 0.15}, 0.68);
            z.Flaeche({{-0.65, -0.05}, {-0.6, -0.88}, {-0.1, -0.45}});
            z.Flaeche(Gespiegelt({{-0.65, -0.05}, {-0.6, -0.88}, {-0.1, -0.45}}));
            z.Tinte(false);
            z.Ellipse({-0.27, -0.02}, 0.09, 0.15);
            z.Ellipse({0.27, -0.02}, 0.09, 0.15);
            z.Flaeche({{-0.09, 0.25}, {0.09, 0.25}, {0, 0.35}});
            for (double s : {-1.0, 1.0}) {
                z.Linie({s * 0.18, 0.38}, {s * 0.6, 0.3}, 0.04);
                z.Linie({s * 0.18, 0.45}, {s * 0.6, 0.52}, 0.04);
            }
        },
        [](CZeichnung& z) { // snail
            z.Flaeche({{-0.9, 0.72}, {-0.7, 0.45}, {0.6, 0.45}, {0.75, 0.1}, {0.9, 0.2}, {0.85, 0.72}});
            z.Linie({0.72, 0.15}, {0.6, -0.35}, 0.06);
            z.Linie({0.8, 0.15}, {0.9, -0.3}, 0.06);
            z.Scheibe({-0.1, -0.05}, 0.55);
            z.Tinte(false);
            std::vector<P> zug;
            for (int i = 0; i <= 200; ++i) {
                const double w = 4 * Pi * i / 200, r = 0.04 + 0.42 * i / 200;
                zug.push_back({-0.1 + r * std::sin(w), -0.05 - r * std::cos(w)});
            }
            z.Linienzug(zug, 0.06);
        },
        [](CZeichnung& z) { // key
            z.Ring({-0.5, 0}, 0.34, 0.14);
            z.Rechteck(-0.18, -0.07, 0.88, 0.07);
            z.Rechteck(0.55, 0.07, 0.65, 0.35);
            z.Rechteck(0.75, 0.07, 0.85, 0.28);
        },
        [](CZeichnung& z) { // padlock
            z.Rechteck(-0.6, -0.1, 0.6, 0.85);
            z.Bogen({0, -0.15}, 0.45, 0.14, 270, 450);
            z.Rechteck(-0.45, -0.15, -0.31, -0.1);
            z.Rechteck(0.31, -0.15, 0.45, -0.1);
            z.Tinte(false);
            z.Scheibe({0, 0.3}, 0.12);
            z.Flaeche({{-0.06, 0.3}, {0.06, 0.3}, {0.1, 0.6}, {-0.1, 0.6}});
        },
        [](CZeichnung& z) { // bell
            z.Male([](P p) { return p.y <= -0.2 && std::hypot(p.x, p.y + 0.2) <= 0.45; });
            z.Flaeche({{-0.45, -0.2}, {0.45, -0.2}, {0.65, 0.45}, {-0.65, 0.45}});
            z.Rechteck(-0.8, 0.42, 0.8, 0.56);
            z.Scheibe({0, 0.7}, 0.15);
            z.Scheibe({0, -0.72}, 0.12);
        },
        [](CZeichnung& z) { // cup
            z.Flaeche({{-0.65, -0.4}, {0.4, -0.4}, {0.3, 0.55}, {-0.55, 0.55}});
            z.Bogen({0.42, 0.0}, 0.35, 0.12, 0, 180);
            z.Ellipse({-0.12, 0.68}, 0.75, 0.1);
            z.Linienzug({{-0.35, -0.55}, {-0.25, -0.7}, {-0.35, -0.88}}, 0.06);
            z.Linienzug({{-0.05, -0.55}, {0.05, -0.7}, {-0.05, -0.88}}, 0.06);
        },
        [](CZeichnung& z) { // wine glass
            z.Male([](P p) { return p.y >= -0.8 && std::hypot(p.x / 0.5, (p.y + 0.35) / 0.5) <= 1; });
            z.Rechteck(-0.05, 0.05, 0.05, 0.72);
            z.Ellipse({0, 0.76}, 0.38, 0.09);
            z.Tinte(false);
            z.Male(
                [](P p) { return p.y >= -0.7 && p.y <= -0.45 && std::hypot(p.x / 0.5, (p.y + 0.35) / 0.5) <= 0.85; });
        },
        [](CZeichnung& z) { // bottle
            z.Rechteck(-0.32, -0.2, 0.32, 0.88);
            z.Flaeche({{-0.32, -0.2}, {-0.12, -0.5}, {0.12, -0.5}, {0.32, -0.2}});
            z.Rechteck(-0.12, -0.9, 0.12, -0.45);
            z.Tinte(false);
            z.Rechteck(-0.32, 0.15, 0.32, 0.5);
            z.Rechteck(-0.12, -0.78, 0.12, -0.74);
        },
        [](CZeichnung& z) { // umbrella
            z.Male([](P p) { return p.y <= 0.05 && std::hypot(p.x, p.y - 0.05) <= 0.85; });
            z.Tinte(false);
            for (double x : {-0.57, 0.0, 0.57})
                z.Scheibe({x, 0.12}, 0.29);
            z.Tinte(true);
            z.Linie({0, -0.85}, {0, 0.68}, 0.1);
            z.Bogen({-0.17, 0.68}, 0.22, 0.1, 90, 270);
        },
        [](CZeichnung& z) { // flag
            z.Linie({-0.65, -0.85}, {-0.65, 0.88}, 0.12);
            std::vector<P> e;
            for (int i = 0; i <= 20; ++i)
                e.push_back({-0.6 + 1.45 * i / 20, -0.82 + 0.08 * std::sin(2 * Pi * i / 20)});
            for (int i = 20; i >= 0; --i)
                e.push_back({-0.6 + 1.45 * i / 20, -0.12 + 0.08 * std::sin(2 * Pi * i / 20)});
            z.Flaeche(e);
        },
        [](CZeichnung& z) { // sailing boat
            z.Flaeche({{-0.85, 0.4}, {0.85, 0.4}, {0.55, 0.72}, {-0.55, 0.72}});
            z.Linie({0, -0.88}, {0, 0.4}, 0.07);
            z.Flaeche({{0.08, -0.85}, {0.08, 0.3}, {0.7, 0.3}});
            z.Flaeche({{-0.08, -0.55}, {-0.08, 0.3}, {-0.55, 0.3}});
            z.Linienzug({{-0.9, 0.85}, {-0.6, 0.8}, {-0.3, 0.85}, {0, 0.8}, {0.3, 0.85}, {0.6, 0.8}, {0.9, 0.85}},
                        0.05);
        },
        [](CZeichnung& z) { // car
            z.Rechteck(-0.88, -0.05, 0.88, 0.4);
            z.Flaeche({{-0.5, 0}, {-0.32, -0.42}, {0.3, -0.42}, {0.55, 0}});
            z.Tinte(false);
            z.Flaeche({{-0.38, -0.04}, {-0.26, -0.32}, {-0.04, -0.32}, {-0.04, -0.04}});
            z.Flaeche({{0.04, -0.04}, {0.04, -0.32}, {0.25, -0.32}, {0.41, -0.04}});
            z.Scheibe({-0.48, 0.42}, 0.3);
            z.Scheibe({0.48, 0.42}, 0.3);
            z.Tinte(true);
            z.Scheibe({-0.48, 0.42}, 0.23);
            z.Scheibe({0.48, 0.42}, 0.23);
            z.Tinte(false);
            z.Scheibe({-0.48, 0.42}, 0.07);
            z.Scheibe({0.48, 0.42}, 0.07);
        },
        [](CZeichnung& z) { // bicycle
            const P hinten{-0.52, 0.3}, vorn{0.52, 0.3}, tretlager{-0.05, 0.3};
            const P sattel{-0.22, -0.3}, lenker{0.33, -0.3};
            z.Ring(hinten, 0.36, 0.08);
            z.Ring(vorn, 0.36, 0.08);
            z.Linienzug({hinten, tretlager, sattel, hinten}, 0.08);
            z.Linienzug({tretlager, lenker, sattel}, 0.08);
            z.Linienzug({vorn, lenker, {0.3, -0.48}, {0.45, -0.5}}, 0.08);
            z.Rechteck(-0.38, -0.42, -0.08, -0.32);
        },
        [](CZeichnung& z) { // aeroplane
            z.Ellipse({0, 0}, 0.88, 0.13);
            z.Flaeche({{-0.15, 0}, {0.2, 0}, {-0.15, -0.8}, {-0.35, -0.8}});
            z.Flaeche({{-0.15, 0}, {0.2, 0}, {-0.15, 0.8}, {-0.35, 0.8}});
            z.Flaeche({{-0.62, 0}, {-0.75, -0.35}, {-0.88, -0.35}, {-0.82, 0}});
            z.Flaeche({{-0.62, 0}, {-0.75, 0.35}, {-0.88, 0.35}, {-0.82, 0}});
        },
        [](CZeichnung& z) { // rocket
            z.Flaeche({{0, -0.9}, {0.25, -0.5}, {0.25, 0.45}, {-0.25, 0.45}, {-0.25, -0.5}});
            z.Flaeche({{0.25, 0.05}, {0.5, 0.6}, {0.25, 0.45}});
            z.Flaeche({{-0.25, 0.05}, {-0.5, 0.6}, {-0.25, 0.45}});
            z.Flaeche({{-0.15, 0.55}, {0.15, 0.55}, {0, 0.9}});
            z.Tinte(false);
            z.Scheibe({0, -0.2}, 0.11);
        },
        [](CZeichnung& z) { // tent
            z.Flaeche({{-0.88, 0.75}, {0, -0.7}, {0.88, 0.75}});
            z.Linie({0, -0.7}, {0, -0.9}, 0.06);
            z.Tinte(false);
            z.Flaeche({{-0.28, 0.75}, {0, 0.15}, {0.28, 0.75}});
        },
        [](CZeichnung& z) { // snowman
            z.Scheibe({0, 0.45}, 0.42);
            z.Tinte(false);
            z.Scheibe({0, -0.15}, 0.35);
            z.Tinte(true);
            z.Scheibe({0, -0.15}, 0.3);
            z.Tinte(false);
            z.Scheibe({0, -0.6}, 0.25);
            z.Tinte(true);
            z.Scheibe({0, -0.6}, 0.2);
            z.Rechteck(-0.15, -0.92, 0.15, -0.72);
            z.Rechteck(-0.25, -0.75, 0.25, -0.7);
            z.Tinte(false);
            z.Scheibe({0, -0.15}, 0.06);
            z.Scheibe({0, 0.3}, 0.06);
            z.Scheibe({0, 0.55}, 0.06);
        },
        [](CZeichnung& z) { // candle
            z.Rechteck(-0.2, -0.25, 0.2, 0.88);
            z.Linie({0, -0.25}, {0, -0.38}, 0.05);
            z.Flaeche(Tropfen({0, -0.5}, 0.12, 0.4));
            z.Tinte(false);
            z.Rechteck(-0.2, 0.65, 0.2, 0.7);
        },
        [](CZeichnung& z) { // table lamp
            z.Flaeche({{-0.35, -0.75}, {0.35, -0.75}, {0.62, -0.15}, {-0.62, -0.15}});
            z.Rechteck(-0.06, -0.15, 0.06, 0.65);
            z.Ellipse({0, 0.72}, 0.45, 0.13);
            z.Linie({0.3, -0.15}, {0.3, 0.15}, 0.04);
            z.Scheibe({0.3, 0.18}, 0.05);
        },
        [](CZeichnung& z) { // chair
            z.Rechteck(-0.5, 0.02, 0.5, 0.16);
            z.Rechteck(-0.5, -0.88, -0.37, 0.16);
            z.Rechteck(-0.37, -0.7, 0.0, -0.6);
            z.Rechteck(-0.37, -0.45, 0.0, -0.35);
            z.Linie({-0.43, 0.16}, {-0.5, 0.88}, 0.11);
            z.Linie({0.43, 0.16}, {0.5, 0.88}, 0.11);
        },
        [](CZeichnung& z) { // hot-air balloon
            z.Scheibe({0, -0.35}, 0.55);
            z.Flaeche({{-0.52, -0.2}, {0.52, -0.2}, {0.15, 0.38}, {-0.15, 0.38}});
            z.Linie({-0.13, 0.38}, {-0.13, 0.6}, 0.04);
            z.Linie({0.13, 0.38}, {0.13, 0.6}, 0.04);
            z.Rechteck(-0.18, 0.58, 0.18, 0.85);
            z.Tinte(false);
            z.EllipsenRing({0, -0.35}, 0.26, 0.56, 0.06);
            z.Rechteck(-0.03, -0.9, 0.03, 0.3);
        },
    };
}

std::vector<Symbol> ObjekteB()
{
    return {
        [](CZeichnung& z) { // hat
            z.Ellipse({0, 0.38}, 0.88, 0.16);
            z.Flaeche({{-0.45, 0.38}, {-0.4, -0.55}, {0.4, -0.55}, {0.45, 0.38}});
            z.Tinte(false);
            z.Rechteck(-0.44, 0.1, 0.44, 0.2);
        },
        [](CZeichnung& z) { // shirt
            z.Flaeche({{-0.3, -0.75},
                       {-0.1, -0.6},
                       {0.1, -0.6},
                       {0.3, -0.75},
                       {0.88, -0.4},
                       {0.68, -0.05},
                       {0.45, -0.2},
                       {0.45, 0.82},
                       {-0.45, 0.82},
                       {-0.45, -0.2},
                       {-0.68, -0.05},
                       {-0.88, -0.4}});
        },
        [](CZeichnung& z) { // trousers
            z.Flaeche({{-0.5, -0.85}, {0.5, -0.85}, {0.6, 0.88}, {0.15, 0.88}, {0, -0.2}, {-0.15, 0.88}, {-0.6, 0.88}});
            z.Tinte(false);
            z.Rechteck(-0.5, -0.7, 0.5, -0.65);
        },
        [](CZeichnung& z) { // boot
            z.Flaeche({{-0.45, -0.85}, {0.1, -0.85}, {0.1, 0.2}, {0.7, 0.35}, {0.85, 0.55}, {0.85, 0.8}, {-0.45, 0.8}});
            z.Tinte(false);
            z.Rechteck(-0.45, 0.6, 0.85, 0.65);
            z.Rechteck(-0.45, -0.7, 0.1, -0.64);
        },
        [](CZeichnung& z) { // glasses
            z.Ring({-0.45, 0.05}, 0.32, 0.1);
            z.Ring({0.45, 0.05}, 0.32, 0.1);
            z.Bogen({0, 0.05}, 0.2, 0.08, 300, 420);
            z.Linie({-0.77, 0.0}, {-0.9, -0.3}, 0.08);
            z.Linie({0.77, 0.0}, {0.9, -0.3}, 0.08);
        },
        [](CZeichnung& z) { // scissors
            z.Ring({-0.32, 0.55}, 0.24, 0.1);
            z.Ring({0.32, 0.55}, 0.24, 0.1);
            z.Flaeche({{-0.2, 0.36}, {-0.08, 0.36}, {0.28, -0.88}, {0.12, -0.6}});
            z.Flaeche({{0.2, 0.36}, {0.08, 0.36}, {-0.28, -0.88}, {-0.12, -0.6}});
            z.Tinte(false);
            z.Scheibe({0, 0.0}, 0.04);
        },
        [](CZeichnung& z) { // hammer
            z.Rechteck(-0.08, -0.45, 0.08, 0.88);
            z.Rechteck(-0.55, -0.8, 0.6, -0.45);
            z.Rechteck(-0.75, -0.88, -0.55, -0.37);
        },
        [](CZeichnung& z) { // pencil
            z.Lage(1, -45);
            z.Rechteck(-0.85, -0.16, 0.4, 0.16);
            z.Flaeche({{0.47, -0.16}, {0.88, 0}, {0.47, 0.16}});
            z.Tinte(false);
            z.Rechteck(-0.62, -0.16, -0.57, 0.16);
            z.Rechteck(-0.57, -0.03, 0.4, 0.03);
        },
        [](CZeichnung& z) { // open book
            z.Flaeche({{-0.88, -0.5}, {-0.04, -0.35}, {-0.04, 0.65}, {-0.88, 0.5}});
            z.Flaeche({{0.88, -0.5}, {0.04, -0.35}, {0.04, 0.65}, {0.88, 0.5}});
            z.Tinte(false);
            for (int i = 0; i < 4; ++i) {
                const double y = -0.2 + 0.2 * i;
                z.Linie({-0.75, y - 0.05}, {-0.15, y + 0.06}, 0.05);
                z.Linie({0.75, y - 0.05}, {0.15, y + 0.06}, 0.05);
            }
        },
        [](CZeichnung& z) { // envelope
            z.Umriss(Viereck(-0.85, -0.55, 0.85, 0.55), 0.1);
            z.Linienzug({{-0.82, -0.52}, {0, 0.1}, {0.82, -0.52}}, 0.1);
        },
        [](CZeichnung& z) { // light bulb
            z.Scheibe({0, -0.3}, 0.52);
            z.Flaeche({{-0.32, 0.0}, {0.32, 0.0}, {0.22, 0.42}, {-0.22, 0.42}});
            z.Rechteck(-0.22, 0.46, 0.22, 0.56);
            z.Rechteck(-0.22, 0.6, 0.22, 0.7);
            z.Scheibe({0, 0.76}, 0.11);
            z.Tinte(false);
            z.Bogen({0, -0.3}, 0.38, 0.07, 280, 340);
        },
        [](CZeichnung& z) { // crown
            z.Flaeche({{-0.8, 0.55}, {-0.8, -0.4}, {-0.4, 0.0}, {0, -0.6}, {0.4, 0.0}, {0.8, -0.4}, {0.8, 0.55}});
            z.Scheibe({-0.8, -0.45}, 0.1);
            z.Scheibe({0, -0.65}, 0.1);
            z.Scheibe({0.8, -0.45}, 0.1);
            z.Tinte(false);
            z.Rechteck(-0.8, 0.3, 0.8, 0.36);
        },
        [](CZeichnung& z) { // bucket
            z.Flaeche({{-0.58, -0.3}, {0.58, -0.3}, {0.42, 0.82}, {-0.42, 0.82}});
            z.Bogen({0, -0.3}, 0.58, 0.07, 270, 450);
            z.Tinte(false);
            z.Rechteck(-0.6, -0.18, 0.6, -0.13);
        },
        [](CZeichnung& z) { // ladder
            z.Rechteck(-0.45, -0.9, -0.32, 0.9);
            z.Rechteck(0.32, -0.9, 0.45, 0.9);
            for (int i = 0; i < 5; ++i)
                z.Rechteck(-0.32, -0.68 + 0.34 * i - 0.05, 0.32, -0.68 + 0.34 * i + 0.05);
        },
        [](CZeichnung& z) { // door
            z.Rechteck(-0.5, -0.88, 0.5, 0.88);
            z.Tinte(false);
            z.Umriss(Viereck(-0.35, -0.72, 0.35, -0.1), 0.06);
            z.Umriss(Viereck(-0.35, 0.05, 0.35, 0.72), 0.06);
            z.Scheibe({0.38, 0.0}, 0.06);
        },
        [](CZeichnung& z) { // arched window
            z.Rechteck(-0.6, -0.3, 0.6, 0.85);
            z.Scheibe({0, -0.3}, 0.6);
            z.Tinte(false);
            z.Male([](P p) {
                const bool glas = (p.y > -0.3 ? std::fabs(p.x) < 0.48 && p.y < 0.73
                                              : std::hypot(p.x, p.y + 0.3) < 0.48);
                return glas && std::fabs(p.x) > 0.05 && std::fabs(p.y - 0.2) > 0.05;
            });
        },
        [](CZeichnung& z) { // table
            z.Rechteck(-0.88, -0.25, 0.88, -0.08);
            z.Rechteck(-0.75, -0.08, -0.62, 0.8);
            z.Rechteck(0.62, -0.08, 0.75, 0.8);
            z.Rechteck(-0.62, 0.1, 0.62, 0.18);
        },
        [](CZeichnung& z) { // bed
            z.Rechteck(-0.88, -0.5, -0.74, 0.75);
            z.Rechteck(0.74, -0.1, 0.88, 0.75);
            z.Rechteck(-0.74, 0.2, 0.74, 0.45);
            z.Ellipse({-0.5, 0.05}, 0.2, 0.11);
            z.Flaeche({{-0.25, 0.2}, {-0.2, -0.05}, {0.74, -0.05}, {0.74, 0.2}});
        },
        [](CZeichnung& z) { // mobile phone
            z.Flaeche(Viereck(-0.38, -0.85, 0.38, 0.85));
            z.Tinte(false);
            z.Rechteck(-0.3, -0.65, 0.3, 0.5);
            z.Scheibe({0, 0.68}, 0.09);
            z.Rechteck(-0.1, -0.77, 0.1, -0.73);
            z.Male([](P p) {
                return std::fabs(p.x) > 0.3 && std::fabs(p.y) > 0.77 &&
                       std::hypot(std::fabs(p.x) - 0.3, std::fabs(p.y) - 0.77) > 0.08;
            });
        },
        [](CZeichnung& z) { // balloon
            z.Ellipse({0, -0.35}, 0.48, 0.55);
            z.Flaeche({{0, 0.15}, {0.1, 0.28}, {-0.1, 0.28}});
            std::vector<P> zug;
            for (int i = 0; i <= 40; ++i) {
                const double t = double(i) / 40;
                zug.push_back({0.1 * std::sin(t * 3 * Pi), 0.25 + 0.65 * t});
            }
            z.Linienzug(zug, 0.05);
            z.Tinte(false);
            z.Ellipse({-0.2, -0.6}, 0.08, 0.15, 30);
        },
        [](CZeichnung& z) { // kite
            const std::vector<P> e{{0.2, -0.88}, {0.65, -0.35}, {0.2, 0.3}, {-0.25, -0.35}};
            z.Flaeche(e);
            std::vector<P> zug;
            for (int i = 0; i <= 40; ++i) {
                const double t = double(i) / 40;
                zug.push_back({0.2 - 0.7 * t + 0.05 * std::sin(t * 4 * Pi), 0.3 + 0.58 * t});
            }
            z.Linienzug(zug, 0.05);
            for (double t : {0.3, 0.65}) {
                const P m{0.2 - 0.7 * t, 0.3 + 0.58 * t};
                z.Flaeche({m, {m.x - 0.1, m.y - 0.1}, {m.x - 0.1, m.y + 0.1}});
                z.Flaeche({m, {m.x + 0.1, m.y - 0.1}, {m.x + 0.1, m.y + 0.1}});
            }
            z.Tinte(false);
            z.Linie(e[0], e[2], 0.05);
            z.Linie(e[1], e[3], 0.05);
        },
        [](CZeichnung& z) { // axe
            z.Linie({-0.55, 0.85}, {0.35, -0.7}, 0.14);
            z.Flaeche({{0.05, -0.65}, {0.3, -0.85}, {0.85, -0.3}, {0.6, -0.05}, {0.4, -0.3}});
        },
        [](CZeichnung& z) { // shovel
            z.Rechteck(-0.06, -0.75, 0.06, 0.1);
            z.Linie({-0.25, -0.82}, {0.25, -0.82}, 0.12);
            z.Flaeche({{-0.38, 0.05}, {0.38, 0.05}, {0.38, 0.5}, {0, 0.88}, {-0.38, 0.5}});
        },
        [](CZeichnung& z) { // teapot
            z.Ellipse({-0.05, 0.25}, 0.55, 0.45);
            z.Male([](P p) { return p.y <= -0.15 && std::hypot(p.x + 0.05, (p.y + 0.15) / 0.7) <= 0.3; });
            z.Scheibe({-0.05, -0.42}, 0.08);
            z.Flaeche({{0.4, 0.15}, {0.45, 0.45}, {0.92, -0.25}, {0.82, -0.3}});
            z.Bogen({-0.5, 0.25}, 0.34, 0.11, 180, 360);
        },
        [](CZeichnung& z) { // fork
            z.Rechteck(-0.06, 0.0, 0.06, 0.88);
            z.Rechteck(-0.32, -0.3, 0.32, -0.12);
            z.Male([](P p) { return p.y >= -0.12 && std::hypot(p.x / 0.32, (p.y + 0.12) / 0.2) <= 1.0; });
            for (int i = 0; i < 4; ++i) {
                const double x = -0.28 + 0.187 * i;
                z.Rechteck(x - 0.04, -0.88, x + 0.04, -0.2);
            }
        },
        [](CZeichnung& z) { // spoon
            z.Ellipse({0, -0.5}, 0.27, 0.38);
            z.Flaeche({{-0.05, -0.15}, {0.05, -0.15}, {0.09, 0.88}, {-0.09, 0.88}});
        },
        [](CZeichnung& z) { // knife
            z.Flaeche({{-0.12, -0.1}, {-0.12, -0.75}, {0.0, -0.9}, {0.12, -0.6}, {0.12, -0.1}});
            z.Rechteck(-0.14, -0.08, 0.14, 0.88);
            z.Tinte(false);
            z.Scheibe({0, 0.25}, 0.04);
            z.Scheibe({0, 0.55}, 0.04);
        },
        [](CZeichnung& z) { // beach ball
            z.Ring({0, 0}, 0.85, 0.1);
            for (int i = 0; i < 3; ++i)
                z.Sektor({0, 0}, 0.85, 120.0 * i, 120.0 * i + 60);
            z.Scheibe({0, 0}, 0.15);
        },
        [](CZeichnung& z) { // parcel with bow
            z.Rechteck(-0.65, -0.25, 0.65, 0.85);
            z.Rechteck(-0.78, -0.48, 0.78, -0.25);
            z.Ring({-0.25, -0.66}, 0.2, 0.08);
            z.Ring({0.25, -0.66}, 0.2, 0.08);
            z.Tinte(false);
            z.Rechteck(-0.1, -0.48, 0.1, 0.85);
            z.Rechteck(-0.65, -0.25, 0.65, -0.2);
        },
        [](CZeichnung& z) { // camera
            z.Rechteck(-0.88, -0.4, 0.88, 0.6);
            z.Rechteck(-0.35, -0.6, 0.15, -0.38);
            z.Tinte(false);
            z.Scheibe({0, 0.1}, 0.38);
            z.Rechteck(0.5, -0.3, 0.75, -0.15);
            z.Tinte(true);
            z.Scheibe({0, 0.1}, 0.27);
            z.Tinte(false);
            z.Scheibe({-0.08, 0.02}, 0.08);
        },
        [](CZeichnung& z) { // television
            z.Umriss(Viereck(-0.85, -0.5, 0.85, 0.55), 0.12);
            z.Linie({0, -0.5}, {-0.4, -0.9}, 0.06);
            z.Linie({0, -0.5}, {0.4, -0.9}, 0.06);
            z.Flaeche({{-0.5, 0.55}, {-0.3, 0.55}, {-0.4, 0.85}, {-0.6, 0.85}});
            z.Flaeche({{0.5, 0.55}, {0.3, 0.55}, {0.4, 0.85}, {0.6, 0.85}});
        },
        [](CZeichnung& z) { // magnifying glass
            z.Ring({-0.18, -0.18}, 0.52, 0.13);
            z.Linie({0.22, 0.22}, {0.75, 0.75}, 0.22);
            z.Tinte(false);
            z.Bogen({-0.18, -0.18}, 0.32, 0.06, 280, 340);
        },
    };
}

// ---------------------------------------------------------------- output

bool SchreibeSatz(const std::filesystem::path& ordner, const char* name, const std::vector<Symbol>& symbole)
{
    if (symbole.size() != SymboleProSatz) {
        std::fprintf(stderr, "%s: %zu Symbole statt %d\n", name, symbole.size(), SymboleProSatz);
        return false;
    }
    CZeichnung z(Symbolgroesse, Symbolgroesse * SymboleProSatz);
    for (int i = 0; i < SymboleProSatz; ++i) {
        z.Zelle(i);
        symbole[size_t(i)](z);
    }
    return SchreibeBmp(ordner / name, z.Breite(), z.Hoehe(), z.Pixel());
}

bool SchreibePfeil(const std::filesystem::path& ordner, const char* name, bool rechts)
{
    CZeichnung z(Symbolgroesse, Symbolgroesse);
    z.Zelle(0);
    std::vector<P> e{{0.96, 0}, {0.2, -0.72}, {0.2, -0.28}, {-0.96, -0.28}, {-0.96, 0.28}, {0.2, 0.28}, {0.2, 0.72}};
    z.Flaeche(rechts ? e : Gespiegelt(e));
    return SchreibeBmp(ordner / name, z.Breite(), z.Hoehe(), z.Pixel());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s <Zielordner>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path ordner = argv[1];
    std::error_code fehler;
    std::filesystem::create_directories(ordner, fehler);

    bool gut = SchreibeSatz(ordner, "kreise.bmp", Kreise()) && SchreibeSatz(ordner, "dreiecke.bmp", Dreiecke()) &&
               SchreibeSatz(ordner, "mehrecke.bmp", Mehrecke()) && SchreibeSatz(ordner, "geometr.bmp", Geometrie()) &&
               SchreibeSatz(ordner, "sterne.bmp", Sterne()) && SchreibeSatz(ordner, "pfeile.bmp", Pfeile()) &&
               SchreibeSatz(ordner, "gitter.bmp", Gitter()) && SchreibeSatz(ordner, "symbole.bmp", SymboleSatz()) &&
               SchreibeSatz(ordner, "objekteA.bmp", ObjekteA()) && SchreibeSatz(ordner, "objekteB.bmp", ObjekteB()) &&
               SchreibePfeil(ordner, "pfeilr.bmp", true) && SchreibePfeil(ordner, "pfeill.bmp", false);
    if (!gut) {
        std::fprintf(stderr, "Bilder konnten nicht nach %s geschrieben werden.\n", argv[1]);
        return 1;
    }
    return 0;
}
