#pragma once

#include <array>
#include <string>

#include <QWidget>

#include "dialogs/steuerflaeche.h"

class CUmgebung;

// Dialog units of the pages' template font (8-point "MS Sans Serif": 6 x 13
// base units) in pixels, rounded as the dialog manager does.
int DluInPixelX(int dlu);
int DluInPixelY(int dlu);

// One page of a settings sheet: an empty child dialog of a fixed size in
// dialog units whose caption is the tab's text. Its controls are created
// the first time the sheet shows it; pages with `m_bZeigenBeiAnzeige` show
// the model afresh whenever they are shown or hidden.
class CSeite : public QWidget, public CSteuerflaeche {
    Q_OBJECT
public:
    // Template sizes in dialog units.
    static constexpr int kAufgabenBreite = 410, kAufgabenHoehe = 250;
    static constexpr int kHintergrundBreite = 410, kHintergrundHoehe = 190;

    CSeite(const QString& titel, int breiteDlu, int hoeheDlu, bool zeigenBeiAnzeige);
    ~CSeite() override;

    const QString& GetTitel() const { return m_strTitel; }
    bool IstErzeugt() const { return m_bErzeugt; }
    // Creates the controls and shows the record; the first show does it.
    void OnInitDialog();

    // The template's size: the sheet sizes itself from its pages.
    QSize sizeHint() const override { return size(); }
    QSize minimumSizeHint() const override { return size(); }

    CUmgebung* GetUmgebung() const { return m_pUmgebung; }
    const std::string& GetEinheitText() const { return m_strEinheit; }
    int GetDezimalstellen() const { return m_nDezimalstellen; }

protected:
    // Keeps the environment, takes the profile's font once and, with
    // mitEinheit, the unit label and decimal places of the environment.
    void Binden(CBenutzerprofil* profil, CUmgebung* umgebung, bool mitEinheit = true);

    // Creates the controls; SchriftSetzen follows by itself.
    virtual void ErzeugeSteuerelemente() = 0;

    // Lengths in the user's unit with the page's decimal places: X for
    // horizontal sizes, Y for vertical and character sizes. A field the user
    // left as shown reads back the length it was shown from.
    void ZeigeLaengeX(CFeld* feld, double anteil) const;
    void ZeigeLaengeY(CFeld* feld, double anteil) const;
    double LiesLaengeX(const CFeld* feld) const;
    double LiesLaengeY(const CFeld* feld) const;
    // A plain number with the page's decimal places.
    void ZeigeZahl(CFeld* feld, double wert) const;
    double LiesZahl(const CFeld* feld) const;

    // "text [unit]" and "text [unit] (max. limit)", the limit one display
    // width (X) or height (Y) in the user's unit.
    QString MitEinheit(const std::string& text) const;
    QString MitEinheitMaxX(const std::string& text) const;
    QString MitEinheitMaxY(const std::string& text) const;

    // Lines of a group whose left edge is x, the line's top at y: a label
    // from textX to the last cell and a number field in it (the label in
    // *beschriftung when asked) ...
    CFeld* Wertzeile(int x, int y, int textX, const char* textName, const QString& text, const char* feldName,
                     QLabel** beschriftung = nullptr);
    // ... or a label from textX to the second cell, a field there, a label
    // in the third cell and a field in the fourth (names in that order).
    struct CFeldpaar {
        QLabel* text1;
        CFeld* feld1;
        QLabel* text2;
        CFeld* feld2;
    };
    CFeldpaar Feldpaar(int x, int y, int textX, const std::array<const char*, 4>& namen, const QString& text1,
                       const QString& text2);

    // Fills a list with the reaction keys in table order.
    void TastenEintragen(QComboBox* liste) const;
    // Selects a key index brought into the key table: an index from an older
    // or foreign environment shows its nearest key instead of an empty list.
    static void TasteAuswaehlen(QComboBox* liste, int index);
    // Fills a list with the stimulus set names (second table: the
    // distractor sets), after "---" when mitStrich.
    void ReizsaetzeEintragen(QComboBox* liste, bool mitStrich, bool zweiteTabelle) const;

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

    CUmgebung* m_pUmgebung = nullptr;
    std::string m_strEinheit = "1";
    int m_nDezimalstellen = 1;

private:
    std::string Zahltext(double wert) const;
    double LiesLaenge(const CFeld* feld, double (CUmgebung::*inAnteil)(double) const) const;
    QString MitEinheitMax(const std::string& text, double grenze) const;
    QString m_strTitel;
    bool m_bZeigenBeiAnzeige;
    bool m_bErzeugt = false;
};
