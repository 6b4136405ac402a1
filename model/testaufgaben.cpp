#include "model/testaufgaben.h"

#include "model/begrenzung.h"

#include <climits>

CLinien::CLinien()
    : m_nVerfahren(VERFAHREN_HERSTELLUNG), m_nIntervallModus(0), m_dIntervallVon(1.0), m_dIntervallBis(1.0),
      m_nCursor(0), m_nOrientierung(1), m_nTasteLinks(4), m_nTasteRechts(5), m_nTasteOben(7), m_nTasteUnten(6),
      m_nEndTaste(1), m_nStartTaste(0), m_dGeschwindigkeit(0.055), m_nReihenfolge(5), m_dwRichtungen(0),
      m_nStartDurchgang(1), m_nPermutationen(0), m_nWiederholungen(1), m_nHLaengeStufen(2), m_nHPositionStufen(2),
      m_nHTrennStufen(1), m_nVLaengeStufen(1), m_nVPositionStufen(1), m_nVTrennStufen(1), m_dHDicke(0.006),
      m_dHLaengeVon(0.305), m_dHLaengeBis(0.611), m_dVDicke(0.75 * 0.006), m_dVLaengeVon(0.044), m_dVLaengeBis(0.044),
      m_dHPositionVon(-0.175), m_dHPositionBis(0.175), m_dHTrennVon(0.5), m_dHTrennBis(0.5), m_dVPositionVon(0.0),
      m_dVPositionBis(0.0), m_dVTrennVon(0.0), m_dVTrennBis(0.0)
{
    m_nPermutationen = StufenProdukt(
        {m_nHLaengeStufen, m_nHPositionStufen, m_nHTrennStufen, m_nVLaengeStufen, m_nVPositionStufen, m_nVTrennStufen});
}

CLaengen::CLaengen()
    : m_nVerfahren(VERFAHREN_HERSTELLUNG), m_nIntervallModus(0), m_dIntervallVon(1.0), m_dIntervallBis(1.0),
      m_nCursor(0), m_nOrientierung(1), m_nTasteSchmaeler(51), m_nTasteBreiter(50), m_nTasteKleiner(6),
      m_nTasteHoeher(7), m_dGeschwindigkeit(0.055), m_nEndTaste(1), m_nStartTaste(0), m_nReihenfolge(0),
      m_nRichtungen(0), m_uStartDurchgang(1), m_nPermutationen(0), m_nWiederholungen(1), m_nBspBreiteStufen(3),
      m_nBspHoeheStufen(1), m_nBspVPositionStufen(1), m_nTestBreiteStufen(1), m_nTestHoeheStufen(1),
      m_nTestPositionStufen(1), m_nVPositionStufen(1), m_dBspBreiteVon(0.175), m_dBspBreiteBis(0.305),
      m_dBspHoeheVon(0.029), m_dBspHoeheBis(0.029), m_dTestBreiteVon(0.5), m_dTestBreiteBis(0.5), m_dTestHoeheVon(0.0),
      m_dTestHoeheBis(0.0), m_dTestPositionVon(-0.262), m_dTestPositionBis(-0.262), m_dVPositionVon(0.0),
      m_dVPositionBis(0.0), m_dBspVPositionVon(0.0), m_dBspVPositionBis(0.0)
{
    m_nPermutationen = StufenProdukt({m_nTestPositionStufen, m_nVPositionStufen, m_nBspBreiteStufen,
                                      m_nTestBreiteStufen, m_nBspHoeheStufen, m_nTestHoeheStufen});
}

namespace {

std::string VerfahrenName(int32_t& verfahren)
{
    switch (verfahren) {
    case VERFAHREN_HERSTELLUNG: return "Herstellungsverfahren";
    case VERFAHREN_KONSTANT: return "Verfahren konstanter Reize";
    default: verfahren = 0; return "---";
    }
}

// Method, interval mode, interval bounds and orientation: the same rules
// for both records.
void AblaufBegrenzen(int32_t& verfahren, int32_t& modus, double& von, double& bis, int32_t& orientierung)
{
    if (verfahren != VERFAHREN_HERSTELLUNG && verfahren != VERFAHREN_KONSTANT)
        verfahren = VERFAHREN_HERSTELLUNG;
    if (modus < 0 || modus > 1)
        modus = 0;
    BegrenzeBereich(von, bis, 0.0, kSekundenMax);
    if (orientierung < 1 || orientierung > 3)
        orientierung = 1;
}

// At least one step (two for the answered factor of the constant-stimuli
// method); a single step collapses the factor's range onto its lower bound.
void StufenBegrenzen(int32_t& stufen, double von, double& bis, bool mindestensZwei = false)
{
    if (stufen < 1)
        stufen = 1;
    if (stufen > kDurchgaengeMax)
        stufen = kDurchgaengeMax;
    if (mindestensZwei && stufen < 2)
        stufen = 2;
    if (stufen == 1)
        bis = von;
}

bool Horizontal(int32_t orientierung) { return orientierung == 1 || orientierung == 3; }
bool Vertikal(int32_t orientierung) { return orientierung == 2 || orientierung == 3; }

} // namespace

