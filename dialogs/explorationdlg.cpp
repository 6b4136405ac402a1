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
    m_pStrategie[2] =
        Option("strategie20", "B) Suchfolie mit Zeilen- und Spaltenhinweis", Kante(15, 104, 295, 124));
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
    m_pZielVonText = Beschriftung("zielVonText", "Auswahl von", Kante(330, 44, 400, 59));
    m_pZielVon = Zahlfeld("zielVon", Kante(400, 42, 460, 60));
    m_pZielBisText = Beschriftung("zielBisText", "bis", Kante(470, 44, 540, 59));
    m_pZielBis = Zahlfeld("zielBis", Kante(540, 42, 600, 60));
    m_pHaeufigkeitText = Beschriftung("haeufigkeitText", "Auftretenshäufigkeit", Kante(330, 65, 540, 80));
    m_pHaeufigkeit = Zahlfeld("haeufigkeit", Kante(540, 63, 600, 81));
    Beschriftung("distraktorlisteText", "Liste der Distraktorzeichen", Kante(320, 86, 470, 101));
    m_pDistraktorliste = Liste("distraktorliste", Kante(470, 82, 600, 182));
    m_pDistraktorVonText = Beschriftung("distraktorVonText", "Auswahl von", Kante(330, 107, 400, 122));
    m_pDistraktorVon = Zahlfeld("distraktorVon", Kante(400, 105, 460, 123));
    m_pDistraktorBisText = Beschriftung("distraktorBisText", "bis", Kante(470, 107, 540, 122));
    m_pDistraktorBis = Zahlfeld("distraktorBis", Kante(540, 105, 600, 123));

    Gruppe("gruppeVerteilung", "Verteilung", Kante(310, 135, 610, 260));
    m_pGeordnet = Option("geordnet", "Geordnet", Kante(320, 150, 600, 170), true);
    m_pPseudozufaellig = Option("pseudozufaellig", "Pseudozufällig", Kante(320, 192, 600, 212));
    m_pZeilenText = Beschriftung("zeilenText", "Zeilen", Kante(330, 174, 400, 189));
    m_pZeilen = Zahlfeld("zeilen", Kante(400, 172, 460, 190));
    m_pSpaltenText = Beschriftung("spaltenText", "Spalten", Kante(470, 174, 540, 189));
    m_pSpalten = Zahlfeld("spalten", Kante(540, 172, 600, 190));
    m_pAnzahlText = Beschriftung("anzahlText", "Anzahl von Zeichen", Kante(330, 216, 540, 231));
    m_pAnzahl = Zahlfeld("anzahl", Kante(540, 214, 600, 232));

    Gruppe("gruppeDarstellung", "Darstellung", Kante(310, 265, 610, 390));
    Beschriftung("zeichengroesseText", MitEinheit("Zeichengröße"), Kante(320, 283, 540, 298));
    m_pZeichengroesse = Zahlfeld("zeichengroesse", Kante(540, 281, 600, 299));
    Beschriftung("bildbreiteText", MitEinheitMaxX("Bildbreite"), Kante(320, 304, 540, 319));
    m_pBildbreite = Zahlfeld("bildbreite", Kante(540, 302, 600, 320));
    Beschriftung("bildhoeheText", MitEinheitMaxY("Bildhöhe"), Kante(320, 325, 540, 340));
    m_pBildhoehe = Zahlfeld("bildhoehe", Kante(540, 323, 600, 341));

    m_pZellen->addItems({"2 x 2", "2 x 3", "3 x 3", "3 x 4", "4 x 4", "4 x 5"});
    ReizsaetzeEintragen(m_pZielliste, true, false);
    ReizsaetzeEintragen(m_pDistraktorliste, true, true);
}

void CExplorationDlg::ZeigeDaten()
{
    if (!m_pTraining)
        return;
    const CExploration e = m_pTraining->GetExploration();
    const bool aktiv = m_pTraining->GetAufgabenart() == 20;
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
    const bool zellenBekannt =
        e.m_nZellenZeilen >= 2 && e.m_nZellenZeilen <= 4 && e.m_nZellenSpalten >= 2 && e.m_nZellenSpalten <= 5;
    Auswaehlen(m_pZellen, zellenBekannt ? e.m_nZellenZeilen + e.m_nZellenSpalten - 4 : 0);
    Setzen(m_pMauszeiger, e.m_nMauszeiger == 1);
    Auswaehlen(m_pZielliste, e.m_nZielliste + 1);
    Auswaehlen(m_pDistraktorliste, e.m_nDistraktorliste + 1);
    Waehlen(e.m_nAnordnung == 1 || e.m_nAnordnung == 2 ? m_pPseudozufaellig : m_pGeordnet);

    ZeigeAnzahl(m_pZielVon, e.m_nZielVon);
    ZeigeAnzahl(m_pZielBis, e.m_nZielBis);
    ZeigeAnzahl(m_pHaeufigkeit, e.m_nHaeufigkeit);
    ZeigeAnzahl(m_pDistraktorVon, e.m_nDistraktorVon);
    ZeigeAnzahl(m_pDistraktorBis, e.m_nDistraktorBis);
    ZeigeAnzahl(m_pZeilen, e.m_nZeilen);
    ZeigeAnzahl(m_pSpalten, e.m_nSpalten);
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
    Freigeben({m_pZielVonText, m_pZielVon, m_pZielBisText, m_pZielBis},
              aktiv && st != 50 && e.m_nZielliste >= 0);
    Freigeben({m_pHaeufigkeitText, m_pHaeufigkeit}, aktiv && st >= 20 && st < 50);
    Freigeben(m_pDistraktorliste, aktiv && st >= 20);
    Freigeben({m_pDistraktorVonText, m_pDistraktorVon, m_pDistraktorBisText, m_pDistraktorBis},
              aktiv && st >= 20 && e.m_nDistraktorliste >= 0);
    Freigeben(m_pGeordnet, aktiv && st != 50);
    Freigeben(m_pPseudozufaellig, aktiv && st >= 30);
    Freigeben({m_pZeilenText, m_pZeilen, m_pSpaltenText, m_pSpalten}, aktiv && zeilenSpalten);
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
    m_pTraining->SetAufgabenart(20);

    const int zellen = m_pZellen->currentIndex();
    const int z = zellen >= 1 && zellen <= 5 ? zellen : 0;
    e.m_nZellenZeilen = kZellen[z][0];
    e.m_nZellenSpalten = kZellen[z][1];
    e.m_nMauszeiger = Gewaehlt(m_pMauszeiger) ? 1 : 0;
    e.m_nZielliste = m_pZielliste->currentIndex() - 1;
    e.m_nDistraktorliste = m_pDistraktorliste->currentIndex() - 1;
    e.m_nAnordnung = Gewaehlt(m_pPseudozufaellig) ? 1 : 0;

    e.m_nZielVon = LiesAnzahl(m_pZielVon);
    e.m_nZielBis = LiesAnzahl(m_pZielBis);
    e.m_nHaeufigkeit = LiesAnzahl(m_pHaeufigkeit);
    e.m_nDistraktorVon = LiesAnzahl(m_pDistraktorVon);
    e.m_nDistraktorBis = LiesAnzahl(m_pDistraktorBis);
    e.m_nZeilen = LiesAnzahl(m_pZeilen);
    e.m_nSpalten = LiesAnzahl(m_pSpalten);
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
