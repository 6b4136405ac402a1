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
    m_pDauerZwischen = Beschriftung("dauerZwischen", "zwischen", Kante(25, 195, 95, 210));
    m_pDauerMin = Zahlfeld("dauerMin", Kante(95, 193, 155, 211));
    m_pDauerUnd = Beschriftung("dauerUnd", "und", Kante(165, 195, 235, 210));
    m_pDauerMax = Zahlfeld("dauerMax", Kante(235, 193, 295, 211));

    Gruppe("gruppePause", "Zeitintervall zwischen Durchgängen", Kante(5, 223, 305, 306));
    m_pStartTaste = Option("startTaste", "Start durch Trainingsleiter mit Taste", Kante(15, 238, 205, 258), true);
    m_pStartZeit = Option("startZeit", "Variables Zeitintervall [s]", Kante(15, 259, 295, 279));
    m_pStarttaste = Liste("starttaste", Kante(205, 237, 295, 337));
    m_pPauseZwischen = Beschriftung("pauseZwischen", "zwischen", Kante(25, 283, 95, 298));
    m_pPauseMin = Zahlfeld("pauseMin", Kante(95, 281, 155, 299));
    m_pPauseUnd = Beschriftung("pauseUnd", "und", Kante(165, 283, 235, 298));
    m_pPauseMax = Zahlfeld("pauseMax", Kante(235, 281, 295, 299));

    Gruppe("gruppeRueckmeldung", "Rückmeldung", Kante(5, 311, 305, 394));
    m_pKeineRueckmeldung = Option("keineRueckmeldung", "Keine Rückmeldung", Kante(15, 326, 295, 346), true);
    m_pRueckmeldung =
        Option("rueckmeldung", "Rückmeldung durch Traininsgsleiter mit Tasten", Kante(15, 347, 295, 367));
    m_pRichtigText = Beschriftung("richtigText", "richtig", Kante(25, 371, 65, 386));
    m_pTasteRichtig = Liste("tasteRichtig", Kante(65, 367, 155, 467));
    m_pFalschText = Beschriftung("falschText", "falsch", Kante(165, 371, 205, 386));
    m_pTasteFalsch = Liste("tasteFalsch", Kante(205, 367, 295, 467));

    Gruppe("gruppeReize", "Reizauswahl", Kante(310, 5, 610, 109));
    Beschriftung("reizlisteText", "Liste der Zielzeichen", Kante(320, 23, 470, 38));
    m_pReizliste = Liste("reizliste", Kante(470, 19, 600, 119));
    m_pVonText = Beschriftung("vonText", "Auswahl von", Kante(330, 44, 400, 59));
    m_pZielVon = Zahlfeld("zielVon", Kante(400, 42, 460, 60));
    m_pBisText = Beschriftung("bisText", "bis", Kante(470, 44, 540, 59));
    m_pZielBis = Zahlfeld("zielBis", Kante(540, 42, 600, 60));
    Beschriftung("durchgaengeText", "Anzahl der Durchgänge", Kante(320, 65, 540, 80));
    m_pDurchgaenge = Zahlfeld("durchgaenge", Kante(540, 63, 600, 81));

    Gruppe("gruppeVerteilung", "Verteilung", Kante(310, 114, 610, 251));
    Beschriftung("zeilenText", "Zeilen", Kante(320, 132, 400, 147));
    m_pZeilen = Zahlfeld("zeilen", Kante(400, 130, 460, 148));
    Beschriftung("spaltenText", "Spalten", Kante(470, 132, 540, 147));
    m_pSpalten = Zahlfeld("spalten", Kante(540, 130, 600, 148));
    Beschriftung("schrittXText", "Horizontaler Schritt (Spalten) pro Darbietung", Kante(320, 153, 600, 168));
    m_pSchrittXZwischen = Beschriftung("schrittXZwischen", "zwischen", Kante(330, 174, 400, 189));
    m_pSchrittXMin = Zahlfeld("schrittXMin", Kante(400, 172, 460, 190));
    m_pSchrittXUnd = Beschriftung("schrittXUnd", "und", Kante(470, 174, 540, 189));
    m_pSchrittXMax = Zahlfeld("schrittXMax", Kante(540, 172, 600, 190));
    Beschriftung("schrittYText", "Vertikaler Schritt (Zeilen) pro Darbietung", Kante(320, 195, 600, 210));
    m_pSchrittYZwischen = Beschriftung("schrittYZwischen", "zwischen", Kante(330, 216, 400, 231));
    m_pSchrittYMin = Zahlfeld("schrittYMin", Kante(400, 214, 460, 232));
    m_pSchrittYUnd = Beschriftung("schrittYUnd", "und", Kante(470, 216, 540, 231));
    m_pSchrittYMax = Zahlfeld("schrittYMax", Kante(540, 214, 600, 232));

    Gruppe("gruppeDarstellung", "Darstellung", Kante(310, 256, 610, 394));
    Beschriftung("zeichengroesseText", MitEinheit("Zeichengröße"), Kante(320, 274, 540, 289));
    m_pZeichengroesse = Zahlfeld("zeichengroesse", Kante(540, 272, 600, 290));
    Beschriftung("bildbreiteText", MitEinheitMaxX("Bildbreite"), Kante(320, 295, 540, 310));
    m_pBildbreite = Zahlfeld("bildbreite", Kante(540, 293, 600, 311));
    Beschriftung("bildhoeheText", MitEinheitMaxY("Bildhöhe"), Kante(320, 316, 540, 331));
    m_pBildhoehe = Zahlfeld("bildhoehe", Kante(540, 314, 600, 332));

    for (QComboBox* l : {m_pReaktionstaste, m_pTasteRichtig, m_pTasteFalsch, m_pStarttaste})
        TastenEintragen(l);
    ReizsaetzeEintragen(m_pReizliste, false, false);
}

