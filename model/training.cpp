#include "model/training.h"

#include <cmath>

#include "model/begrenzung.h"
#include "model/umgebungswerte.h"
#include "platform/draw/dc.h"
#include "workplace/umgebung.h"

CTraining::CTraining() = default;

CTraining::CTraining(const CTraining& andere) { *this = andere; }

CTraining::~CTraining() = default;

CTraining& CTraining::operator=(const CTraining& andere)
{
    if (this == &andere)
        return *this;
    // The environment first: the setters below clamp against it.
    m_pUmgebung = andere.m_pUmgebung;
    m_strPfad = andere.m_strPfad;
    m_nAufgabenart = andere.m_nAufgabenart;
    m_strAufgabenName = andere.m_strAufgabenName;
    SetSakkaden(andere.m_Sakkaden);
    SetExploration(andere.m_Exploration);
    SetSatzAufgabe(andere.m_SatzAufgabe);
    SetText(andere.m_Text);
    SetSonstiges(andere.m_Sonstiges);
    m_Hintergrund.Uebernehmen(andere.m_Hintergrund, m_pUmgebung);
    BerichteZuruecksetzen();
    return *this;
}

void CTraining::SetAufgabenart(int code)
{
    m_nAufgabenart = code;
    switch (code) {
    case AUFGABENART_SAKKADEN: m_strAufgabenName = "Sakkaden"; break;
    case AUFGABENART_EXPLORATION: m_strAufgabenName = "Exploration"; break;
    case AUFGABENART_TEXT: m_strAufgabenName = "Text lesen"; break;
    case AUFGABENART_SONSTIGES: m_strAufgabenName = "Sonstiges"; break;
    default: m_strAufgabenName = "Keine Auswahl";
    }
}

// A stimulus set and the range of stimuli used from it. A negative set
// means none and leaves the range alone. Without an environment only the
// lower ends are known.
static void BegrenzeReizauswahl(int& liste, int& von, int& bis, const CUmgebung* u, bool zweiteTabelle)
{
    if (liste < 0) {
        liste = -1;
        return;
    }
    if (u) {
        const int listen = zweiteTabelle ? Reizlistenanzahl2(*u) : Reizlistenanzahl(*u);
        if (liste >= listen)
            liste = listen - 1;
    }
    if (von < 1)
        von = 1;
    if (bis < 1)
        bis = 1;
    if (u) {
        const int reize = zweiteTabelle ? Reizanzahl2(*u, liste) : Reizanzahl(*u, liste);
        if (bis > reize)
            bis = reize;
    }
    if (von > bis)
        von = bis;
}

static void BegrenzeSchritt(int& min, int& max, int anzahl)
{
    if (min < 0)
        min = 0;
    if (max > anzahl - 1)
        max = anzahl - 1;
    if (max < 0)
        max = 0;
    if (min > max)
        min = max;
}

// Character size, picture width and height, in the order that lets a large
// character raise the picture height before both are cut to the display.
static void BegrenzeBildgroessen(double& zeichen, double& breite, double& hoehe)
{
    if (!(zeichen >= 0.0))
        zeichen = 0.0;
    if (!(hoehe >= zeichen))
        hoehe = zeichen;
    BegrenzeAnteil(breite);
    BegrenzeAnteil(hoehe);
    if (zeichen > hoehe)
        zeichen = hoehe;
}

void CTraining::SetSakkaden(CSakkaden r)
{
    if (r.m_nDurchgangsende == 2 && r.m_nRueckmeldung != 1)
        r.m_nDurchgangsende = 0;
    BegrenzeBereich(r.m_dDauerMin, r.m_dDauerMax, 0.0, kSekundenMax);
    BegrenzeBereich(r.m_dPauseMin, r.m_dPauseMax, 0.0, kSekundenMax);
    // Reserved: carried unchanged, but never as a value no file can hold.
    if (!std::isfinite(r.m_dReserve5))
        r.m_dReserve5 = CSakkaden().m_dReserve5;
    BegrenzeReizauswahl(r.m_nZielliste, r.m_nZielVon, r.m_nZielBis, m_pUmgebung, false);
    BegrenzeAnzahl(r.m_nDurchgaenge, kDurchgaengeMax);
    if (r.m_nZeilen < 1)
        r.m_nZeilen = 1;
    if (r.m_nSpalten < 1)
        r.m_nSpalten = 1;
    BegrenzeAnzahl(r.m_nZeilen, kRasterMax);
    BegrenzeAnzahl(r.m_nSpalten, kRasterMax);
    BegrenzeSchritt(r.m_nSchrittXMin, r.m_nSchrittXMax, r.m_nSpalten);
    BegrenzeSchritt(r.m_nSchrittYMin, r.m_nSchrittYMax, r.m_nZeilen);
    BegrenzeBildgroessen(r.m_dZeichengroesse, r.m_dBildbreite, r.m_dBildhoehe);
    m_Sakkaden = r;
}

