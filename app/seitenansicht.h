#pragma once

#include <string>
#include <vector>

#include "app/dokument.h"
#include "platform/draw/typen.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class CBenutzerprofil;
class CDC;
class CFont;
class CUmgebung;

// What the training and the test view share: a fixed form whose controls
// are all made in code at pixel rectangles, one settings page and one page
// per report in the same window, the bottom row with page and report
// numbers, the relation list of the report page, and the painting of the
// swatches and the chart. The page state lives in the model; the views say
// where through the accessors below.
class CSeitenAnsicht : public CFormAnsicht {
    Q_OBJECT
public:
    explicit CSeitenAnsicht(CLMDokument* dokument, QWidget* eltern = nullptr);
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
    virtual std::string Seitentitel(bool bericht) const = 0;

    // -- The pages
    virtual void ZeigeAngaben() = 0;
    virtual void ZeigeBericht() = 0;
    virtual void ZeichneFarben(CDC* dc) = 0;
    virtual void ZeichneBerichtGrafik(CDC* dc) = 0;

    // Profile, environment and font; the font only when none is set yet.
    void BindeUmgebung(CBenutzerprofil* profil, CUmgebung* umgebung);

    // -- Control creation, in the order of the page tables
    QGroupBox* Gruppe(const char* text, int l, int t, int r, int b);
    QLabel* Beschriftung(const char* text, int l, int t, int r, int b,
                         Qt::Alignment ausrichtung = Qt::AlignLeft);
    QLineEdit* Feld(int l, int t, int r, int b, bool rechts);
    QComboBox* Auswahlliste(int l, int t, int r, int b);
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
    // Each rectangle outlined in white and filled with its colour.
    static void ZeichneFarbfelder(CDC* dc, const std::vector<std::pair<RECT, COLORREF>>& felder);

    // Paints the form through OnDraw.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    // Called on show and hide, after the page is shown.
    virtual void PruefeSymbolleiste() {}

    CBenutzerprofil* m_pProfil = nullptr;
    CUmgebung* m_pUmgebung = nullptr;
    CFont* m_pSchrift = nullptr;
    RECT m_rcDiagramm{15, 213, 600, 423};
    QComboBox* m_pBerichtAuswahl = nullptr;
    QLabel* m_pNichtAktiv = nullptr;

private:
    template <class T> T* Neu(int l, int t, int r, int b);

    std::vector<QWidget*> m_Steuerelemente;
    int m_nAngaben = 0;     // controls of the settings page
    int m_nBerichtEnde = 0; // one past the report page's last control
    QLabel* m_pTitel = nullptr;
    QLabel* m_pBerichtNummer = nullptr;
    QLabel* m_pSeitenNummer = nullptr;
};
