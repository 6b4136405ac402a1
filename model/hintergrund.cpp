#include "model/hintergrund.h"

#include <cmath>

#include "model/archivfeld.h"
#include "model/begrenzung.h"
#include "model/umgebungswerte.h"
#include "workplace/tastenliste.h"
#include "workplace/umgebung.h"

CHGBewegung& CHGBewegung::operator=(const CHGBewegung& r)
{
    m_nRichtung = r.m_nRichtung;
    m_dGeschwindigkeit = r.m_dGeschwindigkeit;
    return *this;
}

static const char* MusterName(CHGMuster& r)
{
    switch (r.m_nArt) {
    case 10: return "Streifen";
    case 20:
        if (r.m_nForm == 1)
            return "Zeichen: Ellipse";
        if (r.m_nForm == 2)
            return "Zeichen: Pfeil";
        r.m_nForm = 3;
        return "Zeichen: Rechteck";
    case 30: return "Zufallspunktmuster";
    default: r.m_nArt = 0; return "Kein Hintergrundmuster";
    }
}

void BegrenzeHGMuster(CHGMuster& r, const CUmgebung* u)
{
    BegrenzeAnteil(r.m_dZyklusbreite);
    if (r.m_dElementbreite > r.m_dZyklusbreite)
        r.m_dElementbreite = r.m_dZyklusbreite;
    if (!(r.m_dElementbreite >= 0.0))
        r.m_dElementbreite = 0.0;

    // Square elements: as many pixel rows as the width has columns.
    if (u)
        r.m_dElementhoehe = u->InAnteilY(u->AnteilInPixelXUngerundet(r.m_dElementbreite), 8);
    else
        r.m_dElementhoehe = r.m_dElementbreite;
    if (r.m_dElementhoehe > 1.0)
        r.m_dElementhoehe = 1.0;

    // Characters: no more than fit into one cycle of the full height. The
    // centres range over cycle width x display height, so the grid holds
    // that range's whole element widths and heights. An element below one
    // pixel gives no grid and no limit.
    if (r.m_nArt == 20 && u) {
        const int64_t bereichX = u->AnteilInPixelX(r.m_dZyklusbreite);
        const int64_t bereichY = u->AnteilInPixelY(1.0);
        const int64_t objektX = u->AnteilInPixelX(r.m_dElementbreite);
        const int64_t objektY = u->AnteilInPixelY(r.m_dElementhoehe);
        if (objektX >= 1 && objektY >= 1 && bereichX >= 0 && bereichY >= 0) {
            const int64_t zeilen = bereichY / objektY;
            const int64_t spalten = bereichX / objektX;
            if (r.m_nVerteilung == 0) {
                if (r.m_nZeilen > zeilen)
                    r.m_nZeilen = static_cast<int>(zeilen);
                if (r.m_nSpalten > spalten)
                    r.m_nSpalten = static_cast<int>(spalten);
            } else if (r.m_nVerteilung == 1) {
                if (r.m_nAnzahl > zeilen * spalten)
                    r.m_nAnzahl = static_cast<int>(zeilen * spalten);
            }
        }
    }

    if (r.m_nZeilen <= 1)
        r.m_nZeilen = 1;
    if (r.m_nSpalten <= 1)
        r.m_nSpalten = 1;
    if (r.m_nAnzahl <= 1)
        r.m_nAnzahl = 1;
    BegrenzeAnzahl(r.m_nZeilen, kRasterMax);
    BegrenzeAnzahl(r.m_nSpalten, kRasterMax);
    BegrenzeAnzahl(r.m_nAnzahl, kElementeMax);
    r.m_strName = MusterName(r);
}

double BegrenzeGeschwindigkeit(double v, double zyklusbreite)
{
    if (std::isnan(v))
        return 0.0;
    double betrag = std::fabs(v);
    if (betrag / 10.0 > zyklusbreite / 2.0)
        betrag = zyklusbreite / 2.0 * 10.0;
    // A negative speed cut to a cycle of width 0 gives 0, which must not
    // keep the sign: stored as -0.0 it would load as +0.0.
    double ergebnis = v < 0.0 ? -betrag : betrag;
    OhneMinusNull(ergebnis);
    return ergebnis;
}

void BegrenzeHGBewegung(CHGBewegung& r, double zyklusbreite)
{
    r.m_dGeschwindigkeit = BegrenzeGeschwindigkeit(r.m_dGeschwindigkeit, zyklusbreite);
}

