#pragma once

#include <initializer_list>
#include <string>

#include "model/auswertungsgrundlage.h"

class CDatentabelle;
class CDiagramm;
class CUmgebung;

// Small pieces that the training and the test evaluation share.

// The report after its evaluation; null with the evaluation's code in r,
// or 1 when there is no report.
template <typename Modell>
auto AusgewerteterBericht(Modell& modell, int bericht, int& r) -> decltype(modell.GetBericht(bericht))
{
    r = modell.BerichtAuswerten(bericht);
    if (r != 0)
        return nullptr;
    auto* b = modell.GetBericht(bericht);
    if (!b)
        r = 1;
    return b;
}

// The flags and the environment's scales an evaluation is built from.
CAuswertungsGrundlage Massstaebe(uint32_t flags, const CUmgebung& u);

// The part of a chart name after its "/" and the blank behind it.
std::string AchsenName(const std::string& name);

// True when the chart holds this x axis already; a chart built under another
// unit or with other decimals is stale even when its index matches.
bool XAchseAktuell(const CDiagramm& d, double min, double max, int ticks, const std::string& einheit, int dezimalen);

// How many of the bounds g satisfy -g < v < g: extra decimals for small values.
int ZusatzDezimalen(double v, std::initializer_list<double> grenzen);

// Writes v as a present value only when it is a finite number, so a
// division by a zero size leaves the cell missing instead of NaN.
void SetzeEndlich(CDatentabelle& t, int zeile, int spalte, double v);

// Mean of a column with n decimals and the suffix; "n. a." without values.
std::string MittelText(const CDatentabelle& t, int spalte, int dezimalen, const std::string& anhang);

// Texts of a probit fit's mu and sigma in %.
std::string MuText(double mu);
std::string SigmaText(double sigma);
