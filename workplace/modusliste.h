#pragma once

#include <cstdint>
#include <vector>

// The display modes a presentation may ask for, in ascending order of
// width, height, colour depth and refresh rate, none twice. A refresh rate
// of 0 is the display's default rate.
struct DDSURFACEDESC;

class CModusListe {
public:
    enum Quelle : uint32_t { QUELLE_KEINE = 0, QUELLE_EINGEBAUT = 1, QUELLE_TREIBER = 2 };

    CModusListe();
    virtual ~CModusListe() = default;

    void Leeren();
    // 1 when the mode is listed already, else 0.
    int Hinzufuegen(uint32_t breite, uint32_t hoehe, uint32_t farbtiefe, uint32_t frequenz);
    // 2 for a colour depth other than 8 and 0; else as Hinzufuegen.
    int ModusHinzufuegen(uint32_t breite, uint32_t hoehe, uint32_t farbtiefe, uint32_t frequenz);
    void Sortieren();

    // Index of the first mode equal in every given value, or -1.
    int Suchen(uint32_t breite, uint32_t hoehe, uint32_t farbtiefe, uint32_t frequenz) const;
    int Suchen3(uint32_t breite, uint32_t hoehe, uint32_t farbtiefe) const;
    // Writes the listed mode nearest to the request into the arguments and
    // answers its index; -1 with the request unchanged for an empty list.
    int BestenSuchen(uint32_t& breite, uint32_t& hoehe, uint32_t& farbtiefe, uint32_t& frequenz) const;

    // Callback of the display's mode enumeration; kontext is the list.
    // Lists 8-bit and depth-0 modes; rates below 60 Hz count as default.
    static int32_t ModusGefunden(DDSURFACEDESC* beschreibung, void* kontext);

    int32_t GetAnzahl() const { return m_nAnzahl; }
    uint32_t GetBreite(int index) const;
    uint32_t GetHoehe(int index) const;
    uint32_t GetFarbtiefe(int index) const;
    uint32_t GetFrequenz(int index) const;

    uint32_t m_dwQuelle = QUELLE_KEINE;

private:
    struct Modus {
        uint32_t breite, hoehe, farbtiefe, frequenz;
        auto operator<=>(const Modus&) const = default;
    };
    const Modus* Bei(int index) const;

    int32_t m_nAnzahl = 0;
    std::vector<Modus> m_Modi;
};
