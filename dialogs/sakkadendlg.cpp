#include "dialogs/sakkadendlg.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "model/training.h"

CSakkadenDlg::CSakkadenDlg() : CSeite("Sakkaden", kAufgabenBreite, kAufgabenHoehe, true) {}

void CSakkadenDlg::SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training)
{
    Binden(profil, umgebung);
    m_pTraining = training;
}

void CSakkadenDlg::ErzeugeSteuerelemente()
{
    Gruppe("gruppeAufgabenart", "Aufgabenart", Kante(5, 5, 305, 109));
    m_pModusA = Option("modusA", "A) Schrittweise Positionsänderung", Kante(15, 20, 295, 40), true);
    m_pModusB = Option("modusB", "B) Zufällige Positionsänderung", Kante(15, 41, 295, 61));

    Gruppe("gruppeDauer", "Durchgangsdauer", Kante(5, 114, 305, 218));
    m_pEndeTaste = Option("endeTaste", "Reaktion mit Taste", Kante(15, 129, 205, 149), true);
    m_pEndeRueckmeldung = Option("endeRueckmeldung", "Durchgangsende mit Rückmeldung", Kante(15, 150, 295, 170));
    m_pEndeZeit = Option("endeZeit", "Variables Zeitintervall [s]", Kante(15, 171, 295, 191));
    m_pReaktionstaste = Liste("reaktionstaste", Kante(205, 128, 295, 228));
    m_Dauer = Feldpaar(5, 192, 25, {"dauerZwischen", "dauerMin", "dauerUnd", "dauerMax"}, "zwischen", "und");

    Gruppe("gruppePause", "Zeitintervall zwischen Durchgängen", Kante(5, 223, 305, 306));
    m_pStartTaste = Option("startTaste", "Start durch Trainingsleiter mit Taste", Kante(15, 238, 205, 258), true);
    m_pStartZeit = Option("startZeit", "Variables Zeitintervall [s]", Kante(15, 259, 295, 279));
    m_pStarttaste = Liste("starttaste", Kante(205, 237, 295, 337));
    m_Pause = Feldpaar(5, 280, 25, {"pauseZwischen", "pauseMin", "pauseUnd", "pauseMax"}, "zwischen", "und");

    Gruppe("gruppeRueckmeldung", "Rückmeldung", Kante(5, 311, 305, 394));
    m_pKeineRueckmeldung = Option("keineRueckmeldung", "Keine Rückmeldung", Kante(15, 326, 295, 346), true);
    m_pRueckmeldung = Option("rueckmeldung", "Rückmeldung durch Traininsgsleiter mit Tasten", Kante(15, 347, 295, 367));
    m_pRichtigText = Beschriftung("richtigText", "richtig", Kante(25, 371, 65, 386));
    m_pTasteRichtig = Liste("tasteRichtig", Kante(65, 367, 155, 467));
    m_pFalschText = Beschriftung("falschText", "falsch", Kante(165, 371, 205, 386));
    m_pTasteFalsch = Liste("tasteFalsch", Kante(205, 367, 295, 467));

    Gruppe("gruppeReize", "Reizauswahl", Kante(310, 5, 610, 109));
    Beschriftung("reizlisteText", "Liste der Zielzeichen", Kante(320, 23, 470, 38));
    m_pReizliste = Liste("reizliste", Kante(470, 19, 600, 119));
    m_Ziel = Feldpaar(310, 41, 330, {"vonText", "zielVon", "bisText", "zielBis"}, "Auswahl von", "bis");
    m_pDurchgaenge = Wertzeile(310, 62, 320, "durchgaengeText", "Anzahl der Durchgänge", "durchgaenge");

    Gruppe("gruppeVerteilung", "Verteilung", Kante(310, 114, 610, 251));
    m_Raster = Feldpaar(310, 129, 320, {"zeilenText", "zeilen", "spaltenText", "spalten"}, "Zeilen", "Spalten");
    Beschriftung("schrittXText", "Horizontaler Schritt (Spalten) pro Darbietung", Kante(320, 153, 600, 168));
    m_SchrittX = Feldpaar(310, 171, 330, {"schrittXZwischen", "schrittXMin", "schrittXUnd", "schrittXMax"}, "zwischen",
                          "und");
    Beschriftung("schrittYText", "Vertikaler Schritt (Zeilen) pro Darbietung", Kante(320, 195, 600, 210));
    m_SchrittY = Feldpaar(310, 213, 330, {"schrittYZwischen", "schrittYMin", "schrittYUnd", "schrittYMax"}, "zwischen",
                          "und");

    Gruppe("gruppeDarstellung", "Darstellung", Kante(310, 256, 610, 394));
    m_pZeichengroesse = Wertzeile(310, 271, 320, "zeichengroesseText", MitEinheit("Zeichengröße"), "zeichengroesse");
    m_pBildbreite = Wertzeile(310, 292, 320, "bildbreiteText", MitEinheitMaxX("Bildbreite"), "bildbreite");
    m_pBildhoehe = Wertzeile(310, 313, 320, "bildhoeheText", MitEinheitMaxY("Bildhöhe"), "bildhoehe");

    for (QComboBox* l : {m_pReaktionstaste, m_pTasteRichtig, m_pTasteFalsch, m_pStarttaste})
        TastenEintragen(l);
    ReizsaetzeEintragen(m_pReizliste, false, false);
}

