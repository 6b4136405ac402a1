#include "dialogs/hgbewegungdlg.h"

#include <QRadioButton>

CHGBewegungDlg::CHGBewegungDlg() : CHGSeite("Bewegung") {}

void CHGBewegungDlg::ErzeugeSteuerelemente()
{
    Gruppe("gruppeBewegung", "Hintergrundbewegung", Kante(5, 5, 305, 88));
    m_pLinks = Option("links", "Horizontale Bewegung nach links", Kante(15, 20, 295, 40), true);
    m_pRechts = Option("rechts", "Horizontale Bewegung nach rechts", Kante(15, 41, 295, 61));
    Beschriftung("geschwindigkeitText", MitEinheitProSekunde("Bewegungsgeschwindigkeit"), Kante(15, 65, 225, 80));
    m_pGeschwindigkeit = Zahlfeld("geschwindigkeit", Kante(235, 63, 295, 81));
}

void CHGBewegungDlg::ZeigeDaten()
{
    const CHGBewegung b = GetHGBewegung();
    Waehlen(b.m_nRichtung == 1 ? m_pRechts : m_pLinks);
    ZeigeLaengeX(m_pGeschwindigkeit, b.m_dGeschwindigkeit);
    update();
}

void CHGBewegungDlg::LeseDaten()
{
    CHGBewegung b;
    b.m_nRichtung = Gewaehlt(m_pRechts) ? 1 : -1;
    b.m_dGeschwindigkeit = LiesLaengeX(m_pGeschwindigkeit);
    SetHGBewegung(b);
}
