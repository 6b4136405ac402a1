#include "app/druckrahmen.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "app/fragedlg.h"
#include "app/lumetra_app.h"
#include "app/mainfrm.h"
#include "model/aufgabenbits.h"
#include "platform/draw/dc_auswahl.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "platform/meldung.h"
#include "platform/pfad.h"
#include "platform/qt/modal.h"
#include "workplace/formatierung.h"
#include "workplace/textdatei.h"
#include "workplace/umgebung.h"

const char* const kDruckObjektFehler =
    "Fehler: Eine oder mehrere Objekte, die für das Drucken benötigt werden, konnten nicht erstellt werden.";
const char* const kKeinDruckbereich =
    "Fehler: Bei diesem Papierformat und diesen Druckereinstellungen verbleibt kein bedruckbarer Bereich.";
const char* const kDruckbereichZuKlein =
    "Der zu bedruckende Bereich ist zu klein. Möglicherweise werden manche Angaben nicht vollständig gedruckt. "
    "Bitte beachten Sie, dass das Papierformat mindestens A4 oder US Letter sein muss. Möchten Sie dennoch "
    "fortfahren?";
const char* const kSeitennummerUngueltig = "Fehler: Die zu druckende Seitennummer ist ungültig.";
const char* const kDruckStartFehler = "Fehler: Der Druckauftrag konnte nicht begonnen werden.";

namespace {

// Layout lengths in hundredths of a millimetre.
constexpr int kZeilenhoehe = 350, kStiftbreite = 30, kMinBreite = 16500, kMaxHoehe = 23440;
constexpr int kRandLinks = 2500, kKopfAbstand = 1000, kKopfBand = 2000, kInhaltAbstand = 2500;

int Runden(int v, int achse) { return static_cast<int>(static_cast<double>(v) * achse / 10000.0 + 0.5); }

} // namespace

int CDruckLayout::InW(int v) const { return Runden(v, W); }
int CDruckLayout::InH(int v) const { return Runden(v, H); }

std::string DruckAnteil(double zaehler, double nenner, const char* suffix)
{
    if (nenner == 0)
        return "n. a.";
    return FormatDouble(zaehler * 100.0 / nenner, 1) + suffix;
}

CDruckrahmen::CDruckrahmen(CUmgebung* umgebung) : m_pUmgebung(umgebung) {}

CDruckrahmen::~CDruckrahmen() = default;

int CDruckrahmen::GetSeitenanzahl() const { return BerichtAnzahl() + 1; }

// ---- Callers -----------------------------------------------------------------

int CDruckrahmen::Drucken(QWidget* eltern, QPrinter* drucker)
{
    std::unique_ptr<QPrinter> eigener;
    if (!drucker) {
        eigener = std::make_unique<QPrinter>(QPrinter::HighResolution);
        drucker = eigener.get();
    }
    // A file chosen for an earlier job is not proposed again: the dialog
    // proposes the document's name with ".pdf" instead.
    if (drucker->outputFormat() == QPrinter::PdfFormat)
        drucker->setOutputFileName(QString());
    drucker->setDocName(QString::fromStdString(pfad::DateiName(Dateipfad())));
    if (!OnPreparePrinting(*drucker, true, eltern))
        return 1;
    return DruckeAuf(*drucker, Drucker);
}

int CDruckrahmen::Seitenansicht(QWidget* eltern, QPrinter* drucker)
{
    std::unique_ptr<QPrinter> eigener;
    if (!drucker) {
        eigener = std::make_unique<QPrinter>(QPrinter::HighResolution);
        drucker = eigener.get();
    }
    drucker->setDocName(QString::fromStdString(pfad::DateiName(Dateipfad())));
    OnPreparePrinting(*drucker, false, eltern);
    QPrintPreviewDialog dialog(drucker, eltern);
    dialog.setObjectName("Seitenansicht");
    dialog.setWindowTitle("Lumetra - Seitenansicht");
    if (eltern)
        dialog.setGeometry(eltern->window()->geometry());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [this](QPrinter* p) { DruckeAuf(*p, Vorschau); });
    ModalAusfuehren(dialog);
    OnEndPrintPreview();
    return 0;
}

