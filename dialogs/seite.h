#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QFont>
#include <QLineEdit>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class CBenutzerprofil;
class CFont;
class CUmgebung;

// The dialog font of the profile as a Qt font (its height is in points).
QFont DialogSchrift(const CFont* schrift);

// Dialog units of the pages' template font (8-point "MS Sans Serif": 6 x 13
// base units) in pixels, rounded as the dialog manager does.
int DluInPixelX(int dlu);
int DluInPixelY(int dlu);

// Rectangle from its edges (left, top, right, bottom; right and bottom
// exclusive), as the pages give them.
inline QRect Kante(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }

// Edit field that reports losing the focus: the only moment a page reads a
// field. Übernehmen reports it without a focus change (accepting a sheet
// with the field still focused).
class CFeld : public QLineEdit {
public:
    explicit CFeld(QWidget* eltern);
    void SetBeiVerlust(std::function<void(CFeld*)> f) { m_beiVerlust = std::move(f); }
    void Uebernehmen();
    // Display-only fields stay read-only whatever their enabling.
    bool m_bNurAnzeige = false;

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    std::function<void(CFeld*)> m_beiVerlust;
};

// Controls created in code at fixed pixel rectangles in the dialog font,
// one handler per kind of control, and the show/read pattern: every change
// the user makes runs LeseDaten (controls to record, through the model's
// clamping setter) and then ZeigeDaten (record to controls). Only user
// actions notify (clicked, activated, focus-out); ZeigeDaten's own changes
// never do. Serves the settings pages and the colour dialog alike.
class CSteuerflaeche {
public:
    explicit CSteuerflaeche(QWidget* flaeche);
    virtual ~CSteuerflaeche() = default;
    CSteuerflaeche(const CSteuerflaeche&) = delete;
    CSteuerflaeche& operator=(const CSteuerflaeche&) = delete;

    // Line geometry of the grid: heights and offsets from a line's top.
    static constexpr int kOptionHoehe = 20;
    static constexpr int kFeldHoehe = 18;
    static constexpr int kFeldVersatz = 1;
    static constexpr int kTextHoehe = 15;
    static constexpr int kTextVersatz = 3;
    // A drop-down list reserves 100 pixels with its list open; closed it is
    // as high as an option, one pixel above the line.
    static constexpr int kListeHoehe = 100;
    static constexpr int kListeGeschlossen = 21;
    static constexpr int kListeVersatz = -1;

    // The font of every control created from now on (and of the earlier
    // ones at SchriftSetzen); without one the controls keep Qt's font.
    void SetSchrift(const QFont& schrift)
    {
        m_Schrift = schrift;
        m_bSchrift = true;
    }

    // Runs LeseDaten and ZeigeDaten once, unless one is running already.
    void Aktualisieren();
    // Runs ZeigeDaten once, unless a show or read is running already.
    void Zeigen();

protected:
    virtual void LeseDaten() = 0;
    virtual void ZeigeDaten() = 0;

    // One handler per kind; each runs LeseDaten and ZeigeDaten.
    virtual void OnOption(QRadioButton*) { Aktualisieren(); }
    virtual void OnKontrollkaestchen(QCheckBox*) { Aktualisieren(); }
    virtual void OnFeld(CFeld*) { Aktualisieren(); }
    virtual void OnListe(QComboBox*) { Aktualisieren(); }
    // The page's own push buttons; nothing by default.
    virtual void OnSchaltflaeche(QPushButton*) {}

    // The control kinds, each at its rectangle (edges as given by the page).
    // `erste` starts a new option group, as the first radio button of a
    // group does; further buttons join the group started last.
    QGroupBox* Gruppe(const char* name, const QString& text, QRect r);
    QRadioButton* Option(const char* name, const QString& text, QRect r, bool erste = false);
    QCheckBox* Kontrollkaestchen(const char* name, const QString& text, QRect r);
    QPushButton* Schaltflaeche(const char* name, const QString& text, QRect r);
    QLabel* Beschriftung(const char* name, const QString& text, QRect r);
    CFeld* Zahlfeld(const char* name, QRect r);
    // nurAnzeige: shown only, always read-only, never notifies.
    CFeld* Textfeld(const char* name, QRect r, bool nurAnzeige = false);
    // r is the rectangle with the list open; the box itself is as high as
    // an option.
    QComboBox* Liste(const char* name, QRect r);

    // Checks r and unchecks the others of its option group.
    void Waehlen(QRadioButton* r);
    // Unchecks every button of the option group that r belongs to.
    void Abwaehlen(QRadioButton* r);
    static bool Gewaehlt(const QRadioButton* r);
    static bool Gewaehlt(const QCheckBox* k);
    static void Setzen(QCheckBox* k, bool an);
    static void Auswaehlen(QComboBox* liste, int index);

    // Enabled or disabled; a field is read-only while disabled.
    static void Freigeben(QWidget* w, bool an);
    static void Freigeben(std::initializer_list<QWidget*> ws, bool an);

    static void SetText(CFeld* feld, const std::string& text);
    static std::string GetText(const CFeld* feld);
    // Counts and seconds (3 decimals), as every page shows them.
    static void ZeigeAnzahl(CFeld* feld, int wert);
    static int LiesAnzahl(const CFeld* feld);
    static void ZeigeSekunden(CFeld* feld, double wert);
    static double LiesSekunden(const CFeld* feld);

    // Sets the font on every control created so far, then redraws.
    void SchriftSetzen();

    QWidget* m_pFlaeche;
    QFont m_Schrift;
    bool m_bSchrift = false;

private:
    void Verbinden(QWidget* w);
    std::vector<std::vector<QRadioButton*>> m_Optionsgruppen;
    std::vector<QWidget*> m_Steuerelemente;
    bool m_bInArbeit = false;
};

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
    // horizontal sizes, Y for vertical and character sizes.
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
    // Fills a list with the stimulus set names (second table: the
    // distractor sets), after "---" when mitStrich.
    void ReizsaetzeEintragen(QComboBox* liste, bool mitStrich, bool zweiteTabelle) const;

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

    CUmgebung* m_pUmgebung = nullptr;
    std::string m_strEinheit = "1";
    int m_nDezimalstellen = 1;

private:
    QString MitEinheitMax(const std::string& text, double grenze) const;
    QString m_strTitel;
    bool m_bZeigenBeiAnzeige;
    bool m_bErzeugt = false;
};
