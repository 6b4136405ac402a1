#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/hintergrund.h"
#include "platform/draw/dc.h"

class QPrinter;
class QWidget;
class CUmgebung;

// Where the content of one printed page goes and what it is measured in:
// logical units of the isotropic mapping, y upwards, the page's top edge at
// y 0. The frame fills it for every page.
struct CDruckLayout {
    int links = 0, oben = 0, rechts = 0, unten = 0; // content box
    int x0 = 0; // content left, where labels start
    int mitte = 0; // horizontal centre of the content box
    int t = 1; // row height
    int halbeZeile = 0;
    int p = 1; // pen width
    int W = 1000, H = 1000; // 100 mm in logical units
    std::string einheit; // the user's unit label
    int dezimalen = 1;

    // Hundredths of a millimetre to logical units, across and down.
    int InW(int v) const;
    int InH(int v) const;
    // Column v hundredths of a millimetre right of the content's left edge.
    int Spalte(int v) const { return x0 + InW(v); }
};

// The printout of a training or a test: page 1 the settings, page k + 1
// report k. The frame owns what lives for one print job (four fonts and the
// pen), lays out the page (head line, content box, line metrics) and hands
// the content to the page painters of the two document kinds. Printer,
// preview, PDF and the test recorder all go through DruckeSeite.
class CDruckrahmen {
public:
    enum Modus : int { KeinDruck = 0, Vorschau = 1, Drucker = 2 };

    explicit CDruckrahmen(CUmgebung* umgebung);
    virtual ~CDruckrahmen();
    CDruckrahmen(const CDruckrahmen&) = delete;
    CDruckrahmen& operator=(const CDruckrahmen&) = delete;

    // Reports + 1.
    int GetSeitenanzahl() const;

    // -- Callers: each runs a whole job.
    // Print dialog, then the chosen pages on the printer; 0 printed,
    // 1 cancelled in the dialog, 2 ended by a failure or an answer. The
    // printer (the one of the printer set-up) keeps the user's choices
    // between jobs; without one a fresh printer is used.
    int Drucken(QWidget* eltern = nullptr, QPrinter* drucker = nullptr);
    // The print preview of all pages through the modal runner.
    int Seitenansicht(QWidget* eltern = nullptr, QPrinter* drucker = nullptr);
    // All pages into an A4 PDF file; 0, or 2 as for Drucken.
    int AlsPdf(const std::string& pfad);
    // The range of pages into a printer that is set up already.
    int DruckeAuf(QPrinter& drucker, int modus);
    // Page `seite` into any device context (objects, frame, content,
    // release); the draw rectangle is the whole device. 0, or 2 when the
    // job was aborted.
    int ZeichneSeite(CDC* dc, int seite, int modus = Vorschau);

    // -- The print loop, in the order the callers use it.
    // Page range, the print dialog (mitDialog) and the user's choice;
    // false when the dialog was cancelled.
    bool OnPreparePrinting(QPrinter& drucker, bool mitDialog, QWidget* eltern);
    // 0, or 1 when an object could not be made (message shown, job aborted).
    int OnBeginPrinting(CDC* dc);
    // Mode, page and draw rectangle (device units), then the page.
    void OnPrint(CDC* dc, int seite, int modus, RECT zeichnen);
    void DruckeSeite(CDC* dc);
    void OnEndPrinting();
    void OnEndPrintPreview();

    // The dialog's choice (0 all pages, 1 the selection, 2 a page range)
    // narrowed to the n pages; gezeigt is the page the view shows.
    static void BereichWaehlen(int wahl, int von, int bis, int n, int gezeigt, int& ergVon, int& ergBis);

    int GetVon() const { return m_nVon; }
    int GetBis() const { return m_nBis; }
    int GetSeite() const { return m_nSeite; }
    int GetModus() const { return m_nModus; }

protected:
    // -- What the document kinds supply
    virtual bool HatModell() const = 0;
    virtual int BerichtAnzahl() const = 0;
    virtual std::string Dateipfad() const = 0;
    virtual int GezeigteSeite() const = 0;
    virtual const char* ModellFehler() const = 0;
    virtual void ZeichneAngaben(CDC* dc, const CDruckLayout& l) = 0;
    virtual void ZeichneBericht(CDC* dc, const CDruckLayout& l, int bericht) = 0;

