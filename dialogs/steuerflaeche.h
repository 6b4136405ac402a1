#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
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

// Rectangle from its edges (left, top, right, bottom; right and bottom
// exclusive), as the pages give them.
inline QRect Kante(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }

// Gives the control the font `grund`, narrowed just enough that its text (a
// list: its widest entry) fits the room the control leaves it: a label or
// option up to the first later control that covers part of its line. Keeps
// the pixel grid whatever the text.
void TextEinpassen(QWidget* w, const QFont& grund);
// How far the control's text, in its present font, runs past that room (a
// word-wrapped label's also past its bottom); 0 when it fits.
int TextUeberhang(const QWidget* w);

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

    // Replaces the text; a number field also keeps the value the text was
    // made from (none for names and folders).
    void Zeigen(const QString& text, std::optional<double> wert = std::nullopt);
    // That value, as long as the text is still the one shown: a text rounded
    // to fewer decimals or shown in a coarser unit stands for the stored
    // value, which passing through or accepting must not change.
    std::optional<double> GetGezeigterWert() const;

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    std::function<void(CFeld*)> m_beiVerlust;
    QString m_strGezeigt;
    std::optional<double> m_dGezeigt;
};

// Controls created in code at fixed pixel rectangles in the dialog font,
// one handler per kind of control, and the show/read pattern: every change
// the user makes runs LeseDaten (controls to record, through the model's
// clamping setter) and then ZeigeDaten (record to controls). Only user
// actions notify (clicked, activated, focus-out); ZeigeDaten's own changes
// never do. Serves the settings pages and the grid dialogs alike.
class CSteuerflaeche {
public:
    explicit CSteuerflaeche(QWidget* flaeche);
    virtual ~CSteuerflaeche();
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
    // The profile's dialog font, unless a font is set already.
    void SchriftNehmen(const CBenutzerprofil* profil);
    // The controls' font; null while they keep Qt's.
    const QFont* GetSchrift() const { return m_bSchrift ? &m_Schrift : nullptr; }

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
    // The selected index; a list that shows no selection (its stored value
    // had no entry) leaves the value as it was.
    static int LiesAuswahl(const QComboBox* liste, int bisher);

    // Enabled or disabled; a field is read-only while disabled.
    static void Freigeben(QWidget* w, bool an);
    static void Freigeben(std::initializer_list<QWidget*> ws, bool an);

    static void SetText(CFeld* feld, const std::string& text);
    static std::string GetText(const CFeld* feld);
    // A number shown as text: the field gives the value back unchanged while
    // the user leaves the text as it is; a text the user changed is read by
    // `lesen` (and then goes through the setter's clamping).
    static void ZeigeWert(CFeld* feld, double wert, const std::string& text);
    template <class Lesen>
    static double LiesWert(const CFeld* feld, Lesen lesen)
    {
        const std::optional<double> wert = feld->GetGezeigterWert();
        return wert ? *wert : lesen(GetText(feld));
    }
    // Counts and seconds (3 decimals), as every page shows them.
    static void ZeigeAnzahl(CFeld* feld, int wert);
    static int LiesAnzahl(const CFeld* feld);
    static void ZeigeSekunden(CFeld* feld, double wert);
    static double LiesSekunden(const CFeld* feld);

    // Sets the font on every control created so far, then redraws.
    void SchriftSetzen();
    // Fits the texts of every control into their rectangles.
    void TexteEinpassen();
    // Enter accepts without moving the focus: the focused field is read as
    // if the user had left it.
    void FokusfeldUebernehmen();

    QWidget* m_pFlaeche;
    QFont m_Schrift;
    bool m_bSchrift = false;
    // Labels at the top of their rectangle, wrapped; else centred in one line.
    bool m_bTexteOben = true;

private:
    void Verbinden(QWidget* w);
    std::vector<std::vector<QRadioButton*>> m_Optionsgruppen;
    std::vector<QWidget*> m_Steuerelemente;
    bool m_bInArbeit = false;
};
