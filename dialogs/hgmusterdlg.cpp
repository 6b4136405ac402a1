#include "dialogs/hgmusterdlg.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

CHGMusterDlg::CHGMusterDlg() : CHGSeite("Muster") {}

void CHGMusterDlg::ErzeugeSteuerelemente()
{
    Gruppe("gruppeArt", "Musterart", Kante(5, 5, 305, 151));
    m_pKein = Option("kein", "Kein Muster", Kante(15, 20, 295, 40), true);
    m_pStreifen = Option("streifen", "Muster aus Streifen", Kante(15, 41, 295, 61));
    m_pZeichen = Option("zeichen", "Muster aus Zeichen", Kante(15, 62, 295, 82));
    m_pPunkte = Option("punkte", "Zufallspunktmuster (Pixel)", Kante(15, 83, 295, 103));

    Gruppe("gruppeZeichen", "Zeichen", Kante(310, 5, 610, 151));
    m_pFormText = Beschriftung("formText", "Art des Zeichens", Kante(320, 23, 460, 38));
    m_pForm = Liste("form", Kante(470, 19, 600, 119));
    m_pVerteilungText = Beschriftung("verteilungText", "Verteilung", Kante(320, 44, 600, 59));
    m_pGeordnet = Option("geordnet", "Geordnet", Kante(320, 41, 600, 61), true);
    // "Geordnet" covers the label on the same line, as an opaque button
    // would; two texts drawn over each other would be unreadable.
    m_pVerteilungText->hide();
    m_pPseudo = Option("pseudozufaellig", "Pseudozufällig", Kante(320, 83, 600, 103));
    m_pZufaellig = Option("zufaellig", "Zufällig", Kante(320, 104, 600, 124));
    m_pZeilenText = Beschriftung("zeilenText", "Zeilen", Kante(330, 65, 390, 80));
    m_pZeilen = Zahlfeld("zeilen", Kante(400, 63, 460, 81));
    m_pSpaltenText = Beschriftung("spaltenText", "Spalten", Kante(470, 65, 530, 80));
    m_pSpalten = Zahlfeld("spalten", Kante(540, 63, 600, 81));
    m_pAnzahlText = Beschriftung("anzahlText", "Anzahl von Zeichen", Kante(330, 128, 530, 143));
    m_pAnzahl = Zahlfeld("anzahl", Kante(540, 126, 600, 144));

    Gruppe("gruppeDarstellung", "Darstellung", Kante(310, 156, 610, 218));
    m_pBreiteText = Beschriftung("breiteText", MitEinheit("Streifen-, Zeichen-, Punktbreite"),
                                 Kante(320, 174, 530, 189));
    m_pBreite = Zahlfeld("breite", Kante(540, 172, 600, 190));
    m_pZyklusText = Beschriftung("zyklusText", MitEinheitMaxX("Zyklusbreite"), Kante(320, 195, 530, 210));
    m_pZyklus = Zahlfeld("zyklus", Kante(540, 193, 600, 211));

    Gruppe("gruppeDurchsicht", "Durchsichtigkeit des Hintergrundmusters", Kante(310, 223, 610, 264));
    m_pGesamt = Option("gesamt", "Gesamter HG", Kante(320, 238, 406, 258), true);
    m_pFrei = Option("frei", "Nur freier HG", Kante(416, 238, 502, 258));
    m_pRand = Option("rand", "Nur Rand", Kante(512, 238, 598, 258));

    m_pForm->addItems({"Rechteck", "Ellipse", "Pfeil"});
}

void CHGMusterDlg::ZeigeDaten()
{
    const CHGMuster m = GetHGMuster();
    Waehlen(m.m_nArt == 10 ? m_pStreifen : m.m_nArt == 20 ? m_pZeichen : m.m_nArt == 30 ? m_pPunkte : m_pKein);
    Auswaehlen(m_pForm, m.m_nForm == 1 || m.m_nForm == 2 ? m.m_nForm : 0);
    Waehlen(m.m_nVerteilung == 1 ? m_pPseudo : m.m_nVerteilung == 2 ? m_pZufaellig : m_pGeordnet);
    Waehlen(m.m_nDurchsichtigkeit == 0 ? m_pGesamt : m.m_nDurchsichtigkeit == 1 ? m_pFrei : m_pRand);

    ZeigeAnzahl(m_pZeilen, m.m_nZeilen);
    ZeigeAnzahl(m_pSpalten, m.m_nSpalten);
    ZeigeAnzahl(m_pAnzahl, m.m_nAnzahl);
    ZeigeLaengeX(m_pBreite, m.m_dElementbreite);
    ZeigeLaengeX(m_pZyklus, m.m_dZyklusbreite);

    const bool zeichen = m.m_nArt == 20;
    const bool zufall = m.m_nVerteilung == 1 || m.m_nVerteilung == 2;
    Freigeben({m_pFormText, m_pForm, m_pVerteilungText, m_pGeordnet, m_pPseudo, m_pZufaellig}, zeichen);
    Freigeben({m_pZeilenText, m_pZeilen, m_pSpaltenText, m_pSpalten}, zeichen && !zufall);
    Freigeben({m_pAnzahlText, m_pAnzahl}, zeichen && zufall);
    const bool muster = m.m_nArt == 10 || zeichen || m.m_nArt == 30;
    Freigeben({m_pBreiteText, m_pBreite, m_pZyklusText, m_pZyklus, m_pGesamt, m_pFrei, m_pRand}, muster);
    update();
}

void CHGMusterDlg::LeseDaten()
{
    CHGMuster m;
    // No pattern is written as 40; the setter stores it as 0.
    m.m_nArt = Gewaehlt(m_pStreifen) ? 10 : Gewaehlt(m_pZeichen) ? 20 : Gewaehlt(m_pPunkte) ? 30 : 40;
    m.m_nForm = m_pForm->currentIndex();
    m.m_nVerteilung = Gewaehlt(m_pPseudo) ? 1 : Gewaehlt(m_pZufaellig) ? 2 : 0;
    m.m_nDurchsichtigkeit = Gewaehlt(m_pGesamt) ? 0 : Gewaehlt(m_pFrei) ? 1 : 2;
    m.m_nZeilen = LiesAnzahl(m_pZeilen);
    m.m_nSpalten = LiesAnzahl(m_pSpalten);
    m.m_nAnzahl = LiesAnzahl(m_pAnzahl);
    m.m_dElementbreite = LiesLaengeX(m_pBreite);
    m.m_dZyklusbreite = LiesLaengeX(m_pZyklus);
    SetHGMuster(m);
}
