#include "model/testtexte.h"

#include "model/test.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

namespace {

std::string Reihenfolge(const char* const (&namen)[7], int reihenfolge)
{
    return reihenfolge >= 1 && reihenfolge <= 6 ? namen[reihenfolge] : namen[0];
}

// "[a .. b][c .. e]" with every value formatted and followed by its suffix.
std::string Bereiche(double a, double b, double c, double e, int stellen, const std::string& nachsatz)
{
    auto zahl = [&](double v) { return FormatDouble(v, stellen) + nachsatz; };
    return "[" + zahl(a) + " .. " + zahl(b) + "][" + zahl(c) + " .. " + zahl(e) + "]";
}

// Horizontal pair in the user's unit across, vertical pair upwards.
std::string Einheitenbereiche(const CUmgebung* u, double a, double b, double c, double e)
{
    if (!u)
        return {};
    return Bereiche(u->AnteilInEinheitX(a), u->AnteilInEinheitX(b), u->AnteilInEinheitY(c), u->AnteilInEinheitY(e),
                    u->GetDezimalstellen(), " " + u->GetEinheitText());
}

} // namespace

std::string LinienReihenfolgeName(int reihenfolge)
{
    static const char* const namen[7] = {"Zufall",
                                         "Pos x Länge x Lage",
                                         "Pos x Lage x Länge",
                                         "Länge x Pos x Lage",
                                         "Länge x Lage x Pos",
                                         "Lage x Pos x Länge",
                                         "Lage x Länge x Pos"};
    return Reihenfolge(namen, reihenfolge);
}

std::string LaengenReihenfolgeName(int reihenfolge)
{
    static const char* const namen[7] = {"Zufall",           "Pos x Test x Bsp", "Pos x Bsp x Test", "Test x Pos x Bsp",
                                         "Test x Bsp x Pos", "Bsp x Pos x Test", "Bsp x Test x Pos"};
    return Reihenfolge(namen, reihenfolge);
}

std::string CTest::GetBereichText1() const
{
    if (m_nTestart == TESTART_LINIEN)
        return Einheitenbereiche(m_pUmgebung, m_Linien.m_dHPositionVon, m_Linien.m_dHPositionBis,
                                 m_Linien.m_dVPositionVon, m_Linien.m_dVPositionBis);
    if (m_nTestart == TESTART_LAENGEN)
        return Einheitenbereiche(m_pUmgebung, m_Laengen.m_dTestPositionVon, m_Laengen.m_dTestPositionBis,
                                 m_Laengen.m_dVPositionVon, m_Laengen.m_dVPositionBis);
    return {};
}

std::string CTest::GetBereichText2() const
{
    if (m_nTestart == TESTART_LINIEN)
        return Einheitenbereiche(m_pUmgebung, m_Linien.m_dHLaengeVon, m_Linien.m_dHLaengeBis, m_Linien.m_dVLaengeVon,
                                 m_Linien.m_dVLaengeBis);
    if (m_nTestart == TESTART_LAENGEN)
        return Einheitenbereiche(m_pUmgebung, m_Laengen.m_dBspBreiteVon, m_Laengen.m_dBspBreiteBis,
                                 m_Laengen.m_dBspHoeheVon, m_Laengen.m_dBspHoeheBis);
    return {};
}

std::string CTest::GetProzentBereichText() const
{
    if (m_nTestart == TESTART_LINIEN)
        return Bereiche(m_Linien.m_dHTrennVon * 100, m_Linien.m_dHTrennBis * 100, m_Linien.m_dVTrennVon * 100,
                        m_Linien.m_dVTrennBis * 100, 1, " %");
    if (m_nTestart == TESTART_LAENGEN)
        return Bereiche(m_Laengen.m_dTestBreiteVon * 100, m_Laengen.m_dTestBreiteBis * 100,
                        m_Laengen.m_dTestHoeheVon * 100, m_Laengen.m_dTestHoeheBis * 100, 1, " %");
    return {};
}

std::string CTest::GetReihenfolgeText() const
{
    if (m_nTestart == TESTART_LINIEN)
        return LinienReihenfolgeName(m_Linien.m_nReihenfolge);
    if (m_nTestart == TESTART_LAENGEN)
        return LaengenReihenfolgeName(m_Laengen.m_nReihenfolge);
    return {};
}