int CDruckrahmen::AlsPdf(const std::string& pfad)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromStdString(pfad));
    // A printer's usual unprintable edge, so the file looks like paper.
    drucker.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    OnPreparePrinting(drucker, false, nullptr);
    return DruckeAuf(drucker, Drucker);
}

int CDruckrahmen::DruckeAuf(QPrinter& drucker, int modus)
{
    QPainter painter;
    if (!painter.begin(&drucker)) {
        AfxMessageBox(kDruckStartFehler, MB_OK | MB_ICONEXCLAMATION);
        return 2;
    }
    CPainterDC dc(&painter, true);
    const RECT zeichnen{0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)};
    int ergebnis = OnBeginPrinting(&dc) == 0 ? 0 : 2;
    for (int seite = m_nVon; ergebnis == 0 && seite <= m_nBis; ++seite) {
        if (seite > m_nVon)
            drucker.newPage();
        OnPrint(&dc, seite, modus, zeichnen);
        if (dc.IstAbgebrochen())
            ergebnis = 2;
    }
    OnEndPrinting();
    painter.end();
    return ergebnis;
}

int CDruckrahmen::ZeichneSeite(CDC* dc, int seite, int modus)
{
    if (OnBeginPrinting(dc) != 0)
        return 2;
    OnPrint(dc, seite, modus, RECT{0, 0, dc->GetDeviceCaps(HORZRES), dc->GetDeviceCaps(VERTRES)});
    OnEndPrinting();
    return dc->IstAbgebrochen() ? 2 : 0;
}

// ---- Print loop ------------------------------------------------------------------

void CDruckrahmen::BereichWaehlen(int wahl, int von, int bis, int n, int gezeigt, int& ergVon, int& ergBis)
{
    if (wahl == 1) {
        ergVon = ergBis = gezeigt;
    } else if (wahl == 2) {
        ergBis = std::min(bis, n);
        ergVon = std::min(von, ergBis);
    } else {
        ergVon = 1;
        ergBis = n;
    }
}

bool CDruckrahmen::OnPreparePrinting(QPrinter& drucker, bool mitDialog, QWidget* eltern)
{
    const int n = GetSeitenanzahl();
    drucker.setCopyCount(1);
    drucker.setCollateCopies(false);
    drucker.setPrintRange(QPrinter::AllPages);
    drucker.setFromTo(1, n);
    m_nVon = 1;
    m_nBis = n;
    if (!mitDialog)
        return true;

    QPrintDialog dialog(&drucker, eltern);
    dialog.setObjectName("Drucken");
    dialog.setMinMax(1, n);
    // Without reports there is neither a range nor a selection to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, n >= 2);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, n >= 2);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (ModalAusfuehren(dialog) != QDialog::Accepted)
        return false;
    int wahl = 0;
    switch (drucker.printRange()) {
    case QPrinter::Selection:
    case QPrinter::CurrentPage: wahl = 1; break;
    case QPrinter::PageRange: wahl = 2; break;
    default: break;
    }
    BereichWaehlen(wahl, drucker.fromPage(), drucker.toPage(), n, GezeigteSeite(), m_nVon, m_nBis);
    return true;
}

void CDruckrahmen::Messen(CDC* dc, CDruckLayout& l)
{
    SIZE s{10000, 10000};
    dc->HIMETRICtoLP(&s);
    l.W = s.cx;
    l.H = s.cy;
}