void CSakkadenDlg::ZeigeDaten()
{
    if (!m_pTraining)
        return;
    const CSakkaden s = m_pTraining->GetSakkaden();
    const bool aktiv = m_pTraining->GetAufgabenart() == AUFGABENART_SAKKADEN;

    if (aktiv)
        Waehlen(s.m_nModus == 20 ? m_pModusB : m_pModusA);
    else
        Abwaehlen(m_pModusA);
    Waehlen(s.m_nDurchgangsende == 1 ? m_pEndeTaste : s.m_nDurchgangsende == 2 ? m_pEndeRueckmeldung : m_pEndeZeit);
    Waehlen(s.m_nDurchgangsstart == 1 ? m_pStartTaste : m_pStartZeit);
    Waehlen(s.m_nRueckmeldung == 1 ? m_pRueckmeldung : m_pKeineRueckmeldung);

    TasteAuswaehlen(m_pReaktionstaste, s.m_nReaktionstaste);
    TasteAuswaehlen(m_pTasteRichtig, s.m_nTasteRichtig);
    TasteAuswaehlen(m_pTasteFalsch, s.m_nTasteFalsch);
    TasteAuswaehlen(m_pStarttaste, s.m_nStarttaste);
    Auswaehlen(m_pReizliste, s.m_nZielliste);

    ZeigeSekunden(m_Dauer.feld1, s.m_dDauerMin);
    ZeigeSekunden(m_Dauer.feld2, s.m_dDauerMax);
    ZeigeSekunden(m_Pause.feld1, s.m_dPauseMin);
    ZeigeSekunden(m_Pause.feld2, s.m_dPauseMax);
    ZeigeAnzahl(m_Ziel.feld1, s.m_nZielVon);
    ZeigeAnzahl(m_Ziel.feld2, s.m_nZielBis);
    ZeigeAnzahl(m_pDurchgaenge, s.m_nDurchgaenge);
    ZeigeAnzahl(m_Raster.feld1, s.m_nZeilen);
    ZeigeAnzahl(m_Raster.feld2, s.m_nSpalten);
    ZeigeAnzahl(m_SchrittX.feld1, s.m_nSchrittXMin);
    ZeigeAnzahl(m_SchrittX.feld2, s.m_nSchrittXMax);
    ZeigeAnzahl(m_SchrittY.feld1, s.m_nSchrittYMin);
    ZeigeAnzahl(m_SchrittY.feld2, s.m_nSchrittYMax);
    ZeigeLaengeY(m_pZeichengroesse, s.m_dZeichengroesse);
    ZeigeLaengeX(m_pBildbreite, s.m_dBildbreite);
    ZeigeLaengeY(m_pBildhoehe, s.m_dBildhoehe);

    Freigeben({m_pEndeTaste, m_pEndeZeit, m_pStartTaste, m_pStartZeit, m_pKeineRueckmeldung, m_pRueckmeldung,
               m_pReizliste, m_Ziel.text1, m_Ziel.feld1, m_Ziel.text2, m_Ziel.feld2, m_pDurchgaenge, m_Raster.feld1,
               m_Raster.feld2, m_pZeichengroesse, m_pBildbreite, m_pBildhoehe},
              aktiv);
    Freigeben(m_pEndeRueckmeldung, aktiv && s.m_nRueckmeldung == 1);
    Freigeben(m_pReaktionstaste, aktiv && s.m_nDurchgangsende == 1);
    Freigeben({m_Dauer.text1, m_Dauer.feld1, m_Dauer.text2, m_Dauer.feld2}, aktiv && s.m_nDurchgangsende == 0);
    Freigeben({m_pRichtigText, m_pTasteRichtig, m_pFalschText, m_pTasteFalsch}, aktiv && s.m_nRueckmeldung == 1);
    Freigeben(m_pStarttaste, aktiv && s.m_nDurchgangsstart == 1);
    Freigeben({m_Pause.text1, m_Pause.feld1, m_Pause.text2, m_Pause.feld2}, aktiv && s.m_nDurchgangsstart != 1);
    Freigeben({m_SchrittX.text1, m_SchrittX.feld1, m_SchrittX.text2, m_SchrittX.feld2, m_SchrittY.text1,
               m_SchrittY.feld1, m_SchrittY.text2, m_SchrittY.feld2},
              aktiv && s.m_nModus == 10);
    update();
}

