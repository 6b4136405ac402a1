// The training file (.lmt): frame, task code, the foreground and background
// records and every report.
#include <cstdint>
#include <new>
#include <string>

#include "model/archivfeld.h"
#include "model/training.h"
#include "platform/meldung.h"
#include "platform/win1252.h"
#include "workplace/dateikopf.h"
#include "workplace/tastenliste.h"

namespace {

constexpr uint32_t kVersion = 110;
// Older versions: key indices renumbered below 100, no reports below 110.
constexpr uint32_t kVersionBerichte = 110;

void Schrift(CArchive& ar, LOGFONT& lf)
{
    Felder(ar, lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight, lf.lfItalic, lf.lfUnderline,
           lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily,
           lf.lfFaceName);
    // The face name field holds 31 characters and its terminator.
    if (ar.IsLoading())
        lf.lfFaceName = win1252::ErsteZeichen(lf.lfFaceName, 31);
}

void Taste(int& index, uint32_t version)
{
    index = static_cast<int>(TasteAlteVersion(static_cast<uint32_t>(index), version));
}

void Sakkaden(CArchive& ar, CSakkaden& r)
{
    Felder(ar, r.m_nModus, r.m_nDurchgangsende, r.m_nRueckmeldung, r.m_nDurchgangsstart, r.m_nReserve1, r.m_nMauszeiger,
           r.m_dDauerMin, r.m_dDauerMax, r.m_dPauseMin, r.m_dPauseMax, r.m_nZielliste, r.m_nZielVon, r.m_nZielBis,
           r.m_nReserve2, r.m_nReserve3, r.m_nReserve4, r.m_dReserve5, r.m_nDurchgaenge, r.m_nZeilen, r.m_nSpalten,
           r.m_nSchrittXMin, r.m_nSchrittXMax, r.m_nSchrittYMin, r.m_nSchrittYMax, r.m_dZeichengroesse, r.m_dBildbreite,
           r.m_dBildhoehe, r.m_nReaktionstaste, r.m_nTasteRichtig, r.m_nTasteFalsch, r.m_nStarttaste);
}

void Exploration(CArchive& ar, CExploration& r)
{
    CDRechteck& f = r.m_Freiflaeche;
    Felder(ar, r.m_nStrategie, r.m_nZellenZeilen, r.m_nZellenSpalten, r.m_nAnordnung, r.m_nMauszeiger, r.m_nZielliste,
           r.m_nZielVon, r.m_nZielBis, r.m_nHaeufigkeit, r.m_nDistraktorliste, r.m_nDistraktorVon, r.m_nDistraktorBis,
           r.m_nZeilen, r.m_nSpalten, r.m_nAnzahl, r.m_dZeichengroesse, r.m_dBildbreite, r.m_dBildhoehe,
           r.m_nFreiflaecheAktiv, f.left, f.top, f.right, f.bottom);
}

void Text(CArchive& ar, CText& r)
{
    Felder(ar, r.m_nTextart, r.m_nMauszeiger, r.m_nVertikal, r.m_dZeilenabstand, r.m_strSammlungstext,
           r.m_strEigenerText, r.m_strSammlungsordner, r.m_strEigenerOrdner);
    Schrift(ar, r.m_lfText);
    Felder(ar, r.m_dTextgroesse, r.m_nTextausrichtung);
    Schrift(ar, r.m_lfUeberschrift);
    Felder(ar, r.m_dUeberschriftgroesse, r.m_nUeberschriftausrichtung, r.m_dBildbreite, r.m_dBildhoehe, r.m_nTasteVor,
           r.m_nTasteZurueck);
}

void Sonstiges(CArchive& ar, CSonstiges& r)
{
    Felder(ar, r.m_nBildart, r.m_nMauszeiger, r.m_strBilddatei, r.m_strBildordner);
}

constexpr CDateikopf kKopf{.typ = "LMT",
                           .typFehler = " ist keine Trainingsdatei von Lumetra.",
                           .praefix = "Fehler: ",
                           .stil = MB_OK | MB_ICONEXCLAMATION,
                           .kurzIstFremd = true};

// The training's answers are the frame's codes.
static_assert(int{CTraining::KeineLumetraDatei} == DATEI_FREMD &&
              int{CTraining::KeineTrainingsdatei} == DATEI_FALSCHER_TYP &&
              int{CTraining::UngueltigeVersion} == DATEI_VERSION_UNGUELTIG &&
              int{CTraining::SpaetereVersion} == DATEI_VERSION_SPAETER &&
              int{CTraining::Beschaedigt} == DATEI_BESCHAEDIGT);

} // namespace

