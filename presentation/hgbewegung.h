#pragma once

// The arithmetic of the moving background and of the run's times, apart
// from any surface: what the background renderer, the frame loop and the
// trial logic compute once or per frame.

#include <cstdint>

class CHGMuster;
class CHGBewegung;
class CHGAufgabe;
class CUmgebung;

// Whole milliseconds of a time in seconds, halves rounded up; saturated at
// about 31 years either way, 0 for not a number.
int64_t InMillisekunden(double sekunden);

// A current time drawn from its bounds: min + rand() mod (max - min), or
// min when the span is not above 0.
int64_t ZufallsZeit(int64_t min, int64_t max);

// Pixel sizes of one pattern on a screen of breite x hoehe.
struct CHGGroessen {
    int nPeriode = 0; // 0: no pattern can repeat, the background stays plain
    int nElementbreite = 0;
    int nElementhoehe = 0;
};
CHGGroessen HGGroessenBerechnen(const CHGMuster& muster, const CUmgebung& umgebung, int breite, int hoehe);

// Step per frame in pixels (unsigned) for a speed in parts of the display
// width per second, limited as the model limits it (BegrenzeGeschwindigkeit);
// steps above half a pixel rounded to half pixels.
double HGSchrittBetrag(double geschwindigkeit, double zyklusbreite, const CUmgebung& umgebung, unsigned bildfrequenz);

// The normal and the changed step with their signs: negative moves the
// pattern to the right.
struct CHGSchritte {
    double dNormal = 0.0;
    double dGeaendert = 0.0;
};
CHGSchritte HGSchritteBerechnen(const CHGMuster& muster, const CHGBewegung& bewegung, const CHGAufgabe& aufgabe,
                                const CUmgebung& umgebung, unsigned bildfrequenz);

// Task-flag bits that the background and its task set; hatMuster false
// when nothing of the pattern can be drawn.
uint32_t HGAufgabenFlags(const CHGMuster& muster, const CHGAufgabe& aufgabe, bool hatMuster);

// Start position: the pattern centred on the screen; 0 without a period.
double HGStartposition(int periode, int breite);

// Position after one step, wrapped into 0 .. period; the scroll offset is
// its whole pixels. Without a period both stay 0.
double HGPositionWeiter(double position, double schritt, int periode, int* versatz);

// The last 20 frame laps (units of 0.1 ms) for the measured speeds.
class CBildRunden {
public:
    static constexpr int kPlaetze = 20;
    void Eintragen(int64_t runde);
    int GetAnzahl() const { return m_nAnzahl; }
    // Seconds over the counted laps.
    double Sekunden() const;
    // Pixels per frame as parts of the display width per second over the
    // counted laps; 0.0 without laps or when they add up to no time.
    double Geschwindigkeit(double schrittPixel, const CUmgebung& umgebung) const;

private:
    int32_t m_nRunden[kPlaetze] = {};
    int m_nIndex = 0;
    int m_nAnzahl = 0;
};
