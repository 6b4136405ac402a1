#include "dialogs/laengendlg.h"

#include "model/test.h"
#include "model/testtexte.h"

namespace {

constexpr CTestSeite::CTastenText kTasten[4] = {
    {"schmaeler", "schmäler"}, {"breiter", "breiter"}, {"kleiner", "kleiner"}, {"hoeher", "höher"}};

} // namespace

CLaengenDlg::CLaengenDlg() : CTestSeite("Längenschätzung", TESTART_LAENGEN, kTasten, LaengenReihenfolgeName) {}

void CLaengenDlg::ErzeugeSteuerelemente()
{
    ErzeugeLinkeSpalte();
    Gruppe("gruppeHorizontal", "Horizontale Lage und Ausdehnung", Kante(310, 5, 610, 197));
    m_TestPosition = ErzeugeStufen("testPosition", MitEinheit("Position Test"), 20, EUmrechnung::X);
    m_BspBreite = ErzeugeStufen("bspBreite", MitEinheit("Breite Bsp."), 62, EUmrechnung::X);
    m_TestBreite = ErzeugeStufen("testBreite", "Breite Test [%/Bsp.]", 104, EUmrechnung::Prozent);
    Gruppe("gruppeVertikal", "Vertikale Lage und Ausdehnung", Kante(310, 5 + kVertikal, 610, 197 + kVertikal));
    m_Position = ErzeugeStufen("position", MitEinheit("Position Bsp. und Test"), 20 + kVertikal, EUmrechnung::Y);
    m_BspHoehe = ErzeugeStufen("bspHoehe", MitEinheit("Höhe Bsp."), 62 + kVertikal, EUmrechnung::Y);
    m_TestHoehe = ErzeugeStufen("testHoehe", "Höhe Test [%/Bsp.]", 104 + kVertikal, EUmrechnung::Prozent);
}

CAblaufWerte CLaengenDlg::HoleAblauf() const
{
    const CLaengen l = m_pTest->GetLaengen();
    CAblaufWerte w = AblaufAus(l);
    w.nTaste[0] = l.m_nTasteSchmaeler;
    w.nTaste[1] = l.m_nTasteBreiter;
    w.nTaste[2] = l.m_nTasteKleiner;
    w.nTaste[3] = l.m_nTasteHoeher;
    w.nStartDurchgang = static_cast<int>(l.m_uStartDurchgang);
    return w;
}

void CLaengenDlg::ZeigeRechts()
{
    const CLaengen l = m_pTest->GetLaengen();
    ZeigeStufen(m_TestPosition, l.m_nTestPositionStufen, l.m_dTestPositionVon, l.m_dTestPositionBis);
    ZeigeStufen(m_BspBreite, l.m_nBspBreiteStufen, l.m_dBspBreiteVon, l.m_dBspBreiteBis);
    ZeigeStufen(m_TestBreite, l.m_nTestBreiteStufen, l.m_dTestBreiteVon, l.m_dTestBreiteBis);
    ZeigeStufen(m_Position, l.m_nVPositionStufen, l.m_dVPositionVon, l.m_dVPositionBis);
    ZeigeStufen(m_BspHoehe, l.m_nBspHoeheStufen, l.m_dBspHoeheVon, l.m_dBspHoeheBis);
    ZeigeStufen(m_TestHoehe, l.m_nTestHoeheStufen, l.m_dTestHoeheVon, l.m_dTestHoeheBis);
}

void CLaengenDlg::Speichern(const CAblaufWerte& w)
{
    CLaengen l = m_pTest->GetLaengen();
    AblaufIn(w, l);
    l.m_nTasteSchmaeler = w.nTaste[0];
    l.m_nTasteBreiter = w.nTaste[1];
    l.m_nTasteKleiner = w.nTaste[2];
    l.m_nTasteHoeher = w.nTaste[3];
    l.m_uStartDurchgang = static_cast<uint32_t>(w.nStartDurchgang);

    LiesStufen(m_TestPosition, l.m_nTestPositionStufen, l.m_dTestPositionVon, l.m_dTestPositionBis);
    LiesStufen(m_BspBreite, l.m_nBspBreiteStufen, l.m_dBspBreiteVon, l.m_dBspBreiteBis);
    LiesStufen(m_TestBreite, l.m_nTestBreiteStufen, l.m_dTestBreiteVon, l.m_dTestBreiteBis);
    LiesStufen(m_Position, l.m_nVPositionStufen, l.m_dVPositionVon, l.m_dVPositionBis);
    LiesStufen(m_BspHoehe, l.m_nBspHoeheStufen, l.m_dBspHoeheVon, l.m_dBspHoeheBis);
    LiesStufen(m_TestHoehe, l.m_nTestHoeheStufen, l.m_dTestHoeheVon, l.m_dTestHoeheBis);
    m_pTest->SetLaengen(l);
}