    // -- Pieces the page painters share (y is the current row, moving down
    //    lowers it)
    // Bold, centred on the content box at its top; then the regular font.
    void Titel(CDC* dc, const CDruckLayout& l, const char* text);
    // Down 2t, the heading at x0, a rule under it; y becomes the first row.
    void Block(CDC* dc, const CDruckLayout& l, int& y, const char* ueberschrift);
    // A rule from x to the content's right edge t + p below y; y becomes
    // the row under it.
    void Linie(CDC* dc, const CDruckLayout& l, int& y, int x);
    // The files block's heading and labels; answers its first row and
    // leaves y at its last.
    int DateienBlock(CDC* dc, const CDruckLayout& l, int& y, const char* datei, const char* ordner);
    // Texts at x on consecutive rows from y; an empty text leaves its row.
    static void Zeilen(CDC* dc, int x, int y, const CDruckLayout& l, const std::vector<std::string>& texte);
    static void Text(CDC* dc, int x, int y, const std::string& text, unsigned ausrichtung = TA_LEFT | TA_TOP);
    // File and folder of the document and of the environment, shortened
    // into the room right of x0 + 40 mm.
    void Dateiwerte(CDC* dc, const CDruckLayout& l, int y);
    // A key's name, or the fallback for an index outside the table.
    std::string Tastenname(int index, const char* ersatz) const;
    std::string Geschwindigkeit(double anteil, const CDruckLayout& l) const;

    // The settings page of either kind: title, files, the task block and
    // the background, labels first in the regular font, then the values in
    // the fixed-pitch font.
    struct CAngabenseite {
        const char* titel = "";
        const char* datei = ""; // labels of the document's file rows
        const char* ordner = "";
        const char* aufgabe = ""; // heading of the task block
        std::vector<std::pair<std::string, bool>> zeilen; // label, indented by 5 mm
        std::vector<std::string> werte; // at 80 mm, one per row ("" none)
        CHGAufgabe hgAufgabe;
        CHGMuster hgMuster;
        CHGBewegung hgBewegung;
        CFarben farben;
    };
    void Angabenseite(CDC* dc, const CDruckLayout& l, const CAngabenseite& s);

    // What a run reports for the blocks that training and test share.
    struct CLauf {
        uint32_t flags = 0;
        int tag = 0, uhrzeit = 0;
        double laufzeit = 0, standard = 0, ziel = 0;
        int korrekt = 0, falsch = 0;
        double dauerSekunden = 0;
    };
    template <class TBericht>
    static CLauf LaufVon(const TBericht& b, uint32_t flags, double standard)
    {
        return CLauf{flags,
                     b.m_nTag,
                     b.m_nUhrzeit,
                     b.m_dLaufzeit,
                     standard,
                     b.m_dZielGeschwindigkeit,
                     b.GetKorrekteReaktionen(),
                     b.GetFalscheAlarme(),
                     b.GetDauerSekunden()};
    }
    // Files, presentation and background task of a report page. Labels
    // answer the rows where the values go; prozent follows a share.
    struct CKopfZeilen {
        int dateien = 0, darbietung = 0, hintergrund = 0;
    };
    CKopfZeilen BerichtKopfLabels(CDC* dc, const CDruckLayout& l, int& y, const char* datei, const char* ordner);
    void BerichtKopfWerte(CDC* dc, const CDruckLayout& l, const CKopfZeilen& z, const CLauf& lauf, const char* prozent);
    // Down half a line, a heading row with two centred column titles and a
    // rule, then names [von, bis) one per row at x0 + 5 mm. Answers the
    // first name's row; y is left one row below the last.
    int Liste(CDC* dc, const CDruckLayout& l, int& y, int x, const char* kopf, const char* titel1, const char* titel2,
              const std::vector<std::string>& namen, int von, int bis);
    // The chart below the lists: its name 2t below the last row, the chart
    // in the rest of the box; nothing when no room is left.
    void Diagramm(CDC* dc, const CDruckLayout& l, int letzteZeile, const std::string& name, int diagramm, int bericht);
    virtual int DiagrammZeichnen(int diagramm, CDC* dc, RECT r, CFont* schrift, int bericht) = 0;

    // Message, document aborted.
    static void Fehler(CDC* dc, const char* text);

    CUmgebung* m_pUmgebung;
    CFont m_Schrift, m_Fett, m_Fest, m_Kursiv;
    CPen m_Stift;

private:
    // Label and value rows of the background block.
    void HintergrundWerte(CDC* dc, const CDruckLayout& l, int y, const CAngabenseite& s);
    void Freigeben();
    // Measures 100 mm in the current mapping.
    static void Messen(CDC* dc, CDruckLayout& l);

    int m_nSeite = 1;
    int m_nModus = KeinDruck;
    RECT m_rcZeichnen{0, 0, 0, 0};
    int m_nVon = 1, m_nBis = 1;
};

// Shares as the pages print them: 1 decimal and the suffix, "n. a." for a
// zero divisor.
std::string DruckAnteil(double zaehler, double nenner, const char* suffix);

// Failure messages of the printout.
extern const char* const kDruckObjektFehler;
extern const char* const kKeinDruckbereich;
extern const char* const kDruckbereichZuKlein;
extern const char* const kSeitennummerUngueltig;
extern const char* const kDruckStartFehler;