int CDruckrahmen::OnBeginPrinting(CDC* dc)
{
    Freigeben();
    CDruckLayout l;
    {
        // The fonts and the pen are sized in the page's mapping.
        CDCAuswahl auswahl(dc);
        auswahl.Abbildung(MM_ISOTROPIC);
        Messen(dc, l);
    }
    const int hoehe = std::max(1, l.InW(kZeilenhoehe) * 15 / 18);
    const int stift = l.InH(kStiftbreite);
    constexpr uint8_t roman = 18, modern = 49;
    const bool erzeugt = m_Schrift.CreateFont(hoehe, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, PROOF_QUALITY,
                                              roman, "Times New Roman") &&
                         m_Fett.CreateFont(hoehe, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, PROOF_QUALITY, roman,
                                           "Times New Roman") &&
                         m_Fest.CreateFont(hoehe, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, PROOF_QUALITY,
                                           modern, "Courier New") &&
                         m_Kursiv.CreateFont(hoehe, 0, 0, 0, FW_NORMAL, 1, 0, 0, ANSI_CHARSET, 0, 0, PROOF_QUALITY,
                                             roman, "Times New Roman") &&
                         m_Stift.CreatePen(PS_SOLID, stift, RGB(0, 0, 0));
    if (!erzeugt) {
        Freigeben();
        Fehler(dc, kDruckObjektFehler);
        return 1;
    }
    return 0;
}

void CDruckrahmen::OnPrint(CDC* dc, int seite, int modus, RECT zeichnen)
{
    m_nModus = modus;
    m_nSeite = seite;
    m_rcZeichnen = zeichnen;
    DruckeSeite(dc);
}

void CDruckrahmen::Freigeben()
{
    m_Schrift.DeleteObject();
    m_Fett.DeleteObject();
    m_Fest.DeleteObject();
    m_Kursiv.DeleteObject();
    m_Stift.DeleteObject();
}

void CDruckrahmen::OnEndPrinting() { Freigeben(); }

void CDruckrahmen::OnEndPrintPreview()
{
    m_nSeite = 1;
    m_nModus = KeinDruck;
    CLumetraApp* app = GetLumetraApp();
    if (!app || !app->GetMainWnd() || !app->GetMainWnd()->GetMdiArea())
        return;
    if (QMdiSubWindow* fenster = app->GetMainWnd()->GetMdiArea()->activeSubWindow())
        if (fenster->isMaximized() || fenster->isMinimized())
            fenster->showNormal();
}

void CDruckrahmen::Fehler(CDC* dc, const char* text)
{
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    dc->AbortDoc();
}

// ---- The page frame ----------------------------------------------------------------

