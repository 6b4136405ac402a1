#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/dokument.h"
#include "platform/draw/typen.h"

class CDarbietung;
class CDruckrahmen;
class CFarben;
class CHGAufgabe;
class CHGBewegung;
class CHGMuster;

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class CBenutzerprofil;
class CDC;
class CFont;
class CUmgebung;

// One control of a page table: kind (group box, label, centred label,
// text field, number field, relation list), text at creation, rectangle.
struct CZeile {
    enum Art { G, L, C, T, Z, A } art;
    const char* text;
    int l, t, r, b;
};

// What tells the training view from the test view in the shared commands.
struct CAnsichtsArt {
    int berichtBasis; // first report command id of the document type
    int praesentation; // id of the presentation command
    const char* angaben; // title of the settings page
    const char* bericht; // title of a report page, and the report's name
    const char* modell; // the model with its article, as the object of a sentence
    int vordergrund = 0; // id of the foreground-task command
    int drucken = 0; // ids of the print and the print-preview command
    int seitenansicht = 0;
};

// The values of a report's presentation and background boxes, which both
// report pages show alike.
struct CDarbietungsWerte {
    int tag = 0;
    int uhrzeit = 0;
    double laufzeit = 0.0;
    uint32_t flags = 0;
    double standardTempo = 0.0;
    double zielTempo = 0.0;
    int korrekt = 0;
    int falscheAlarme = 0;
    double dauerSekunden = 0.0;
};

// What the training and the test view share: a fixed form whose controls
// are all made in code at pixel rectangles, one settings page and one page
// per report in the same window, the bottom row with page and report
// numbers, the relation list of the report page, and the painting of the
// swatches and the chart. The page state lives in the model; the views say
// where through the accessors below.
class CSeitenAnsicht : public CFormAnsicht {
    Q_OBJECT
public:
    CSeitenAnsicht(CLMDokument* dokument, const CAnsichtsArt& art, QWidget* eltern = nullptr);
    ~CSeitenAnsicht() override;

    // Every document update shows the page anew.
    void OnUpdate(CFormAnsicht* sender, int hinweis) override;

    // Settles current report and page, writes the bottom row, fills the
    // page shown and has the view painted anew.
    void ZeigeSeite();
    // Refills the relation list for the current report.
    void FuelleBerichtAuswahl();
    // Paints the swatches or the chart; repairs the page state as it goes.
    void OnDraw(CDC* dc);
    // The user chose a relation (-1: none).
    void OnSelchangeBerichtAuswahl(int index);

    // -- Commands of both views
    bool Befehl(int id) override;
    void OnPraesentation();
    void OnNaechsterBericht();
    void OnVorherigerBericht();
    void OnBerichtLoeschen();
    void OnAlleBerichteLoeschen();
    // The settings editors: foreground sheet, background sheet on its task,
    // pattern or motion page, colour dialog.
    virtual void OnVordergrundaufgabe() = 0;
    void OnHGAufgabe() { Hintergrund(0); }
    void OnHGMuster() { Hintergrund(1); }
    void OnHGBewegung() { Hintergrund(2); }
    virtual void OnFarben() = 0;
    // The print dialog (range, selection), then the printer; the print
    // preview in the maximised document window.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Report menu and buttons from the report count and the page shown,
    // then the tool bar is shown.
    void AktualisiereBerichtMenue();

    // Control by its creation number, from 1; null outside.
    QWidget* Steuerelement(int nr) const;
    // Text or title of a control.
    std::string GetText(int nr) const;
    int AnzahlSteuerelemente() const { return static_cast<int>(m_Steuerelemente.size()); }
    RECT GetDiagrammRechteck() const { return m_rcDiagramm; }

protected:
    // -- The model's page state and reports (only while bound to one)
    virtual bool Gebunden() const = 0;
    virtual int BerichtAnzahl() const = 0;
    virtual int& Seite() = 0;
    virtual int& BerichtNr() = 0;
    virtual int& Diagrammwahl() = 0;
    virtual int DiagrammNamen(std::vector<std::string>& namen, int& anzahl1, int& anzahl2, int bericht) = 0;
    virtual void BerichtEntfernen(int index) = 0;
    virtual void BerichteEntfernen() = 0;
    // Runs the engine on the model; 0 when the run left a filled report.
    virtual int Darbieten(CDarbietung& darbietung) = 0;
    // Appends the engine's report; 0 when it was taken.
    virtual int BerichtAnhaengen(const CDarbietung& darbietung) = 0;
    std::string Seitentitel(bool bericht) const { return bericht ? m_art.bericht : m_art.angaben; }

    // The printout of the model, for one job.
    virtual std::unique_ptr<CDruckrahmen> NeuerDruck() = 0;

