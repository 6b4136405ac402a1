#pragma once

#include <string>
#include <vector>

#include "platform/draw/dc.h"
#include "workplace/datentabelle.h"

// The x/y chart of one report: the evaluation fills it, the views and the
// printer have it draw itself. Everything drawn scales with the height of a
// blank in the given font, so one chart serves screen and paper alike.
class CDiagramm {
public:
    // More ticks than this cannot be told apart on an axis; a count read
    // from a file (grid columns) is cut down to it.
    static constexpr int kTicksMax = 101;

    CDiagramm();
    virtual ~CDiagramm();
    CDiagramm(const CDiagramm&) = delete;
    CDiagramm& operator=(const CDiagramm&) = delete;

    // --- filling (evaluation) ---
    void Zuruecksetzen();
    void DatenLoeschen();
    void DatenAbschliessen();
    void SetSchrift(CFont* schrift);
    void SetTitel(const std::string& titel, const std::string& xName, const std::string& xEinheit,
                  const std::string& yName, const std::string& yEinheit);
    void SetAnzahlReihen(int n);
    void SetReihenFarbe(int reihe, COLORREF farbe);
    void SetReihenStil(int reihe, int stil);
    void SetXDaten(CDatenreihe* daten);
    void SetDaten(int reihe, CDatenreihe* daten);
    void SetXBereich(double min, double max, int ticks, int dezimalen);
    void SetYBereich(double min, double max, int ticks, int dezimalen);
    void SetAbbildung(RECT rechteck);

    // --- drawing; lines and curves use the mapping of the last Zeichnen ---
    void Zeichnen(CDC* dc);
    void ZeichneReihen(CDC* dc);
    // The reports' order: mapping, font, frame, then the series.
    void ZeichneMitReihen(CDC* dc, RECT rechteck, CFont* schrift);
    void ZeichneReihenIntern(CDC* dc, int reihe);
    void ZeichneGerade(CDC* dc, int reihe, double a, double b);
    void ZeichneVerteilungskurve(CDC* dc, int reihe, double mu, double sigma, int n);

    // --- reading (views, tests) ---
    const std::string& GetTitel() const { return m_Titel; }
    const std::string& GetXName() const { return m_XName; }
    const std::string& GetXEinheit() const { return m_XEinheit; }
    const std::string& GetYName() const { return m_YName; }
    const std::string& GetYEinheit() const { return m_YEinheit; }
    const CDatentabelle& GetDaten() const { return m_Daten; }
    int GetAnzahlReihen() const { return m_AnzahlReihen; }
    COLORREF GetReihenFarbe(int reihe) const;
    int GetReihenStil(int reihe) const;
    double GetXMin() const { return m_XMin; }
    double GetXMax() const { return m_XMax; }
    double GetYMin() const { return m_YMin; }
    double GetYMax() const { return m_YMax; }
    int GetXTicks() const { return m_XTicks; }
    int GetYTicks() const { return m_YTicks; }
    int GetXDezimalen() const { return m_XDezimalen; }
    int GetYDezimalen() const { return m_YDezimalen; }
    RECT GetAbbildung() const { return m_Geraet; }
    int GetYVorzeichen() const { return m_YVorzeichen; }
    double GetSkala() const { return m_Skala; }
    RECT GetPlotRechteck() const { return m_Plot; }

private:
    // Where the parts of the chart lie: text line, tick length and axis
    // thickness, the bands of the names, axes, ticks and labels.
    struct CLage {
        int h = 0, L = 0, T = 0;
        bool zeigeTitel = false, zeigeY = false, zeigeX = false, endLabels = false;
        int titelBand = 0, yNameBand = 0, xNameBand = 0;
        int b0 = 0; // bottom of the plot before the end labels' room
        double x0 = 0.0, y0 = 0.0;
        int yLabelX = 0, yTickL = 0, yTickR = 0, yAchseL = 0, yAchseR = 0;
        int xLabelBand = 0, xTickO = 0, xTickU = 0, xAchseO = 0, xAchseU = 0;
    };
    // Sizes and bands in the device rectangle; the room left for the plot.
    RECT Baender(CDC* dc, CLage& l);
    // Axis placement and the mapping of values into the plot.
    void Abbilden(CLage& l, RECT p);
    void AchsenZeichnen(CDC* dc, const CLage& l) const;
    void BeschriftungZeichnen(CDC* dc, const CLage& l) const;
    int XPunkt(double x) const;
    int YPunkt(double y) const;
    void Linie(CDC* dc, int x1, int y1, int x2, int y2) const;
    void Flaeche(CDC* dc, RECT r) const;
    void Text(CDC* dc, unsigned ausrichtung, int x, int y, const std::string& text) const;

    std::string m_Titel;
    std::string m_XName;
    std::string m_XEinheit;
    std::string m_YName;
    std::string m_YEinheit;
    CDatentabelle m_Daten;
    CFont* m_pSchrift = nullptr;
    RECT m_Geraet{0, 0, 0, 0};
    int m_YVorzeichen = 1;
    double m_Skala = 1.0;
    RECT m_Plot{0, 0, 0, 0};
    int m_XDezimalen = 0;
    int m_YDezimalen = 0;
    int m_AnzahlReihen = 0;
    std::vector<COLORREF> m_Farben;
    std::vector<int> m_Stile;
    double m_XMin = 0.0;
    double m_XMax = 0.0;
    double m_XFaktor = 1.0;
    int m_XTicks = 1;
    double m_YMin = 0.0;
    double m_YMax = 0.0;
    double m_YFaktor = 1.0;
    int m_YTicks = 1;
    double m_XOffset = 0.0;
    double m_YOffset = 0.0;
    // False when the last Zeichnen found no usable mapping (a range without
    // span, a collapsed plot): series, lines and curves then draw nothing.
    bool m_Abbildbar = false;
};