void CDruckrahmen::DruckeSeite(CDC* dc)
{
    if (!HatModell() || !m_pUmgebung) {
        Fehler(dc, ModellFehler());
        return;
    }
    CDCAuswahl auswahl(dc);
    auswahl.Abbildung(MM_ISOTROPIC);
    CDruckLayout l;
    Messen(dc, l);

    RECT zeichnen = m_rcZeichnen;
    dc->DPtoLP(&zeichnen);
    RECT druckbar;
    const int region = dc->GetClipBox(&druckbar);
    if (region != SIMPLEREGION && region != COMPLEXREGION)
        druckbar = zeichnen;

    const int breite = l.InW(kMinBreite);
    l.links = druckbar.left + l.InW(kRandLinks);
    if (l.links > zeichnen.right - breite)
        l.links = zeichnen.right - breite;
    l.links = std::max(l.links, 0);
    l.rechts = std::clamp(static_cast<int>(zeichnen.right), l.links, l.links + breite);

    int kopfY = std::min(static_cast<int>(druckbar.top) - l.InH(kKopfAbstand), 0);
    int bandUnten = 0;
    l.oben = kopfY - (l.InH(kInhaltAbstand) - l.InH(kKopfAbstand));
    if (zeichnen.bottom > l.oben) {
        // No room for head and content: the content takes the head's place.
        l.oben = kopfY;
        kopfY = 0;
        if (zeichnen.bottom > l.oben) {
            l.oben = 0;
            zeichnen.bottom = std::min(static_cast<int>(zeichnen.bottom), 0);
        }
    } else {
        bandUnten = kopfY - (l.InH(kKopfBand) - l.InH(kKopfAbstand));
    }
    l.unten = std::max(static_cast<int>(zeichnen.bottom), l.oben - l.InH(kMaxHoehe));

    if (l.rechts <= l.links || l.unten >= l.oben) {
        Fehler(dc, kKeinDruckbereich);
        return;
    }
    if ((l.rechts - l.links < breite || l.oben - l.unten < l.InH(kMaxHoehe)) && m_nModus == Drucker) {
        CFrageDlg frage;
        frage.SetText(kDruckbereichZuKlein);
        if (frage.DoModal() != 1) {
            dc->AbortDoc();
            return;
        }
    }

    l.t = l.InW(kZeilenhoehe);
    l.halbeZeile = l.t / 2;
    l.p = l.InH(kStiftbreite);
    LOGFONT lf;
    if (m_Schrift.GetLogFont(&lf))
        l.t = std::max(1, static_cast<int>(lf.lfHeight));
    LOGPEN lp;
    if (m_Stift.GetLogPen(&lp))
        l.p = std::max(1, static_cast<int>(lp.lopnWidth.x));

    const int n = GetSeitenanzahl();
    if (m_nSeite < 1 || m_nSeite > n) {
        Fehler(dc, kSeitennummerUngueltig);
        return;
    }

    if (l.rechts > l.links && bandUnten < kopfY) {
        auswahl.Waehlen(&m_Stift);
        auswahl.Waehlen(&m_Kursiv);
        dc->SetTextColor(RGB(0, 0, 0));
        dc->SetBkMode(TRANSPARENT);
        Text(dc, l.links, kopfY, GetDateiTeil(Dateipfad()));
        Text(dc, l.rechts, kopfY, "Seite " + FormatInt(m_nSeite) + " von " + FormatInt(n), TA_RIGHT | TA_TOP);
        const int y = kopfY - (l.t + l.p);
        dc->MoveTo(l.links, y);
        dc->LineTo(l.rechts, y);
    }

    l.x0 = l.links;
    l.mitte = (l.links + l.rechts) / 2;
    l.einheit = m_pUmgebung->GetEinheitText();
    l.dezimalen = m_pUmgebung->GetDezimalstellen();

    auswahl.Waehlen(&m_Stift);
    auswahl.Waehlen(&m_Schrift);
    dc->SetTextColor(RGB(0, 0, 0));
    dc->SetBkMode(TRANSPARENT);
    if (m_nSeite == 1)
        ZeichneAngaben(dc, l);
    else
        ZeichneBericht(dc, l, m_nSeite - 2);
    dc->SetTextAlign(TA_LEFT | TA_TOP);
}

// ---- Shared pieces of the pages ---------------------------------------------------------

void CDruckrahmen::Text(CDC* dc, int x, int y, const std::string& text, unsigned ausrichtung)
{
    dc->SetTextAlign(ausrichtung);
    dc->TextOut(x, y, text);
    dc->SetTextAlign(TA_LEFT | TA_TOP);
}

void CDruckrahmen::Titel(CDC* dc, const CDruckLayout& l, const char* text)
{
    dc->SelectObject(&m_Fett);
    Text(dc, l.mitte, l.oben, text, TA_CENTER | TA_TOP);
    dc->SelectObject(&m_Schrift);
}

void CDruckrahmen::Linie(CDC* dc, const CDruckLayout& l, int& y, int x)
{
    y -= l.t + l.p;
    dc->MoveTo(x, y);
    dc->LineTo(l.rechts, y);
    y -= l.p + l.halbeZeile;
}

void CDruckrahmen::Block(CDC* dc, const CDruckLayout& l, int& y, const char* ueberschrift)
{
    y -= 2 * l.t;
    Text(dc, l.x0, y, ueberschrift);
    Linie(dc, l, y, l.x0);
}

void CDruckrahmen::Zeilen(CDC* dc, int x, int y, const CDruckLayout& l, const std::vector<std::string>& texte)
{
    for (const std::string& text : texte) {
        if (!text.empty())
            Text(dc, x, y, text);
        y -= l.t;
    }
}