void CTraining::SetExploration(CExploration r)
{
    if (r.m_nStrategie <= 20)
        r.m_nAnordnung = 0;
    else if (r.m_nStrategie >= 50)
        r.m_nAnordnung = 1;
    else if (r.m_nAnordnung >= 2)
        r.m_nAnordnung = 1;
    else if (r.m_nAnordnung < 0)
        r.m_nAnordnung = 0;
    BegrenzeReizauswahl(r.m_nZielliste, r.m_nZielVon, r.m_nZielBis, m_pUmgebung, false);
    BegrenzeReizauswahl(r.m_nDistraktorliste, r.m_nDistraktorVon, r.m_nDistraktorBis, m_pUmgebung, true);
    BegrenzeAnzahl(r.m_nZellenZeilen, kZellenMax);
    BegrenzeAnzahl(r.m_nZellenSpalten, kZellenMax);
    BegrenzeAnzahl(r.m_nZeilen, kRasterMax);
    BegrenzeAnzahl(r.m_nSpalten, kRasterMax);
    BegrenzeAnzahl(r.m_nAnzahl, kElementeMax);
    BegrenzeAnzahl(r.m_nHaeufigkeit, kElementeMax);
    BegrenzeBildgroessen(r.m_dZeichengroesse, r.m_dBildbreite, r.m_dBildhoehe);
    CDRechteck& f = r.m_Freiflaeche;
    for (double* kante : {&f.left, &f.right, &f.bottom, &f.top})
        BegrenzeWert(*kante, -0.5, 0.5);
    if (f.left > f.right)
        f.left = f.right;
    if (f.bottom > f.top)
        f.bottom = f.top;
    m_Exploration = r;
}

// Bold or normal, never struck out, and as high as the size in whole pixel
// rows, at most the display's height; the size then follows the height the
// font really got.
static void BegrenzeSchrift(LOGFONT& lf, double& groesse, const CUmgebung* u)
{
    const double kleinste = u ? u->InAnteilY(1.0, 8) : 0.0;
    BegrenzeWert(groesse, kleinste, 1.0);
    lf.lfWeight = lf.lfWeight >= 550 ? 700 : 400;
    lf.lfStrikeOut = 0;
    if (!u)
        return;
    lf.lfHeight = u->AnteilInPixelY(groesse);
    CFont schrift;
    if (schrift.CreateFontIndirect(&lf)) {
        schrift.GetLogFont(&lf);
        schrift.DeleteObject();
    }
    if (lf.lfHeight != 0)
        groesse = u->InAnteilY(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 8);
}

void CTraining::SetText(CText r)
{
    // Beyond a few font heights every line stands alone on its page; the
    // limit only keeps the layout's pixel arithmetic finite.
    constexpr double kZeilenabstandMax = 100.0;
    BegrenzeWert(r.m_dZeilenabstand, 1.0, kZeilenabstandMax);
    BegrenzeSchrift(r.m_lfText, r.m_dTextgroesse, m_pUmgebung);
    BegrenzeSchrift(r.m_lfUeberschrift, r.m_dUeberschriftgroesse, m_pUmgebung);
    BegrenzeAnteil(r.m_dBildbreite);
    BegrenzeAnteil(r.m_dBildhoehe);
    m_Text = r;
}

void CTraining::SetSonstiges(CSonstiges r) { m_Sonstiges = r; }

void CTraining::SetSatzAufgabe(CSatzAufgabe r) { m_SatzAufgabe = r; }

int CTraining::BerichtLoeschen(int i)
{
    const int ergebnis = m_Berichte.RemoveAt(i);
    BerichtWahlBegrenzen(m_Berichte.GetSize(), m_nBerichtNr, m_nSeite);
    return ergebnis;
}

int CTraining::BerichteZuruecksetzen()
{
    const int ergebnis = m_Berichte.RemoveAll();
    m_nSeite = 1;
    m_nBerichtNr = 0;
    return ergebnis;
}
