#include "dialogs/explorationdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "model/training.h"

namespace {

constexpr int kStrategien[6] = {11, 12, 20, 30, 40, 50};
// Cell grids of strategy 50 by list index: rows, columns.
constexpr int kZellen[6][2] = {{2, 2}, {2, 3}, {3, 3}, {3, 4}, {4, 4}, {4, 5}};

// The list entry of a grid, -1 for a grid the list does not hold.
int ZellenIndex(int zeilen, int spalten)
{
    for (int i = 0; i < 6; ++i)
        if (kZellen[i][0] == zeilen && kZellen[i][1] == spalten)
            return i;
    return -1;
}

} // namespace

CExplorationDlg::CExplorationDlg() : CSeite("Exploration", kAufgabenBreite, kAufgabenHoehe, true) {}

void CExplorationDlg::SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training)
{
    Binden(profil, umgebung);
    m_pTraining = training;
}

void CExplorationDlg::ErzeugeSteuerelemente()
{
    Gruppe("gruppeAufgabenart", "Aufgabenart", Kante(5, 5, 305, 214));
    Beschriftung("demonstrationText", "Demonstration Suchstrategie", Kante(15, 23, 295, 38));
    m_pStrategie[0] = Option("strategie11", "A1) Zeilenstrategie", Kante(15, 41, 295, 61), true);
    m_pStrategie[1] = Option("strategie12", "A2) Spaltenstrategie", Kante(15, 62, 295, 82));
    Beschriftung("uebungenText", "Explorationsübungen", Kante(15, 86, 295, 101));
    m_pStrategie[2] = Option("strategie20", "B) Suchfolie mit Zeilen- und Spaltenhinweis", Kante(15, 104, 295, 124));
    m_pStrategie[3] = Option("strategie30", "C) Suchfolie ohne Hinweis", Kante(15, 125, 295, 145));
    m_pStrategie[4] = Option("strategie40", "D) Vergleich Rand- und Mittenbereich", Kante(15, 146, 295, 166));
    m_pStrategie[5] = Option("strategie50", "E) Vergleich Zellen", Kante(15, 167, 235, 187));
    m_pZellen = Liste("zellen", Kante(235, 166, 295, 266));

    Gruppe("gruppeMauszeiger", "Mauszeiger", Kante(5, 219, 305, 260));
    m_pMauszeiger = Kontrollkaestchen("mauszeiger", "Zeige Mauszeiger", Kante(15, 234, 295, 254));

    Gruppe("gruppeFreiflaeche", "Freifläche", Kante(5, 265, 305, 390));
    Beschriftung("freiXText", MitEinheit("Fläche zw. (links-rechts)"), Kante(15, 283, 165, 298));
    m_pFreiLinks = Zahlfeld("freiLinks", Kante(165, 281, 225, 299));
    m_pFreiRechts = Zahlfeld("freiRechts", Kante(235, 281, 295, 299));
    Beschriftung("freiYText", MitEinheit("und (unten-oben)"), Kante(25, 304, 165, 319));
    m_pFreiUnten = Zahlfeld("freiUnten", Kante(165, 302, 225, 320));
    m_pFreiOben = Zahlfeld("freiOben", Kante(235, 302, 295, 320));

    Gruppe("gruppeReize", "Reizauswahl", Kante(310, 5, 610, 130));
    Beschriftung("ziellisteText", "Liste der Zielzeichen", Kante(320, 23, 470, 38));
    m_pZielliste = Liste("zielliste", Kante(470, 19, 600, 119));
    m_Ziel = Feldpaar(310, 41, 330, {"zielVonText", "zielVon", "zielBisText", "zielBis"}, "Auswahl von", "bis");
    m_pHaeufigkeit = Wertzeile(310, 62, 330, "haeufigkeitText", "Auftretenshäufigkeit", "haeufigkeit",
                               &m_pHaeufigkeitText);
    Beschriftung("distraktorlisteText", "Liste der Distraktorzeichen", Kante(320, 86, 470, 101));
    m_pDistraktorliste = Liste("distraktorliste", Kante(470, 82, 600, 182));
    m_Distraktor = Feldpaar(310, 104, 330, {"distraktorVonText", "distraktorVon", "distraktorBisText", "distraktorBis"},
                            "Auswahl von", "bis");

    Gruppe("gruppeVerteilung", "Verteilung", Kante(310, 135, 610, 260));
    m_pGeordnet = Option("geordnet", "Geordnet", Kante(320, 150, 600, 170), true);
    m_pPseudozufaellig = Option("pseudozufaellig", "Pseudozufällig", Kante(320, 192, 600, 212));
    m_Raster = Feldpaar(310, 171, 330, {"zeilenText", "zeilen", "spaltenText", "spalten"}, "Zeilen", "Spalten");
    m_pAnzahl = Wertzeile(310, 213, 330, "anzahlText", "Anzahl von Zeichen", "anzahl", &m_pAnzahlText);

    Gruppe("gruppeDarstellung", "Darstellung", Kante(310, 265, 610, 390));
    m_pZeichengroesse = Wertzeile(310, 280, 320, "zeichengroesseText", MitEinheit("Zeichengröße"), "zeichengroesse");
    m_pBildbreite = Wertzeile(310, 301, 320, "bildbreiteText", MitEinheitMaxX("Bildbreite"), "bildbreite");
    m_pBildhoehe = Wertzeile(310, 322, 320, "bildhoeheText", MitEinheitMaxY("Bildhöhe"), "bildhoehe");

    m_pZellen->addItems({"2 x 2", "2 x 3", "3 x 3", "3 x 4", "4 x 4", "4 x 5"});
    ReizsaetzeEintragen(m_pZielliste, true, false);
    ReizsaetzeEintragen(m_pDistraktorliste, true, true);
}