void CDruckrahmen::Dateiwerte(CDC* dc, const CDruckLayout& l, int y)
{
    const std::string pfade[] = {Dateipfad(), m_pUmgebung->GetPfad()};
    const int x = l.Spalte(4000);
    for (const std::string& pfad : pfade)
        for (const std::string& teil : {GetDateiTeil(pfad), pfad::Anzeige(GetVerzeichnisTeil(pfad))}) {
            UmbrecheText(teil, dc, RECT{x, y, l.rechts, y - l.t}, 0.3);
            y -= l.t;
        }
}

std::string CDruckrahmen::Tastenname(int index, const char* ersatz) const
{
    const CTastenliste& tasten = m_pUmgebung->m_Tastenliste;
    return index >= 0 && index < tasten.GetAnzahl() ? tasten.GetName(index) : ersatz;
}

std::string CDruckrahmen::Geschwindigkeit(double anteil, const CDruckLayout& l) const
{
    return FormatDouble(m_pUmgebung->AnteilInEinheitX(anteil), l.dezimalen) + " " + l.einheit + "/s";
}

int CDruckrahmen::DateienBlock(CDC* dc, const CDruckLayout& l, int& y, const char* datei, const char* ordner)
{
    Block(dc, l, y, "Dateien");
    const int erste = y;
    Zeilen(dc, l.x0, y, l, {datei, ordner, "Umgebungsdatei", "Umgebungsverzeichnis"});
    y -= 3 * l.t;
    return erste;
}

void CDruckrahmen::Angabenseite(CDC* dc, const CDruckLayout& l, const CAngabenseite& s)
{
    Titel(dc, l, s.titel);
    int y = l.oben;
    const int dateien = DateienBlock(dc, l, y, s.datei, s.ordner);
    Block(dc, l, y, s.aufgabe);
    const int aufgabe = y;
    const std::pair<std::string, bool> hintergrund[] = {
        {"Aufgabenart", false},         {"Hintergrundmuster", false}, {"Hintergrundfarbe (RGB)", false},
        {"Standardhintergrund", false}, {"Musterfarbe (RGB)", true},  {"Bewegung", true},
        {"Zielhintergrund", false},     {"Musterfarbe (RGB)", true},  {"Bewegung", true},
        {"Starttaste", false},          {"Reaktionstaste", false}};
    auto beschriften = [&](const std::pair<std::string, bool>& zeile) {
        Text(dc, zeile.second ? l.Spalte(500) : l.x0, y, zeile.first);
        y -= l.t;
    };
    for (const auto& zeile : s.zeilen)
        beschriften(zeile);
    y += l.t;
    Block(dc, l, y, "Hintergrundaufgabe");
    const int hgZeile = y;
    for (const auto& zeile : hintergrund)
        beschriften(zeile);

    dc->SelectObject(&m_Fest);
    Dateiwerte(dc, l, dateien);
    Zeilen(dc, l.Spalte(8000), aufgabe, l, s.werte);
    HintergrundWerte(dc, l, hgZeile, s);
    dc->SelectObject(&m_Schrift);
}

void CDruckrahmen::HintergrundWerte(CDC* dc, const CDruckLayout& l, int y, const CAngabenseite& s)
{
    const CHGAufgabe& aufgabe = s.hgAufgabe;
    const int art = aufgabe.m_nArt;
    const bool mitAufgabe = art == 10 || art == 20;
    Zeilen(dc, l.Spalte(8000), y, l,
           {aufgabe.m_strName, s.hgMuster.m_strName, FormatFarbe(s.farben.m_crHintergrund), "",
            FormatFarbe(s.farben.m_crStandardmuster), Geschwindigkeit(s.hgBewegung.m_dGeschwindigkeit, l), "",
            art == 10 ? FormatFarbe(s.farben.m_crZielmuster) : "---",
            art == 20 ? Geschwindigkeit(aufgabe.m_dZielgeschwindigkeit, l) : "---",
            mitAufgabe && aufgabe.m_nIntervallmodus == 1 ? Tastenname(aufgabe.m_nStarttaste, "Eingabetaste") : "---",
            mitAufgabe && aufgabe.m_nDurchgangsende == 1 ? Tastenname(aufgabe.m_nReaktionstaste, "Leertaste") : "---"});
    Text(dc, l.Spalte(12000), y - 5 * l.t, s.hgBewegung.m_nRichtung == 1 ? "nach rechts" : "nach links");
}