std::string CLinien::GetVerfahrenName() { return VerfahrenName(m_nVerfahren); }
std::string CLaengen::GetVerfahrenName() { return VerfahrenName(m_nVerfahren); }

int32_t StufenProdukt(std::initializer_list<int32_t> stufen)
{
    int64_t produkt = 1;
    for (int32_t s : stufen) {
        if (s < 1)
            return 1;
        produkt *= s;
        if (produkt > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int32_t>(produkt);
}

int32_t StartDurchgangBegrenzen(int32_t start, int32_t permutationen)
{
    if (permutationen < 1)
        permutationen = 1;
    if (start < 0) {
        start %= permutationen;
        if (start < 0)
            start += permutationen;
    } else if (start > permutationen) {
        start = (start - 1) % permutationen + 1;
    }
    return start;
}

uint32_t StartDurchgangBegrenzen(uint32_t start, int32_t permutationen)
{
    // Unsigned: only the subtracting half of the rule can apply.
    const uint32_t p = permutationen < 1 ? 1u : static_cast<uint32_t>(permutationen);
    if (start > p)
        start = (start - 1) % p + 1;
    return start;
}

void LinienBegrenzen(CLinien& l)
{
    AblaufBegrenzen(l.m_nVerfahren, l.m_nIntervallModus, l.m_dIntervallVon, l.m_dIntervallBis, l.m_nOrientierung);
    BegrenzeWert(l.m_dGeschwindigkeit, 0.0, 120.0);
    const bool konstant = l.m_nVerfahren == VERFAHREN_KONSTANT;

    BegrenzeAnteil(l.m_dHDicke);
    StufenBegrenzen(l.m_nHPositionStufen, l.m_dHPositionVon, l.m_dHPositionBis);
    StufenBegrenzen(l.m_nHLaengeStufen, l.m_dHLaengeVon, l.m_dHLaengeBis);
    StufenBegrenzen(l.m_nHTrennStufen, l.m_dHTrennVon, l.m_dHTrennBis, konstant && Horizontal(l.m_nOrientierung));
    BegrenzeBereich(l.m_dHLaengeVon, l.m_dHLaengeBis, 0.0, 1.0);
    const double h = (1.0 - l.m_dHLaengeBis) / 2.0;
    BegrenzeBereich(l.m_dHPositionVon, l.m_dHPositionBis, -h, h);
    BegrenzeBereich(l.m_dHTrennVon, l.m_dHTrennBis, -0.5, 0.5);

    BegrenzeAnteil(l.m_dVDicke);
    StufenBegrenzen(l.m_nVPositionStufen, l.m_dVPositionVon, l.m_dVPositionBis);
    StufenBegrenzen(l.m_nVLaengeStufen, l.m_dVLaengeVon, l.m_dVLaengeBis);
    StufenBegrenzen(l.m_nVTrennStufen, l.m_dVTrennVon, l.m_dVTrennBis, konstant && Vertikal(l.m_nOrientierung));
    BegrenzeBereich(l.m_dVLaengeVon, l.m_dVLaengeBis, 0.0, 1.0);
    const double v = (1.0 - l.m_dVLaengeBis) / 2.0;
    BegrenzeBereich(l.m_dVPositionVon, l.m_dVPositionBis, -v, v);
    BegrenzeBereich(l.m_dVTrennVon, l.m_dVTrennBis, -0.5, 0.5);

    l.m_nPermutationen = StufenProdukt({l.m_nHLaengeStufen, l.m_nHPositionStufen, l.m_nHTrennStufen, l.m_nVLaengeStufen,
                                        l.m_nVPositionStufen, l.m_nVTrennStufen});
    if (l.m_nWiederholungen < 1)
        l.m_nWiederholungen = 1;
    if (l.m_nWiederholungen > kDurchgaengeMax)
        l.m_nWiederholungen = kDurchgaengeMax;
    l.m_nStartDurchgang = StartDurchgangBegrenzen(l.m_nStartDurchgang, l.m_nPermutationen);
}

void LaengenBegrenzen(CLaengen& l)
{
    AblaufBegrenzen(l.m_nVerfahren, l.m_nIntervallModus, l.m_dIntervallVon, l.m_dIntervallBis, l.m_nOrientierung);
    BegrenzeWert(l.m_dGeschwindigkeit, 0.0, 1.0);
    const bool konstant = l.m_nVerfahren == VERFAHREN_KONSTANT;

    StufenBegrenzen(l.m_nTestPositionStufen, l.m_dTestPositionVon, l.m_dTestPositionBis);
    StufenBegrenzen(l.m_nBspBreiteStufen, l.m_dBspBreiteVon, l.m_dBspBreiteBis);
    StufenBegrenzen(l.m_nTestBreiteStufen, l.m_dTestBreiteVon, l.m_dTestBreiteBis,
                    konstant && Horizontal(l.m_nOrientierung));
    BegrenzeBereich(l.m_dBspBreiteVon, l.m_dBspBreiteBis, 0.0, 0.5);
    BegrenzeBereich(l.m_dTestBreiteVon, l.m_dTestBreiteBis, 0.5, 1.5);

    // The test stimulus, widened by its ratio, stays wholly on its side of
    // the centre and on the display.
    const double w = l.m_dTestBreiteBis > 1.0 ? l.m_dBspBreiteBis * l.m_dTestBreiteBis / 2.0 : l.m_dBspBreiteBis / 2.0;
    const double p = 0.5 - w;
    double& von = l.m_dTestPositionVon;
    double& bis = l.m_dTestPositionBis;
    if (von < 0.0) {
        if (von < -p)
            von = -p;
        if (von > -w)
            von = -w;
        if (!(bis >= von))
            bis = von;
        if (bis > -w)
            bis = -w;
    } else {
        if (!(von >= w))
            von = w;
        if (von > p)
            von = p;
        if (!(bis >= von))
            bis = von;
        if (bis > p)
            bis = p;
    }

    StufenBegrenzen(l.m_nVPositionStufen, l.m_dVPositionVon, l.m_dVPositionBis);
    StufenBegrenzen(l.m_nBspHoeheStufen, l.m_dBspHoeheVon, l.m_dBspHoeheBis);
    StufenBegrenzen(l.m_nTestHoeheStufen, l.m_dTestHoeheVon, l.m_dTestHoeheBis,
                    konstant && Vertikal(l.m_nOrientierung));
    BegrenzeBereich(l.m_dBspHoeheVon, l.m_dBspHoeheBis, 0.0, 0.5);
    BegrenzeBereich(l.m_dTestHoeheVon, l.m_dTestHoeheBis, 0.5, 1.5);
    const double v = l.m_dTestHoeheBis > 1.0 ? (1.0 - l.m_dBspHoeheBis * l.m_dTestHoeheBis) / 2.0
                                             : (1.0 - l.m_dBspHoeheBis) / 2.0;
    BegrenzeBereich(l.m_dVPositionVon, l.m_dVPositionBis, -v, v);
    // Not on the page and taken as they come, up to a display height from
    // the centre, where the example has long left the screen.
    BegrenzeWert(l.m_dBspVPositionVon, -1.0, 1.0);
    BegrenzeWert(l.m_dBspVPositionBis, -1.0, 1.0);

    l.m_nPermutationen = StufenProdukt({l.m_nTestPositionStufen, l.m_nVPositionStufen, l.m_nBspBreiteStufen,
                                        l.m_nTestBreiteStufen, l.m_nBspHoeheStufen, l.m_nTestHoeheStufen});
    if (l.m_nWiederholungen < 1)
        l.m_nWiederholungen = 1;
    if (l.m_nWiederholungen > kDurchgaengeMax)
        l.m_nWiederholungen = kDurchgaengeMax;
    l.m_uStartDurchgang = StartDurchgangBegrenzen(l.m_uStartDurchgang, l.m_nPermutationen);
}

namespace {

int64_t MalSaettigend(int64_t a, int64_t b)
{
    if (a <= 0 || b <= 0)
        return 0;
    if (a > INT64_MAX / b)
        return INT64_MAX;
    return a * b;
}

} // namespace

int64_t AnzahlDurchgaenge(const CLinien& l)
{
    int64_t n = l.m_nWiederholungen;
    for (int32_t s : {l.m_nHPositionStufen, l.m_nVPositionStufen, l.m_nHLaengeStufen, l.m_nVLaengeStufen,
                      l.m_nHTrennStufen, l.m_nVTrennStufen})
        n = MalSaettigend(n, s);
    return n;
}

int64_t AnzahlDurchgaenge(const CLaengen& l)
{
    int64_t n = l.m_nWiederholungen;
    for (int32_t s : {l.m_nTestPositionStufen, l.m_nVPositionStufen, l.m_nBspVPositionStufen, l.m_nBspBreiteStufen,
                      l.m_nBspHoeheStufen, l.m_nTestBreiteStufen, l.m_nTestHoeheStufen})
        n = MalSaettigend(n, s);
    return n;
}