void BegrenzeHGAufgabe(CHGAufgabe& r, const CUmgebung* u, double zyklusbreite)
{
    TasteBegrenzen(r.m_nReaktionstaste, u);
    BegrenzeBereich(r.m_dDauerMin, r.m_dDauerMax, 0.01, kSekundenMax);
    TasteBegrenzen(r.m_nStarttaste, u);
    BegrenzeBereich(r.m_dIntervallMin, r.m_dIntervallMax, 0.01, kSekundenMax);
    r.m_dZielgeschwindigkeit = BegrenzeGeschwindigkeit(r.m_dZielgeschwindigkeit, zyklusbreite);
    switch (r.m_nArt) {
    case 10: r.m_strName = "Farbänderung erkennen"; break;
    case 20: r.m_strName = "Geschwindigkeitsänderung erkennen"; break;
    default: r.m_nArt = 0; r.m_strName = "Keine Hintergrundaufgabe";
    }
}

static void SerialisiereHGAufgabe(CArchive& ar, CHGAufgabe& r)
{
    Felder(ar, r.m_nArt, r.m_nDurchgangsende, r.m_nIntervallmodus, r.m_nAsynchron, r.m_dZielgeschwindigkeit,
           r.m_dDauerMin, r.m_dDauerMax, r.m_dIntervallMin, r.m_dIntervallMax, r.m_nReaktionstaste, r.m_nStarttaste);
}

static void SerialisiereHGMuster(CArchive& ar, CHGMuster& r)
{
    Felder(ar, r.m_nArt, r.m_nForm, r.m_nVerteilung, r.m_nDurchsichtigkeit, r.m_nZeilen, r.m_nSpalten, r.m_nAnzahl,
           r.m_dElementbreite, r.m_dElementhoehe, r.m_dZyklusbreite);
}

static void SerialisiereHGBewegung(CArchive& ar, CHGBewegung& r) { Felder(ar, r.m_nRichtung, r.m_dGeschwindigkeit); }

static void SerialisiereFarben(CArchive& ar, CFarben& r, bool mitBeispielreiz = true)
{
    if (mitBeispielreiz)
        Feld(ar, r.m_crBeispielreiz);
    Felder(ar, r.m_crVordergrund, r.m_crHintergrund, r.m_crStandardmuster, r.m_crZielmuster);
}

void CHintergrund::SetHGMuster(CHGMuster r, const CUmgebung* u)
{
    BegrenzeHGMuster(r, u);
    m_HGMuster = r;
    SetHGAufgabe(GetHGAufgabe(), u);
    SetHGBewegung(GetHGBewegung());
}

void CHintergrund::SetHGBewegung(CHGBewegung r)
{
    BegrenzeHGBewegung(r, m_HGMuster.m_dZyklusbreite);
    m_HGBewegung = r;
}

void CHintergrund::SetHGAufgabe(CHGAufgabe r, const CUmgebung* u)
{
    BegrenzeHGAufgabe(r, u, m_HGMuster.m_dZyklusbreite);
    m_HGAufgabe = r;
}

void CHintergrund::Uebernehmen(const CHintergrund& andere, const CUmgebung* u)
{
    SetHGMuster(andere.m_HGMuster, u);
    SetHGBewegung(andere.m_HGBewegung);
    SetHGAufgabe(andere.m_HGAufgabe, u);
    SetFarben(andere.m_Farben);
}

void CHintergrund::Speichern(CArchive& ar)
{
    SerialisiereHGAufgabe(ar, m_HGAufgabe);
    SerialisiereHGMuster(ar, m_HGMuster);
    SerialisiereHGBewegung(ar, m_HGBewegung);
    SerialisiereFarben(ar, m_Farben);
}

void CHintergrund::Laden(CArchive& ar, const CUmgebung* u, uint32_t version)
{
    constexpr uint32_t kVersionNeu = 100;
    CHGAufgabe aufgabe;
    SerialisiereHGAufgabe(ar, aufgabe);
    for (int* taste : {&aufgabe.m_nReaktionstaste, &aufgabe.m_nStarttaste})
        *taste = static_cast<int>(TasteAlteVersion(static_cast<uint32_t>(*taste), version));
    SetHGAufgabe(aufgabe, u);

    CHGMuster muster;
    SerialisiereHGMuster(ar, muster);
    SetHGMuster(muster, u);

    // The motion is taken as read, only kept within what the widest pattern
    // allows: no speed a setter could give is changed.
    SerialisiereHGBewegung(ar, m_HGBewegung);
    m_HGBewegung.m_dGeschwindigkeit = BegrenzeGeschwindigkeit(m_HGBewegung.m_dGeschwindigkeit, 1.0);
    SerialisiereFarben(ar, m_Farben, version >= kVersionNeu);
}
