// The picture task: one picture from a file over the background until
// Enter, or the background alone.

#include "presentation/praesentation.h"

#include "model/training.h"
#include "presentation/ablaufbits.h"
#include "presentation/bereitschirm.h"
#include "presentation/bmpdatei.h"
#include "presentation/flaechen.h"

#include <algorithm>

namespace {

// One axis of the placement: a picture of `bild` pixels on a screen of
// `schirm`, centred; a larger picture shows its middle part. Screen part,
// source part.
struct CAchse {
    LONG schirmVon, schirmBis, quelleVon, quelleBis;
};
CAchse Achse(LONG bild, LONG schirm)
{
    CAchse a{0, schirm, 0, bild};
    if (bild < schirm) {
        a.schirmVon = (schirm - bild) / 2;
        a.schirmBis = a.schirmVon + bild;
    } else if (bild > schirm) {
        a.quelleVon = (bild - schirm) / 2;
        a.quelleBis = a.quelleVon + schirm;
    }
    return a;
}

} // namespace

int CPraesentation::SonstigesErstellen()
{
    if (m_nFehler)
        return m_nFehler;
    if (!m_pTraining || m_pTraining->GetAufgabenart() != AUFGABENART_SONSTIGES)
        return FEHLER_ANGABEN;
    const CSonstiges sonst = m_pTraining->GetSonstiges();
    if (sonst.m_nBildart < 0 || sonst.m_nBildart > 10)
        return FEHLER_ANGABEN;
    const int durchsichtigkeit = m_pTraining->GetHGMuster().m_nDurchsichtigkeit;
    const LONG W = m_rcBildschirm.right - m_rcBildschirm.left;
    const LONG H = m_rcBildschirm.bottom - m_rcBildschirm.top;

    CFont schrift;
    const int h = BereitSchriftErstellen(*this, schrift);
    if (sonst.m_nMauszeiger == 1)
        m_nEinrichtung |= einrichtung::MAUSZEIGER;
    m_TrainingsBericht.SetAnzahlReize(0);

    if (sonst.m_nBildart != 10) {
        m_nAnzahl = 0;
        m_Rechtecke1.SetSize(0);
        m_Rechtecke2.SetSize(0);
        m_nAufgabe |= aufgabe::OHNE_VG;
        m_nEinrichtung |= einrichtung::KEIN_VG;
        BereitSchreiben(*this, schrift, {{POINT{W / 2, (H + h) / 2}, "Bereit?"}});
        return 0;
    }

    m_nAnzahl = 1;
    if (m_Rechtecke1.SetSize(1) || m_Rechtecke2.SetSize(1) || m_Rechtecke1.SetAt(0, m_rcBildschirm) ||
        m_Rechtecke2.SetAt(0, m_rcBildschirm))
        return 1;
    m_nAufgabe |= aufgabe::BILD;

    const int e = 3 * h / 2;
    const LONG y0 = (H + h - e) / 2;
    BereitSchreiben(*this, schrift,
                    {{POINT{W / 2, y0}, "Bild: " + sonst.m_strBilddatei}, {POINT{W / 2, y0 + e}, "Bereit?"}});

    const std::string pfad = AufgabenPfad(m_Verzeichnisse.m_strEigeneBilder, sonst.m_strBildordner,
                                          sonst.m_strBilddatei);
    IDirectDrawSurface* bild = nullptr;
    const int geladen = BmpLaden(m_pDD, &bild, &m_Palette, pfad, 11, 100,
                                 durchsichtigkeit == 0 ? BMP_SCHWARZ_VORDERGRUND | BMP_WEISS_DURCHSICHTIG
                                                       : BMP_SCHWARZ_VORDERGRUND);
    if (geladen) {
        Freigeben(bild);
        BmpFehlerMelden(geladen, pfad, m_nFehler, m_strFehler);
        return m_nFehler;
    }

    DDSURFACEDESC d;
    LONG pw = 0, ph = 0;
    if (bild->GetSurfaceDesc(&d) == DD_OK) {
        pw = LONG(d.dwWidth);
        ph = LONG(d.dwHeight);
    }
    const CAchse x = Achse(pw, W), y = Achse(ph, H);
    const RECT schirm{m_rcBildschirm.left + x.schirmVon, m_rcBildschirm.top + y.schirmVon,
                      m_rcBildschirm.left + x.schirmBis, m_rcBildschirm.top + y.schirmBis};
    RECT quelle{x.quelleVon, y.quelleVon, x.quelleBis, y.quelleBis};
    RECT teil{0, 0, std::min(pw, W), std::min(ph, H)};
    m_Rechtecke2.SetAt(0, schirm);
    m_Rechtecke1.SetAt(0, teil);

    bool system = false;
    if (pw < 1 || ph < 1 || BildflaecheAnlegen(m_pDD, teil.right, teil.bottom, &m_pVordergrund, &system) != DD_OK) {
        Freigeben(bild);
        return 4;
    }
    if (system)
        m_nEinrichtung |= einrichtung::VG_BLT;
    Farbfuellen(m_pVordergrund, &teil, INDEX_DURCHSICHTIG);
    const int ergebnis = m_pVordergrund->Blt(&teil, bild, &quelle, DDBLT_WAIT, nullptr) == DD_OK ? 0 : 5;
    Freigeben(bild);
    return ergebnis;
}