    // -- The pages
    virtual void ZeigeAngaben() = 0;
    virtual void ZeigeBericht() = 0;
    virtual void ZeichneFarben(CDC* dc) = 0;
    virtual void ZeichneBerichtGrafik(CDC* dc) = 0;

    // Profile, environment and font; the font only when none is set yet.
    void BindeUmgebung(CBenutzerprofil* profil, CUmgebung* umgebung);

    // -- Control creation, in the order of the page tables
    void Erzeuge(const CZeile* zeilen, int anzahl);
    template <size_t N>
    void Erzeuge(const CZeile (&zeilen)[N])
    {
        Erzeuge(zeilen, static_cast<int>(N));
    }
    QGroupBox* Gruppe(const char* text, int l, int t, int r, int b);
    QLabel* Beschriftung(const char* text, int l, int t, int r, int b, Qt::Alignment ausrichtung = Qt::AlignLeft);
    QLineEdit* Feld(int l, int t, int r, int b, bool rechts);
    QComboBox* Auswahlliste(int l, int t, int r, int b);
    // Both pages from their tables: the settings page's own controls, the
    // background box, the report page's own controls, the shared boxes of
    // the report page, the distribution box; then the bottom row.
    void ErzeugeSeiten(std::span<const CZeile> angaben, std::span<const CZeile> bericht,
                       std::span<const CZeile> verteilung);
    // Everything created so far is the settings page, the rest up to
    // the bottom row the report page.
    void AngabenseiteFertig();
    void BerichtseiteFertig();
    void ErzeugeFusszeile();

    // Shows the controls of one page and hides those of the other; the
    // "nicht aktiv" label is left to the report page's fill.
    void SeiteSichtbar(bool bericht);
    void SetzeText(int nr, const std::string& text);
    void SetzeNurLesen(int nr, bool nurLesen);

    // A speed in parts of the display width per second, in the user's unit.
    std::string GeschwindigkeitText(double anteil) const;
    // 100 x zaehler / nenner with 1 decimal and "%", "n. a." without a
    // divisor. Counts come as doubles: a sum of two of them may pass int.
    static std::string ProzentText(double zaehler, double nenner);
    // Key name of an index of the reaction-key table, or the fallback.
    std::string Tastenname(int index, const char* ersatz) const;
    // Fills the background box of the settings page, whose
    // task field is control `erstes`.
    void ZeigeHintergrundAngaben(int erstes, const CHGAufgabe& a, const CHGMuster& m, const CHGBewegung& b);
    // Fills the presentation and background boxes of a report page, whose date field
    // is control `erstes`; without values every field shows "---".
    void ZeigeDarbietungsBericht(int erstes, const CDarbietungsWerte* w);
    // Each rectangle outlined in white and filled with its colour, then the
    // three colours of the background box.
    static void ZeichneFarbfelder(CDC* dc, std::vector<std::pair<RECT, COLORREF>> felder, const CFarben& f);

    // The document changed: marked for saving.
    void Geaendert();
    // A yes/no question; true for "Ja".
    static bool Frage(const std::string& text);
    // Current report nr clamped to the reports, its page and relation
    // list; the settings page when there is no report.
    void ZeigeBerichtNr(int nr);
    // The background sheet opened on page 0, 1 or 2.
    virtual void Hintergrund(int seite) = 0;
    // Ends a settings command whose editor answered `ergebnis`: accepted,
    // `zurueck` writes the edit into the model, at once without reports,
    // else only after the user agreed to lose them all.
    void AngabenUebernehmen(int ergebnis, const std::function<void()>& zurueck);
    // The settings page and the report pages as commands.
    void AngabenBefehl();
    void BerichteBefehl();

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    // Called on show and hide, after the page is shown: the document
    // type's tool bar, then the report menu.
    void PruefeSymbolleiste();

    CBenutzerprofil* m_pProfil = nullptr;
    CUmgebung* m_pUmgebung = nullptr;
    CFont* m_pSchrift = nullptr;
    RECT m_rcDiagramm{15, 213, 600, 423};
    QComboBox* m_pBerichtAuswahl = nullptr;
    QLabel* m_pNichtAktiv = nullptr;

private:
    template <class T>
    T* Neu(int l, int t, int r, int b);

    CAnsichtsArt m_art;
    std::vector<QWidget*> m_Steuerelemente;
    int m_nAngaben = 0; // controls of the settings page
    int m_nBerichtEnde = 0; // one past the report page's last control
    QLabel* m_pTitel = nullptr;
    QLabel* m_pBerichtNummer = nullptr;
    QLabel* m_pSeitenNummer = nullptr;
};
