#pragma once

#include <string>
#include <vector>

#include "dialogs/seite.h"

class CTest;

// What the two test records share, as the left column of their pages shows
// it: method, trial start, reaction keys, speed and the trial order. The
// four direction keys are left, right, down, up on the line-bisection page
// and narrower, wider, shorter, taller on the length-estimation page.
struct CAblaufWerte {
    int nVerfahren = 10;
    int nIntervallModus = 0;
    int nStartTaste = 0;
    double dIntervallVon = 0.0;
    double dIntervallBis = 0.0;
    int nRichtungen = 1;
    int nTaste[4] = {0, 0, 0, 0};
    int nEndTaste = 0;
    double dGeschwindigkeit = 0.0;
    int nReihenfolge = 0;
    int nStartDurchgang = 0;
    int nPermutationen = 1;
    int nWiederholungen = 1;
};

// The shared values of a record, by the names both records use; the four
// keys and the first trial are each page's own.
template <class Datensatz>
CAblaufWerte AblaufAus(const Datensatz& r)
{
    CAblaufWerte w;
    w.nVerfahren = r.m_nVerfahren;
    w.nIntervallModus = r.m_nIntervallModus;
    w.nStartTaste = r.m_nStartTaste;
    w.dIntervallVon = r.m_dIntervallVon;
    w.dIntervallBis = r.m_dIntervallBis;
    w.nRichtungen = r.m_nOrientierung;
    w.nEndTaste = r.m_nEndTaste;
    w.dGeschwindigkeit = r.m_dGeschwindigkeit;
    w.nReihenfolge = r.m_nReihenfolge;
    w.nPermutationen = r.m_nPermutationen;
    w.nWiederholungen = r.m_nWiederholungen;
    return w;
}

template <class Datensatz>
void AblaufIn(const CAblaufWerte& w, Datensatz& r)
{
    r.m_nVerfahren = w.nVerfahren;
    r.m_nIntervallModus = w.nIntervallModus;
    r.m_nStartTaste = w.nStartTaste;
    r.m_dIntervallVon = w.dIntervallVon;
    r.m_dIntervallBis = w.dIntervallBis;
    r.m_nOrientierung = w.nRichtungen;
    r.m_nEndTaste = w.nEndTaste;
    r.m_dGeschwindigkeit = w.dGeschwindigkeit;
    r.m_nReihenfolge = w.nReihenfolge;
    r.m_nWiederholungen = w.nWiederholungen;
}

// A page of the test sheet. Its two method radio buttons choose the page's
// test kind; while the test is of another kind the page shows both
// unchecked, stores nothing and keeps its controls disabled. The left
// column is the same on both pages; the right one holds two groups of
// graded ranges ("Abstufungen", "zwischen" .. "und").
class CTestSeite : public CSeite {
public:
    // Names and texts of the four direction keys' labels and lists, in the
    // order of CAblaufWerte::nTaste.
    struct CTastenText {
        const char* name;
        const char* text;
    };
    // reihenfolgeName names the trial orders 0 to 6 of the order list.
    CTestSeite(const QString& titel, int testart, const CTastenText (&tasten)[4], std::string (*reihenfolgeName)(int));

    void SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, CTest* test);

protected:
    // The vertical group lies this much below the horizontal one.
    static constexpr int kVertikal = 197;

    // How a range is shown: in the user's unit across or upwards, or a
    // fraction in percent with one decimal.
    enum class EUmrechnung { X, Y, Prozent };
    // Two lines: "text" "Abstufungen" [count]; "zwischen" [from] "und" [to].
    struct CStufen {
        CFeld* anzahl = nullptr;
        CFeld* von = nullptr;
        CFeld* bis = nullptr;
        EUmrechnung art = EUmrechnung::X;
    };

    void ZeigeDaten() override;
    void LeseDaten() override;

    // The record's shared values, and the record stored with them and the
    // right column read in.
    virtual CAblaufWerte HoleAblauf() const = 0;
    virtual void ZeigeRechts() = 0;
    virtual void Speichern(const CAblaufWerte& werte) = 0;

    void ErzeugeLinkeSpalte();
    // The block whose first line's top is y; name prefixes its controls.
    CStufen ErzeugeStufen(const std::string& name, const QString& text, int y, EUmrechnung art);
    // A field of the right column that follows the page's active state.
    void RechtsFreigeben(QWidget* w) { m_Rechts.push_back(w); }
    void ZeigeStufen(const CStufen& s, int anzahl, double von, double bis);
    void LiesStufen(const CStufen& s, int32_t& anzahl, double& von, double& bis) const;

    CTest* m_pTest = nullptr;

private:
    int m_nTestart;
    CTastenText m_TastenText[4];
    std::vector<std::string> m_Reihenfolge;
    std::vector<QWidget*> m_Rechts;

    QRadioButton *m_pVerfahrenA = nullptr, *m_pVerfahrenB = nullptr;
    QRadioButton *m_pStartTaste = nullptr, *m_pStartZeit = nullptr;
    QComboBox* m_pStarttaste = nullptr;
    QLabel *m_pPauseZwischen = nullptr, *m_pPauseUnd = nullptr;
    CFeld *m_pPauseMin = nullptr, *m_pPauseMax = nullptr;
    QCheckBox *m_pHorizontal = nullptr, *m_pVertikal = nullptr;
    QLabel* m_pTastenText[4] = {};
    QComboBox* m_pTasten[4] = {};
    QLabel *m_pGeschwindigkeitText = nullptr, *m_pEndtasteText = nullptr;
    CFeld* m_pGeschwindigkeit = nullptr;
    QComboBox* m_pEndtaste = nullptr;
    CFeld *m_pPermutationen = nullptr, *m_pWiederholungen = nullptr, *m_pBeginn = nullptr;
    QComboBox* m_pReihenfolge = nullptr;
};