int CTraining::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        return Laden(ar);

    m_strPfad = ar.GetFilePath();
    SchreibeDateikopf(ar, kKopf.typ, kVersion);
    int32_t code = m_nAufgabenart;
    Feld(ar, code);
    Sakkaden(ar, m_Sakkaden);
    Exploration(ar, m_Exploration);
    Text(ar, m_Text);
    Sonstiges(ar, m_Sonstiges);
    m_Hintergrund.Speichern(ar);
    ar << static_cast<int32_t>(GetBerichtAnzahl());
    for (int i = 0; i < GetBerichtAnzahl(); ++i)
        GetBericht(i)->Serialize(ar);
    return Geladen;
}

// Reads the whole file into a training of its own and takes it over only
// when everything was read: a refused or damaged file changes nothing.
int CTraining::Laden(CArchive& ar)
{
    const std::string pfad = ar.GetFilePath();
    uint32_t version = 0;
    CTraining neu;
    neu.m_pUmgebung = m_pUmgebung;
    try {
        if (int kopf = LiesDateikopf(ar, kKopf, version))
            return kopf;

        int32_t code = 0;
        ar >> code;
        neu.SetAufgabenart(code);

        CSakkaden sakkaden;
        Sakkaden(ar, sakkaden);
        Taste(sakkaden.m_nReaktionstaste, version);
        Taste(sakkaden.m_nTasteRichtig, version);
        Taste(sakkaden.m_nTasteFalsch, version);
        Taste(sakkaden.m_nStarttaste, version);
        neu.SetSakkaden(sakkaden);

        CExploration exploration;
        Exploration(ar, exploration);
        neu.SetExploration(exploration);

        CText text;
        Text(ar, text);
        Taste(text.m_nTasteVor, version);
        Taste(text.m_nTasteZurueck, version);
        neu.SetText(text);

        CSonstiges sonstiges;
        Sonstiges(ar, sonstiges);
        neu.SetSonstiges(sonstiges);

        // A file without the example-stimulus colour keeps the held one.
        neu.SetFarben(GetFarben());
        neu.m_Hintergrund.Laden(ar, m_pUmgebung, version);

        if (version >= kVersionBerichte) {
            int32_t n = 0;
            ar >> n;
            if (n > 0)
                ar.PruefeRest(CTrainingsBericht::GespeicherteGroesse(0) * static_cast<uint64_t>(n));
            CTrainingsBericht bericht;
            for (int32_t i = 0; i < n; ++i) {
                bericht.Serialize(ar);
                if (neu.SetBericht(i, &bericht) != 0)
                    throw std::bad_alloc();
            }
        }
    } catch (const CArchiveException&) {
        return MeldeBeschaedigt(kKopf.praefix + pfad, kKopf.stil);
    } catch (const std::bad_alloc&) {
        AfxMessageBox(kKopf.praefix + pfad + " ist zu groß und wurde nicht geladen.", kKopf.stil);
        return Beschaedigt;
    }
    neu.m_strPfad = pfad;
    Uebernehmen(neu);
    return Geladen;
}

void CTraining::Uebernehmen(CTraining& geladen)
{
    m_strPfad = geladen.m_strPfad;
    m_nAufgabenart = geladen.m_nAufgabenart;
    m_strAufgabenName = geladen.m_strAufgabenName;
    m_Sakkaden = geladen.m_Sakkaden;
    m_Exploration = geladen.m_Exploration;
    m_Text = geladen.m_Text;
    m_Sonstiges = geladen.m_Sonstiges;
    m_Hintergrund = geladen.m_Hintergrund;
    m_Berichte.Tausche(geladen.m_Berichte);
    m_nSeite = 1;
    m_nBerichtNr = 0;
}