void CExplorationDlg::ZeigeDaten()
{
    if (!m_pTraining)
        return;
    const CExploration e = m_pTraining->GetExploration();
    const bool aktiv = m_pTraining->GetAufgabenart() == AUFGABENART_EXPLORATION;
    const int st = e.m_nStrategie;

    if (aktiv) {
        QRadioButton* gewaehlt = m_pStrategie[0];
        for (int i = 0; i < 6; ++i)
            if (kStrategien[i] == st)
                gewaehlt = m_pStrategie[i];
        Waehlen(gewaehlt);
    } else {
        Abwaehlen(m_pStrategie[0]);
    }
    Auswaehlen(m_pZellen, ZellenIndex(e.m_nZellenZeilen, e.m_nZellenSpalten));
    Setzen(m_pMauszeiger, e.m_nMauszeiger == 1);
    Auswaehlen(m_pZielliste, e.m_nZielliste + 1);
    Auswaehlen(m_pDistraktorliste, e.m_nDistraktorliste + 1);
    Waehlen(e.m_nAnordnung == 1 || e.m_nAnordnung == 2 ? m_pPseudozufaellig : m_pGeordnet);

    ZeigeAnzahl(m_Ziel.feld1, e.m_nZielVon);
    ZeigeAnzahl(m_Ziel.feld2, e.m_nZielBis);
    ZeigeAnzahl(m_pHaeufigkeit, e.m_nHaeufigkeit);
    ZeigeAnzahl(m_Distraktor.feld1, e.m_nDistraktorVon);
    ZeigeAnzahl(m_Distraktor.feld2, e.m_nDistraktorBis);
    ZeigeAnzahl(m_Raster.feld1, e.m_nZeilen);
    ZeigeAnzahl(m_Raster.feld2, e.m_nSpalten);
    ZeigeAnzahl(m_pAnzahl, e.m_nAnzahl);
    ZeigeLaengeY(m_pZeichengroesse, e.m_dZeichengroesse);
    ZeigeLaengeX(m_pBildbreite, e.m_dBildbreite);
    ZeigeLaengeY(m_pBildhoehe, e.m_dBildhoehe);
    ZeigeLaengeX(m_pFreiLinks, e.m_Freiflaeche.left);
    ZeigeLaengeX(m_pFreiRechts, e.m_Freiflaeche.right);
    ZeigeLaengeY(m_pFreiUnten, e.m_Freiflaeche.bottom);
    ZeigeLaengeY(m_pFreiOben, e.m_Freiflaeche.top);

    const bool zeilenSpalten = (e.m_nAnordnung < 1 || st < 30) && st != 50;
    Freigeben(m_pZellen, aktiv && st == 50);
    Freigeben({m_pMauszeiger, m_pZeichengroesse, m_pBildbreite, m_pBildhoehe}, aktiv);
    Freigeben(m_pZielliste, aktiv && st != 50);
    Freigeben({m_Ziel.text1, m_Ziel.feld1, m_Ziel.text2, m_Ziel.feld2}, aktiv && st != 50 && e.m_nZielliste >= 0);
    Freigeben({m_pHaeufigkeitText, m_pHaeufigkeit}, aktiv && st >= 20 && st < 50);
    Freigeben(m_pDistraktorliste, aktiv && st >= 20);
    Freigeben({m_Distraktor.text1, m_Distraktor.feld1, m_Distraktor.text2, m_Distraktor.feld2},
              aktiv && st >= 20 && e.m_nDistraktorliste >= 0);
    Freigeben(m_pGeordnet, aktiv && st != 50);
    Freigeben(m_pPseudozufaellig, aktiv && st >= 30);
    Freigeben({m_Raster.text1, m_Raster.feld1, m_Raster.text2, m_Raster.feld2}, aktiv && zeilenSpalten);
    Freigeben({m_pAnzahlText, m_pAnzahl}, aktiv && !zeilenSpalten);
    Freigeben({m_pFreiLinks, m_pFreiRechts, m_pFreiUnten, m_pFreiOben}, aktiv && st >= 20 && st <= 40);
    update();
}