void CSakkadenDlg::ZeigeDaten()
{
    if (!m_pTraining)
        return;
    const CSakkaden s = m_pTraining->GetSakkaden();
    const bool aktiv = m_pTraining->GetAufgabenart() == 10;

    if (aktiv)
        Waehlen(s.m_nModus == 20 ? m_pModusB : m_pModusA);
    else
        Abwaehlen(m_pModusA);
    Waehlen(s.m_nDurchgangsende == 1 ? m_pEndeTaste : s.m_nDurchgangsende == 2 ? m_pEndeRueckmeldung : m_pEndeZeit);
    Waehlen(s.m_nDurchgangsstart == 1 ? m_pStartTaste : m_pStartZeit);
    Waehlen(s.m_nRueckmeldung == 1 ? m_pRueckmeldung : m_pKeineRueckmeldung);

    Auswaehlen(m_pReaktionstaste, s.m_nReaktionstaste);
    Auswaehlen(m_pTasteRichtig, s.m_nTasteRichtig);
    Auswaehlen(m_pTasteFalsch, s.m_nTasteFalsch);
    Auswaehlen(m_pStarttaste, s.m_nStarttaste);
    Auswaehlen(m_pReizliste, s.m_nZielliste);

    ZeigeSekunden(m_pDauerMin, s.m_dDauerMin);
    ZeigeSekunden(m_pDauerMax, s.m_dDauerMax);
    ZeigeSekunden(m_pPauseMin, s.m_dPauseMin);
    ZeigeSekunden(m_pPauseMax, s.m_dPauseMax);
    ZeigeAnzahl(m_pZielVon, s.m_nZielVon);
    ZeigeAnzahl(m_pZielBis, s.m_nZielBis);
    ZeigeAnzahl(m_pDurchgaenge, s.m_nDurchgaenge);
    ZeigeAnzahl(m_pZeilen, s.m_nZeilen);
    ZeigeAnzahl(m_pSpalten, s.m_nSpalten);
    ZeigeAnzahl(m_pSchrittXMin, s.m_nSchrittXMin);
    ZeigeAnzahl(m_pSchrittXMax, s.m_nSchrittXMax);
    ZeigeAnzahl(m_pSchrittYMin, s.m_nSchrittYMin);
    ZeigeAnzahl(m_pSchrittYMax, s.m_nSchrittYMax);
    ZeigeLaengeY(m_pZeichengroesse, s.m_dZeichengroesse);
    ZeigeLaengeX(m_pBildbreite, s.m_dBildbreite);
    ZeigeLaengeY(m_pBildhoehe, s.m_dBildhoehe);

    Freigeben({m_pEndeTaste, m_pEndeZeit, m_pStartTaste, m_pStartZeit, m_pKeineRueckmeldung, m_pRueckmeldung,
               m_pReizliste, m_pVonText, m_pZielVon, m_pBisText, m_pZielBis, m_pDurchgaenge, m_pZeilen, m_pSpalten,
               m_pZeichengroesse, m_pBildbreite, m_pBildhoehe},
              aktiv);
    Freigeben(m_pEndeRueckmeldung, aktiv && s.m_nRueckmeldung == 1);
    Freigeben(m_pReaktionstaste, aktiv && s.m_nDurchgangsende == 1);
    Freigeben({m_pDauerZwischen, m_pDauerMin, m_pDauerUnd, m_pDauerMax}, aktiv && s.m_nDurchgangsende == 0);
    Freigeben({m_pRichtigText, m_pTasteRichtig, m_pFalschText, m_pTasteFalsch}, aktiv && s.m_nRueckmeldung == 1);
    Freigeben(m_pStarttaste, aktiv && s.m_nDurchgangsstart == 1);
    Freigeben({m_pPauseZwischen, m_pPauseMin, m_pPauseUnd, m_pPauseMax}, aktiv && s.m_nDurchgangsstart != 1);
    Freigeben({m_pSchrittXZwischen, m_pSchrittXMin, m_pSchrittXUnd, m_pSchrittXMax, m_pSchrittYZwischen,
               m_pSchrittYMin, m_pSchrittYUnd, m_pSchrittYMax},
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
    m_pTraining->SetAufgabenart(10);

    s.m_nDurchgangsende = Gewaehlt(m_pEndeTaste) ? 1 : Gewaehlt(m_pEndeRueckmeldung) ? 2 : 0;
    s.m_nRueckmeldung = Gewaehlt(m_pRueckmeldung) ? 1 : 0;
    s.m_nDurchgangsstart = Gewaehlt(m_pStartTaste) ? 1 : 0;

    s.m_nReaktionstaste = m_pReaktionstaste->currentIndex();
    s.m_nTasteRichtig = m_pTasteRichtig->currentIndex();
    s.m_nTasteFalsch = m_pTasteFalsch->currentIndex();
    s.m_nStarttaste = m_pStarttaste->currentIndex();
    s.m_nZielliste = m_pReizliste->currentIndex();

    s.m_dDauerMin = LiesSekunden(m_pDauerMin);
    s.m_dDauerMax = LiesSekunden(m_pDauerMax);
    s.m_dPauseMin = LiesSekunden(m_pPauseMin);
    s.m_dPauseMax = LiesSekunden(m_pPauseMax);
    s.m_nZielVon = LiesAnzahl(m_pZielVon);
    s.m_nZielBis = LiesAnzahl(m_pZielBis);
    s.m_nDurchgaenge = LiesAnzahl(m_pDurchgaenge);
    s.m_nZeilen = LiesAnzahl(m_pZeilen);
    s.m_nSpalten = LiesAnzahl(m_pSpalten);
    s.m_nSchrittXMin = LiesAnzahl(m_pSchrittXMin);
    s.m_nSchrittXMax = LiesAnzahl(m_pSchrittXMax);
    s.m_nSchrittYMin = LiesAnzahl(m_pSchrittYMin);
    s.m_nSchrittYMax = LiesAnzahl(m_pSchrittYMax);
    s.m_dZeichengroesse = LiesLaengeY(m_pZeichengroesse);
    s.m_dBildbreite = LiesLaengeX(m_pBildbreite);
    s.m_dBildhoehe = LiesLaengeY(m_pBildhoehe);

    m_pTraining->SetSakkaden(s);
}
