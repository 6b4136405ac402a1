#include "dialogs/hgaufgabedlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

#include "dialogs/zeichenflaeche.h"
#include "platform/draw/dc_auswahl.h"
#include "platform/draw/qpainter/painter_dc.h"

CHGAufgabeDlg::CHGAufgabeDlg() : CHGSeite("Aufgabe") {}

void CHGAufgabeDlg::ErzeugeSteuerelemente()
{
    Gruppe("gruppeArt", "Aufgabenart", Kante(5, 5, 305, 88));
    m_pKeine = Option("keine", "Keine Hintergrundaufgabe", Kante(15, 20, 295, 40), true);
    m_pFarbe = Option("farbe", "Änderung der Musterfarbe in Zielfarbe", Kante(15, 41, 295, 61));
    m_pGeschwindigkeit = Option("geschwindigkeit", "Änderung der Geschwindigkeit in Zielgeschwindigkeit",
                                Kante(15, 62, 295, 82));

    Gruppe("gruppeDauer", "Durchgangsdauer", Kante(5, 93, 305, 176));
    m_pEndeTaste = Option("endeTaste", "Reaktion mit Taste", Kante(15, 108, 225, 128), true);
    m_pEndeZeit = Option("endeZeit", "Variables Zeitintervall [s]", Kante(15, 129, 295, 149));
    m_pReaktionstaste = Liste("reaktionstaste", Kante(205, 107, 295, 207));
    m_pDauerZwischen = Beschriftung("dauerZwischen", "zwischen", Kante(25, 153, 85, 168));
    m_pDauerMin = Zahlfeld("dauerMin", Kante(95, 151, 155, 169));
    m_pDauerUnd = Beschriftung("dauerUnd", "und", Kante(165, 153, 225, 168));
    m_pDauerMax = Zahlfeld("dauerMax", Kante(235, 151, 295, 169));

    Gruppe("gruppePause", "Zeitintervall zwischen Durchgängen", Kante(5, 181, 305, 285));
    m_pStartTaste = Option("startTaste", "Start durch Trainingsleiter mit Taste", Kante(15, 196, 205, 216), true);
    m_pStartZeit = Option("startZeit", "Variables Zeitintervall [s]", Kante(15, 217, 295, 237));
    m_pStarttaste = Liste("starttaste", Kante(205, 195, 295, 295));
    m_pPauseZwischen = Beschriftung("pauseZwischen", "zwischen", Kante(25, 241, 85, 256));
    m_pPauseMin = Zahlfeld("pauseMin", Kante(95, 239, 155, 257));
    m_pPauseUnd = Beschriftung("pauseUnd", "und", Kante(165, 241, 225, 256));
    m_pPauseMax = Zahlfeld("pauseMax", Kante(235, 239, 295, 257));
    m_pAsynchron = Kontrollkaestchen("asynchron", "Asynchron zu Vordergrundaufgabe", Kante(25, 259, 295, 279));

    Gruppe("gruppeReize", "Reizauswahl", Kante(310, 5, 610, 88));
    Beschriftung("zielfarbeText", "Zielfarbe", Kante(320, 23, 530, 38));
    Beschriftung("zielgeschwindigkeitText", MitEinheitProSekunde("Zielgeschwindigkeit"), Kante(320, 44, 530, 59));
    m_pZielgeschwindigkeit = Zahlfeld("zielgeschwindigkeit", Kante(540, 42, 600, 60));

    TastenEintragen(m_pReaktionstaste);
    TastenEintragen(m_pStarttaste);

    // Above the group boxes, which would tint a swatch painted below them.
    new CZeichenflaeche(this, [this](QPainter& p) { OnPaint(p); });
}

void CHGAufgabeDlg::ZeigeDaten()
{
    const CHGAufgabe a = GetHGAufgabe();
    Waehlen(a.m_nArt == 10 ? m_pFarbe : a.m_nArt == 20 ? m_pGeschwindigkeit : m_pKeine);
    Waehlen(a.m_nDurchgangsende == 1 ? m_pEndeTaste : m_pEndeZeit);
    Waehlen(a.m_nIntervallmodus == 1 ? m_pStartTaste : m_pStartZeit);
    TasteAuswaehlen(m_pReaktionstaste, a.m_nReaktionstaste);
    TasteAuswaehlen(m_pStarttaste, a.m_nStarttaste);
    Setzen(m_pAsynchron, a.m_nAsynchron != 0);

    ZeigeSekunden(m_pDauerMin, a.m_dDauerMin);
    ZeigeSekunden(m_pDauerMax, a.m_dDauerMax);
    ZeigeSekunden(m_pPauseMin, a.m_dIntervallMin);
    ZeigeSekunden(m_pPauseMax, a.m_dIntervallMax);
    ZeigeLaengeX(m_pZielgeschwindigkeit, a.m_dZielgeschwindigkeit);

    const bool aufgabe = a.m_nArt == 10 || a.m_nArt == 20;
    const bool endeTaste = a.m_nDurchgangsende == 1;
    const bool startTaste = a.m_nIntervallmodus == 1;
    Freigeben({m_pEndeTaste, m_pEndeZeit, m_pStartTaste, m_pStartZeit}, aufgabe);
    Freigeben(m_pReaktionstaste, aufgabe && endeTaste);
    Freigeben({m_pDauerZwischen, m_pDauerMin, m_pDauerUnd, m_pDauerMax}, aufgabe && !endeTaste);
    Freigeben(m_pStarttaste, aufgabe && startTaste);
    Freigeben({m_pPauseZwischen, m_pPauseMin, m_pPauseUnd, m_pPauseMax, m_pAsynchron}, aufgabe && !startTaste);
    Freigeben(m_pZielgeschwindigkeit, a.m_nArt == 20);
    update();
}

void CHGAufgabeDlg::LeseDaten()
{
    const CHGAufgabe bisher = GetHGAufgabe();
    CHGAufgabe a;
    a.m_nArt = Gewaehlt(m_pFarbe) ? 10 : Gewaehlt(m_pGeschwindigkeit) ? 20 : 0;
    a.m_nDurchgangsende = Gewaehlt(m_pEndeTaste) ? 1 : 0;
    a.m_nReaktionstaste = LiesAuswahl(m_pReaktionstaste, bisher.m_nReaktionstaste);
    a.m_nIntervallmodus = Gewaehlt(m_pStartTaste) ? 1 : 0;
    a.m_nStarttaste = LiesAuswahl(m_pStarttaste, bisher.m_nStarttaste);
    a.m_nAsynchron = Gewaehlt(m_pAsynchron) ? 1 : 0;
    a.m_dDauerMin = LiesSekunden(m_pDauerMin);
    a.m_dDauerMax = LiesSekunden(m_pDauerMax);
    a.m_dIntervallMin = LiesSekunden(m_pPauseMin);
    a.m_dIntervallMax = LiesSekunden(m_pPauseMax);
    a.m_dZielgeschwindigkeit = LiesLaengeX(m_pZielgeschwindigkeit);
    SetHGAufgabe(a);
}

void CHGAufgabeDlg::OnPaint(QPainter& painter)
{
    // The working copy's target pattern colour; white with nothing bound.
    const COLORREF farbe = IstGebunden() ? GetFarben().m_crZielmuster : RGB(255, 255, 255);
    CPainterDC dc(&painter, false);
    CPen stift(PS_SOLID, 0, RGB(255, 255, 255));
    CBrush pinsel(farbe);
    CDCAuswahl auswahl(&dc);
    auswahl.Waehlen(&stift);
    auswahl.Waehlen(&pinsel);
    dc.Rectangle(540, 23, 600, 38);
}