void CExplorationDlg::LeseDaten()
{
    if (!m_pTraining)
        return;
    CExploration e = m_pTraining->GetExploration();
    int gewaehlt = -1;
    for (int i = 5; i >= 0; --i)
        if (Gewaehlt(m_pStrategie[i]))
            gewaehlt = i;
    if (gewaehlt < 0)
        return;
    e.m_nStrategie = kStrategien[gewaehlt];
    m_pTraining->SetAufgabenart(AUFGABENART_EXPLORATION);

    // A grid without an entry shows none and stays as it is.
    const int zellen = LiesAuswahl(m_pZellen, -1);
    if (zellen >= 0) {
        e.m_nZellenZeilen = kZellen[zellen][0];
        e.m_nZellenSpalten = kZellen[zellen][1];
    }
    e.m_nMauszeiger = Gewaehlt(m_pMauszeiger) ? 1 : 0;
    e.m_nZielliste = LiesAuswahl(m_pZielliste, e.m_nZielliste + 1) - 1;
    e.m_nDistraktorliste = LiesAuswahl(m_pDistraktorliste, e.m_nDistraktorliste + 1) - 1;
    e.m_nAnordnung = Gewaehlt(m_pPseudozufaellig) ? 1 : 0;

    e.m_nZielVon = LiesAnzahl(m_Ziel.feld1);
    e.m_nZielBis = LiesAnzahl(m_Ziel.feld2);
    e.m_nHaeufigkeit = LiesAnzahl(m_pHaeufigkeit);
    e.m_nDistraktorVon = LiesAnzahl(m_Distraktor.feld1);
    e.m_nDistraktorBis = LiesAnzahl(m_Distraktor.feld2);
    e.m_nZeilen = LiesAnzahl(m_Raster.feld1);
    e.m_nSpalten = LiesAnzahl(m_Raster.feld2);
    e.m_nAnzahl = LiesAnzahl(m_pAnzahl);
    e.m_dZeichengroesse = LiesLaengeY(m_pZeichengroesse);
    e.m_dBildbreite = LiesLaengeX(m_pBildbreite);
    e.m_dBildhoehe = LiesLaengeY(m_pBildhoehe);
    e.m_Freiflaeche.left = LiesLaengeX(m_pFreiLinks);
    e.m_Freiflaeche.right = LiesLaengeX(m_pFreiRechts);
    e.m_Freiflaeche.bottom = LiesLaengeY(m_pFreiUnten);
    e.m_Freiflaeche.top = LiesLaengeY(m_pFreiOben);

    m_pTraining->SetExploration(e);
}