int CDruckrahmen::Liste(CDC* dc, const CDruckLayout& l, int& y, int x, const char* kopf, const char* titel1,
                        const char* titel2, const std::vector<std::string>& namen, int von, int bis)
{
    y -= l.halbeZeile;
    Text(dc, x, y, kopf);
    Text(dc, l.Spalte(10000), y, titel1, TA_CENTER | TA_TOP);
    Text(dc, l.Spalte(14000), y, titel2, TA_CENTER | TA_TOP);
    Linie(dc, l, y, l.Spalte(500));
    const int erste = y;
    for (int i = von; i < bis && i < static_cast<int>(namen.size()); ++i) {
        Text(dc, l.Spalte(500), y, namen[i]);
        y -= l.t;
    }
    return erste;
}

CDruckrahmen::CKopfZeilen CDruckrahmen::BerichtKopfLabels(CDC* dc, const CDruckLayout& l, int& y, const char* datei,
                                                          const char* ordner)
{
    CKopfZeilen z;
    z.dateien = DateienBlock(dc, l, y, datei, ordner);
    Block(dc, l, y, "Darbietung");
    z.darbietung = y;
    Zeilen(dc, l.x0, y, l, {"Datum / Uhrzeit", "Gesamtdauer", "Standardgeschwindigkeit", "Zielgeschwindigkeit"});
    y -= 3 * l.t;
    Block(dc, l, y, "Hintergrundaufgabe");
    z.hintergrund = y;
    Zeilen(dc, l.x0, y, l, {"Falscher Alarm", "Korrekte Reaktionen", "Mittl. Reaktionszeit"});
    y -= 2 * l.t;
    return z;
}

void CDruckrahmen::BerichtKopfWerte(CDC* dc, const CDruckLayout& l, const CKopfZeilen& z, const CLauf& lauf,
                                    const char* prozent)
{
    const int x80 = l.Spalte(8000), x120 = l.Spalte(12000);
    Dateiwerte(dc, l, z.dateien);

    const bool hintergrund = (lauf.flags & aufgabe::HG_AUFGABE) != 0;
    Zeilen(dc, x80, z.darbietung, l,
           {FormatDatum(lauf.tag), FormatDouble(lauf.laufzeit, 1) + " s",
            (lauf.flags & aufgabe::HG_KEINE) ? "---" : Geschwindigkeit(lauf.standard, l),
            hintergrund && (lauf.flags & aufgabe::HG_TEMPO) ? Geschwindigkeit(lauf.ziel, l) : "---"});
    Text(dc, x120, z.darbietung, FormatDauer(lauf.uhrzeit));

    if (hintergrund) {
        Zeilen(dc, x80, z.hintergrund, l,
               {FormatInt(lauf.falsch), FormatInt(lauf.korrekt),
                lauf.korrekt > 0 ? FormatDouble(lauf.dauerSekunden / lauf.korrekt, 3) + " s" : "n. a."});
        Text(dc, x120, z.hintergrund - l.t,
             DruckAnteil(lauf.korrekt, static_cast<double>(lauf.korrekt) + lauf.falsch, prozent));
    } else {
        Zeilen(dc, x80, z.hintergrund, l, {"---", "---", "---"});
        Text(dc, x120, z.hintergrund - l.t, "---");
    }
}

void CDruckrahmen::Diagramm(CDC* dc, const CDruckLayout& l, int letzteZeile, const std::string& name, int diagramm,
                            int bericht)
{
    RECT r{l.Spalte(500), letzteZeile - 3 * l.t, l.rechts, 0};
    r.bottom = std::max(r.top - (r.right - r.left) / 2, l.unten);
    if (r.top - r.bottom <= 0)
        return;
    Text(dc, (r.left + r.right) / 2, letzteZeile - 2 * l.t, name, TA_CENTER | TA_TOP);
    DiagrammZeichnen(diagramm, dc, r, &m_Schrift, bericht);
}
