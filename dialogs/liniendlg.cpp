#include "dialogs/liniendlg.h"

#include "model/test.h"
#include "model/testtexte.h"

namespace {

constexpr CTestSeite::CTastenText kTasten[4] = {
    {"links", "links"}, {"rechts", "rechts"}, {"unten", "unten"}, {"oben", "oben"}};

} // namespace

CLinienDlg::CLinienDlg() : CTestSeite("Linienhalbierung", TESTART_LINIEN, kTasten, LinienReihenfolgeName) {}

void CLinienDlg::ErzeugeSteuerelemente()
{
    ErzeugeLinkeSpalte();
    for (int g = 0; g < 2; ++g) {
        const int d = g * kVertikal;
        const bool h = g == 0;
        const std::string p = h ? "h" : "v";
        Gruppe(h ? "gruppeHorizontal" : "gruppeVertikal", h ? "Horizontale Linien" : "Vertikale Linien",
               Kante(310, 5 + d, 610, 197 + d));
        Beschriftung((p + "DickeText").c_str(), MitEinheit("Linienstärke"), Kante(320, 23 + d, 540, 38 + d));
        CFeld* dicke = Zahlfeld((p + "Dicke").c_str(), Kante(540, 21 + d, 600, 39 + d));
        RechtsFreigeben(dicke);
        (h ? m_pHDicke : m_pVDicke) = dicke;
        // Positions and lengths across the line: x for the horizontal lines.
        const EUmrechnung art = h ? EUmrechnung::X : EUmrechnung::Y;
        (h ? m_HPosition : m_VPosition) = ErzeugeStufen(
            p + "Position", MitEinheit(h ? "Horiz. Position" : "Vert. Position"), 41 + d, art);
        (h ? m_HLaenge : m_VLaenge) = ErzeugeStufen(p + "Laenge", MitEinheit("Länge der Linie"), 83 + d, art);
        (h ? m_HTrenn : m_VTrenn) = ErzeugeStufen(p + "Trenn", "Lage der Trennlinie [%/L]", 125 + d,
                                                  EUmrechnung::Prozent);
    }
}

CAblaufWerte CLinienDlg::HoleAblauf() const
{
    const CLinien l = m_pTest->GetLinien();
    CAblaufWerte w = AblaufAus(l);
    w.nTaste[0] = l.m_nTasteLinks;
    w.nTaste[1] = l.m_nTasteRechts;
    w.nTaste[2] = l.m_nTasteUnten;
    w.nTaste[3] = l.m_nTasteOben;
    w.nStartDurchgang = l.m_nStartDurchgang;
    return w;
}

void CLinienDlg::ZeigeRechts()
{
    const CLinien l = m_pTest->GetLinien();
    // A thickness runs across its line.
    ZeigeLaengeY(m_pHDicke, l.m_dHDicke);
    ZeigeLaengeX(m_pVDicke, l.m_dVDicke);
    ZeigeStufen(m_HPosition, l.m_nHPositionStufen, l.m_dHPositionVon, l.m_dHPositionBis);
    ZeigeStufen(m_HLaenge, l.m_nHLaengeStufen, l.m_dHLaengeVon, l.m_dHLaengeBis);
    ZeigeStufen(m_HTrenn, l.m_nHTrennStufen, l.m_dHTrennVon, l.m_dHTrennBis);
    ZeigeStufen(m_VPosition, l.m_nVPositionStufen, l.m_dVPositionVon, l.m_dVPositionBis);
    ZeigeStufen(m_VLaenge, l.m_nVLaengeStufen, l.m_dVLaengeVon, l.m_dVLaengeBis);
    ZeigeStufen(m_VTrenn, l.m_nVTrennStufen, l.m_dVTrennVon, l.m_dVTrennBis);
}

void CLinienDlg::Speichern(const CAblaufWerte& w)
{
    CLinien l = m_pTest->GetLinien();
    AblaufIn(w, l);
    l.m_nTasteLinks = w.nTaste[0];
    l.m_nTasteRechts = w.nTaste[1];
    l.m_nTasteUnten = w.nTaste[2];
    l.m_nTasteOben = w.nTaste[3];
    l.m_nStartDurchgang = w.nStartDurchgang;

    l.m_dHDicke = LiesLaengeY(m_pHDicke);
    l.m_dVDicke = LiesLaengeX(m_pVDicke);
    LiesStufen(m_HPosition, l.m_nHPositionStufen, l.m_dHPositionVon, l.m_dHPositionBis);
    LiesStufen(m_HLaenge, l.m_nHLaengeStufen, l.m_dHLaengeVon, l.m_dHLaengeBis);
    LiesStufen(m_HTrenn, l.m_nHTrennStufen, l.m_dHTrennVon, l.m_dHTrennBis);
    LiesStufen(m_VPosition, l.m_nVPositionStufen, l.m_dVPositionVon, l.m_dVPositionBis);
    LiesStufen(m_VLaenge, l.m_nVLaengeStufen, l.m_dVLaengeVon, l.m_dVLaengeBis);
    LiesStufen(m_VTrenn, l.m_nVTrennStufen, l.m_dVTrennVon, l.m_dVTrennBis);
    m_pTest->SetLinien(l);
}