void CSakkadenDlg::LeseDaten()
{
    if (!m_pTraining)
        return;
    CSakkaden s = m_pTraining->GetSakkaden();
    if (Gewaehlt(m_pModusA))
        s.m_nModus = 10;
    else if (Gewaehlt(m_pModusB))
        s.m_nModus = 20;
    else
        return;
    m_pTraining->SetAufgabenart(AUFGABENART_SAKKADEN);

    s.m_nDurchgangsende = Gewaehlt(m_pEndeTaste) ? 1 : Gewaehlt(m_pEndeRueckmeldung) ? 2 : 0;
    s.m_nRueckmeldung = Gewaehlt(m_pRueckmeldung) ? 1 : 0;
    s.m_nDurchgangsstart = Gewaehlt(m_pStartTaste) ? 1 : 0;

    s.m_nReaktionstaste = LiesAuswahl(m_pReaktionstaste, s.m_nReaktionstaste);
    s.m_nTasteRichtig = LiesAuswahl(m_pTasteRichtig, s.m_nTasteRichtig);
    s.m_nTasteFalsch = LiesAuswahl(m_pTasteFalsch, s.m_nTasteFalsch);
    s.m_nStarttaste = LiesAuswahl(m_pStarttaste, s.m_nStarttaste);
    s.m_nZielliste = LiesAuswahl(m_pReizliste, s.m_nZielliste);

    s.m_dDauerMin = LiesSekunden(m_Dauer.feld1);
    s.m_dDauerMax = LiesSekunden(m_Dauer.feld2);
    s.m_dPauseMin = LiesSekunden(m_Pause.feld1);
    s.m_dPauseMax = LiesSekunden(m_Pause.feld2);
    s.m_nZielVon = LiesAnzahl(m_Ziel.feld1);
    s.m_nZielBis = LiesAnzahl(m_Ziel.feld2);
    s.m_nDurchgaenge = LiesAnzahl(m_pDurchgaenge);
    s.m_nZeilen = LiesAnzahl(m_Raster.feld1);
    s.m_nSpalten = LiesAnzahl(m_Raster.feld2);
    s.m_nSchrittXMin = LiesAnzahl(m_SchrittX.feld1);
    s.m_nSchrittXMax = LiesAnzahl(m_SchrittX.feld2);
    s.m_nSchrittYMin = LiesAnzahl(m_SchrittY.feld1);
    s.m_nSchrittYMax = LiesAnzahl(m_SchrittY.feld2);
    s.m_dZeichengroesse = LiesLaengeY(m_pZeichengroesse);
    s.m_dBildbreite = LiesLaengeX(m_pBildbreite);
    s.m_dBildhoehe = LiesLaengeY(m_pBildhoehe);

    m_pTraining->SetSakkaden(s);
}
