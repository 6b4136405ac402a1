#include "app/seitenansicht.h"

#include <algorithm>
#include <cstdlib>

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolBar>

#include "app/befehle.h"
#include "app/darbietung.h"
#include "app/fragedlg.h"
#include "app/kindrahmen.h"
#include "app/lumetra_app.h"
#include "app/mainfrm.h"
#include "dialogs/steuerflaeche.h"
#include "dialogs/zeichenflaeche.h"
#include "model/aufgabenbits.h"
#include "model/hintergrund.h"
#include "platform/draw/dc.h"
#include "platform/draw/dc_auswahl.h"
#include "platform/meldung.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

namespace {

// Bottom row, below the boxes.
constexpr int kFussOben = 431;
constexpr int kFussUnten = 446;
constexpr int kBreite = 615;
constexpr int kHoehe = 451;

using enum CZeile::Art;

// Background box of the settings page.
const CZeile kHintergrundAngaben[] = {
    {G, "Hintergrundaufgabe", 310, 5, 610, 428},
    {L, "Aufgabenart", 320, 23, 430, 38},
    {T, "", 430, 21, 600, 39},
    {L, "Hintergrundmuster", 320, 44, 430, 59},
    {T, "", 430, 42, 600, 60},
    {L, "Hintergrundfarbe", 320, 107, 540, 122},
    {L, "Standardhintergrund", 320, 128, 600, 143},
    {L, "Musterfarbe", 330, 149, 540, 164},
    {L, "Bewegung", 330, 170, 470, 185},
    {T, "", 470, 168, 530, 186},
    {Z, "", 540, 168, 600, 186},
    {L, "Zielhintergrund", 320, 191, 600, 206},
    {L, "Musterfarbe", 330, 212, 540, 227},
    {L, "Bewegung", 330, 233, 540, 248},
    {Z, "", 540, 231, 600, 249},
    {L, "Starttaste", 320, 275, 510, 290},
    {T, "", 510, 273, 600, 291},
    {L, "Reaktionstaste", 320, 296, 510, 311},
    {T, "", 510, 294, 600, 312},
};

// Value fields of the background box, counted from its task field.
enum : int { kHGMuster = 2, kRichtung = 7, kTempo = 8, kZielTempo = 12, kHGStart = 14, kHGReaktion = 16 };

// Presentation and background boxes of the report page.
const CZeile kDarbietungsBericht[] = {
    {G, "Darbietung", 310, 5, 610, 109},
    {L, "Datum / Uhrzeit", 320, 23, 470, 38},
    {Z, "", 470, 21, 530, 39},
    {Z, "", 540, 21, 600, 39},
    {L, "Gesamtdauer", 320, 44, 540, 59},
    {Z, "", 540, 42, 600, 60},
    {L, "Standardgeschwindigkeit", 320, 65, 540, 80},
    {Z, "", 540, 63, 600, 81},
    {L, "Zielgeschwindigkeit", 320, 86, 540, 101},
    {Z, "", 540, 84, 600, 102},
    {G, "Hintergrundaufgabe", 310, 114, 610, 198},
    {L, "Falscher Alarm", 320, 133, 470, 148},
    {Z, "", 470, 131, 530, 149},
    {L, "Korrekte Reaktionen", 320, 154, 470, 169},
    {Z, "", 470, 152, 530, 170},
    {Z, "", 540, 152, 600, 170},
    {L, "Mittl. Reaktionszeit", 320, 175, 540, 190},
    {Z, "", 540, 173, 600, 191},
};

// Value fields of those boxes, counted from the date field.
enum : int {
    kUhrzeit = 1,
    kDauer = 3,
    kStandard = 5,
    kZiel = 7,
    kFalsch = 10,
    kKorrekt = 12,
    kProzent = 13,
    kHGZeit = 15
};

} // namespace

CSeitenAnsicht::CSeitenAnsicht(CLMDokument* dokument, const CAnsichtsArt& art, QWidget* eltern)
    : CFormAnsicht(dokument, eltern), m_art(art)
{
    GetFormular()->setFixedSize(kBreite, kHoehe);
    // Swatches and chart are painted above the group boxes, whose shaded
    // inside would tint them, and below every other control.
    new CZeichenflaeche(GetFormular(), [this](QPainter& p) {
        CPainterDC dc(&p, false);
        OnDraw(&dc);
    });
}

CSeitenAnsicht::~CSeitenAnsicht() = default;

void CSeitenAnsicht::OnUpdate(CFormAnsicht* sender, int hinweis)
{
    CFormAnsicht::OnUpdate(sender, hinweis);
    ZeigeSeite();
}

void CSeitenAnsicht::BindeUmgebung(CBenutzerprofil* profil, CUmgebung* umgebung)
{
    m_pProfil = profil;
    m_pUmgebung = umgebung;
}

// ---- Creation ---------------------------------------------------------------

template <class T>
T* CSeitenAnsicht::Neu(int l, int t, int r, int b)
{
    T* w = new T(GetFormular());
    w->setGeometry(l, t, r - l, b - t);
    w->setFont(DialogSchrift(m_pSchrift));
    m_Steuerelemente.push_back(w);
    w->setObjectName(QStringLiteral("ctl%1").arg(m_Steuerelemente.size()));
    return w;
}

QGroupBox* CSeitenAnsicht::Gruppe(const char* text, int l, int t, int r, int b)
{
    QGroupBox* g = Neu<QGroupBox>(l, t, r, b);
    g->setTitle(QString::fromUtf8(text));
    // Controls above it must stay clickable and the chart visible through it.
    g->lower();
    return g;
}

QLabel* CSeitenAnsicht::Beschriftung(const char* text, int l, int t, int r, int b, Qt::Alignment ausrichtung)
{
    QLabel* s = Neu<QLabel>(l, t, r, b);
    s->setTextFormat(Qt::PlainText);
    s->setText(QString::fromUtf8(text));
    s->setAlignment(ausrichtung | Qt::AlignTop);
    return s;
}

QLineEdit* CSeitenAnsicht::Feld(int l, int t, int r, int b, bool rechts)
{
    QLineEdit* e = Neu<QLineEdit>(l, t, r, b);
    e->setAlignment(rechts ? Qt::AlignRight : Qt::AlignLeft);
    // Values are shown, never typed: the settings sheets change them.
    e->setEnabled(false);
    return e;
}

QComboBox* CSeitenAnsicht::Auswahlliste(int l, int t, int r, int /*b*/)
{
    QComboBox* c = Neu<QComboBox>(l, t, r, t + 21);
    c->setMaxVisibleItems(5); // a list of about 100 pixels
    c->setFocusPolicy(Qt::StrongFocus);
    m_pBerichtAuswahl = c;
    connect(c, &QComboBox::activated, this, &CSeitenAnsicht::OnSelchangeBerichtAuswahl);
    return c;
}

void CSeitenAnsicht::Erzeuge(const CZeile* zeilen, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        const CZeile& z = zeilen[i];
        switch (z.art) {
        case G: Gruppe(z.text, z.l, z.t, z.r, z.b); break;
        case L: Beschriftung(z.text, z.l, z.t, z.r, z.b); break;
        case C: Beschriftung(z.text, z.l, z.t, z.r, z.b, Qt::AlignHCenter); break;
        case T: Feld(z.l, z.t, z.r, z.b, false); break;
        case Z: Feld(z.l, z.t, z.r, z.b, true); break;
        case A: Auswahlliste(z.l, z.t, z.r, z.b); break;
        }
    }
}

void CSeitenAnsicht::ErzeugeSeiten(std::span<const CZeile> angaben, std::span<const CZeile> bericht,
                                   std::span<const CZeile> verteilung)
{
    Erzeuge(angaben.data(), static_cast<int>(angaben.size()));
    Erzeuge(kHintergrundAngaben);
    AngabenseiteFertig();
    Erzeuge(bericht.data(), static_cast<int>(bericht.size()));
    Erzeuge(kDarbietungsBericht);
    Erzeuge(verteilung.data(), static_cast<int>(verteilung.size()));
    // The distribution box's table ends with its "nicht aktiv" label.
    m_pNichtAktiv = qobject_cast<QLabel*>(m_Steuerelemente.back());
    m_pNichtAktiv->setEnabled(false);
    m_rcDiagramm = RECT{15, 213, 600, 423};
    BerichtseiteFertig();
    ErzeugeFusszeile();
}

void CSeitenAnsicht::AngabenseiteFertig() { m_nAngaben = AnzahlSteuerelemente(); }

void CSeitenAnsicht::BerichtseiteFertig() { m_nBerichtEnde = AnzahlSteuerelemente(); }

void CSeitenAnsicht::ErzeugeFusszeile()
{
    m_pTitel = Beschriftung("", 5, kFussOben, 295, kFussUnten);
    Beschriftung("Bericht:", 360, kFussOben, 400, kFussUnten);
    m_pBerichtNummer = Beschriftung("", 400, kFussOben, 460, kFussUnten, Qt::AlignRight);
    Beschriftung("Seite:", 510, kFussOben, 550, kFussUnten);
    m_pSeitenNummer = Beschriftung("", 550, kFussOben, 610, kFussUnten, Qt::AlignRight);
}

// ---- Controls by number -----------------------------------------------------

QWidget* CSeitenAnsicht::Steuerelement(int nr) const
{
    if (nr < 1 || nr > AnzahlSteuerelemente())
        return nullptr;
    return m_Steuerelemente[nr - 1];
}

void CSeitenAnsicht::SetzeText(int nr, const std::string& text)
{
    QWidget* w = Steuerelement(nr);
    const QString t = QString::fromStdString(text);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(t);
        e->setCursorPosition(0);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(t);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(t);
    }
}

std::string CSeitenAnsicht::GetText(int nr) const
{
    QWidget* w = Steuerelement(nr);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text().toStdString();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text().toStdString();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title().toStdString();
    return {};
}

void CSeitenAnsicht::SetzeNurLesen(int nr, bool nurLesen)
{
    if (auto* e = qobject_cast<QLineEdit*>(Steuerelement(nr)))
        e->setReadOnly(nurLesen);
}

void CSeitenAnsicht::SeiteSichtbar(bool bericht)
{
    for (int i = 0; i < m_nBerichtEnde; ++i) {
        QWidget* w = m_Steuerelemente[i];
        const bool aufBericht = i >= m_nAngaben;
        if (aufBericht != bericht)
            w->hide();
        else if (w != m_pNichtAktiv)
            w->show();
    }
    if (!bericht && m_pNichtAktiv)
        m_pNichtAktiv->hide();
}

// ---- Pages --------------------------------------------------------------------

void CSeitenAnsicht::ZeigeSeite()
{
    if (!Gebunden() || !m_pTitel)
        return;
    const int n = BerichtAnzahl();
    int& seite = Seite();
    int& bericht = BerichtNr();
    if (seite > 1 && n > 0) {
        if (bericht > n)
            bericht = n;
        else if (bericht <= 0)
            bericht = 1;
        if (seite > bericht + 1)
            seite = bericht + 1;
        m_pTitel->setText(QString::fromStdString(Seitentitel(true)));
        m_pBerichtNummer->setText(QString::fromStdString(FormatInt(bericht) + " / " + FormatInt(n)));
        ZeigeBericht();
    } else {
        m_pTitel->setText(QString::fromStdString(Seitentitel(false)));
        m_pBerichtNummer->setText(QString::fromStdString("0 / " + FormatInt(n)));
        ZeigeAngaben();
    }
    m_pSeitenNummer->setText(QString::fromStdString(FormatInt(seite) + " / " + FormatInt(n + 1)));
    // Texts change with every fill, and with the page the controls on top.
    const QFont schrift = DialogSchrift(m_pSchrift);
    for (QWidget* w : m_Steuerelemente)
        if (!w->isHidden())
            TextEinpassen(w, schrift);
    GetFormular()->update();
}

void CSeitenAnsicht::FuelleBerichtAuswahl()
{
    if (!Gebunden() || !m_pBerichtAuswahl)
        return;
    m_pBerichtAuswahl->clear();
    std::vector<std::string> namen;
    int c1 = 0, c2 = 0;
    DiagrammNamen(namen, c1, c2, BerichtNr() - 1);
    if (c1 < 1) {
        m_pBerichtAuswahl->setEnabled(false);
        return;
    }
    const int anzahl = std::min<int>(c1 + c2, static_cast<int>(namen.size()));
    for (int i = 0; i < anzahl; ++i)
        m_pBerichtAuswahl->addItem(QString::fromStdString(namen[i]));
    int r = std::abs(Diagrammwahl());
    if (r > c1)
        r = c1;
    if (r > 0)
        --r;
    Diagrammwahl() = r + 1;
    m_pBerichtAuswahl->setCurrentIndex(r);
    m_pBerichtAuswahl->setEnabled(true);
}

void CSeitenAnsicht::OnSelchangeBerichtAuswahl(int index)
{
    Diagrammwahl() = index >= 0 ? index + 1 : 0;
    ZeigeSeite();
}

std::string CSeitenAnsicht::GeschwindigkeitText(double anteil) const
{
    if (!m_pUmgebung)
        return FormatDouble(anteil, 1) + " 1/s";
    return FormatDouble(m_pUmgebung->AnteilInEinheitX(anteil), m_pUmgebung->GetDezimalstellen()) + " " +
           m_pUmgebung->GetEinheitText() + "/s";
}

std::string CSeitenAnsicht::Tastenname(int index, const char* ersatz) const
{
    if (!m_pUmgebung || index < 0 || index >= m_pUmgebung->m_Tastenliste.GetAnzahl())
        return ersatz;
    return m_pUmgebung->m_Tastenliste.GetName(index);
}

void CSeitenAnsicht::ZeigeHintergrundAngaben(int erstes, const CHGAufgabe& a, const CHGMuster& m, const CHGBewegung& b)
{
    const bool mitAufgabe = a.m_nArt == 10 || a.m_nArt == 20;
    const bool start = a.m_nIntervallmodus == 1 && mitAufgabe;
    const bool reaktion = a.m_nDurchgangsende == 1 && mitAufgabe;
    SetzeText(erstes, a.m_strName);
    SetzeText(erstes + kHGMuster, m.m_strName);
    SetzeText(erstes + kRichtung, b.m_nRichtung == 1 ? "nach rechts" : "nach links");
    SetzeText(erstes + kTempo, GeschwindigkeitText(b.m_dGeschwindigkeit));
    SetzeText(erstes + kZielTempo, a.m_nArt == 20 ? GeschwindigkeitText(a.m_dZielgeschwindigkeit) : "---");
    SetzeText(erstes + kHGStart, start ? Tastenname(a.m_nStarttaste, "Eingabetaste") : "---");
    SetzeText(erstes + kHGReaktion, reaktion ? Tastenname(a.m_nReaktionstaste, "Leertaste") : "---");
    SetzeNurLesen(erstes + kZielTempo, a.m_nArt != 20);
    SetzeNurLesen(erstes + kHGStart, !start);
    SetzeNurLesen(erstes + kHGReaktion, !reaktion);
}

std::string CSeitenAnsicht::ProzentText(double zaehler, double nenner)
{
    if (nenner <= 0)
        return "n. a.";
    return FormatDouble(100.0 * zaehler / nenner, 1) + "%";
}

void CSeitenAnsicht::ZeigeDarbietungsBericht(int erstes, const CDarbietungsWerte* w)
{
    const uint32_t flags = w ? w->flags : 0;
    const bool standard = w && !(flags & aufgabe::HG_KEINE);
    const bool ziel = w && (flags & aufgabe::HG_AUFGABE) && (flags & aufgabe::HG_TEMPO);
    const bool hg = w && (flags & aufgabe::HG_AUFGABE);
    if (w) {
        SetzeText(erstes, FormatDatum(w->tag));
        SetzeText(erstes + kUhrzeit, FormatDauer(w->uhrzeit));
        SetzeText(erstes + kDauer, FormatDouble(w->laufzeit, 1) + " s");
    } else {
        for (int f : {0, int(kUhrzeit), int(kDauer)}) {
            SetzeText(erstes + f, "---");
            SetzeNurLesen(erstes + f, true);
        }
    }
    SetzeText(erstes + kStandard, standard ? GeschwindigkeitText(w->standardTempo) : "---");
    SetzeText(erstes + kZiel, ziel ? GeschwindigkeitText(w->zielTempo) : "---");
    SetzeNurLesen(erstes + kStandard, !standard);
    SetzeNurLesen(erstes + kZiel, !ziel);
    if (hg) {
        SetzeText(erstes + kFalsch, FormatInt(w->falscheAlarme));
        SetzeText(erstes + kKorrekt, FormatInt(w->korrekt));
        SetzeText(erstes + kProzent, ProzentText(w->korrekt, static_cast<double>(w->korrekt) + w->falscheAlarme));
        SetzeText(erstes + kHGZeit, w->korrekt > 0 ? FormatDouble(w->dauerSekunden / w->korrekt, 3) + " s" : "n. a.");
    }
    for (int f : {kFalsch, kKorrekt, kProzent, kHGZeit}) {
        if (!hg)
            SetzeText(erstes + f, "---");
        SetzeNurLesen(erstes + f, !hg);
    }
}

// ---- Painting -------------------------------------------------------------------

void CSeitenAnsicht::OnDraw(CDC* dc)
{
    if (!Gebunden())
        return;
    const int n = BerichtAnzahl();
    int& seite = Seite();
    int& bericht = BerichtNr();
    if (seite >= 2 && n >= 1) {
        if (bericht > n)
            bericht = n;
        else if (bericht < 1)
            bericht = 1;
        if (seite > bericht + 1)
            seite = bericht + 1;
        ZeichneBerichtGrafik(dc);
    } else {
        seite = 1;
        ZeichneFarben(dc);
    }
}

void CSeitenAnsicht::ZeichneFarbfelder(CDC* dc, std::vector<std::pair<RECT, COLORREF>> felder, const CFarben& f)
{
    felder.push_back({RECT{540, 107, 600, 122}, f.m_crHintergrund});
    felder.push_back({RECT{540, 149, 600, 164}, f.m_crStandardmuster});
    felder.push_back({RECT{540, 212, 600, 227}, f.m_crZielmuster});
    CPen weiss(PS_SOLID, 0, RGB(255, 255, 255));
    CDCAuswahl auswahl(dc);
    auswahl.Waehlen(&weiss);
    for (const auto& [r, farbe] : felder) {
        CBrush pinsel(farbe);
        CDCAuswahl fuellung(dc);
        fuellung.Waehlen(&pinsel);
        dc->Rectangle(&r);
    }
}

void CSeitenAnsicht::showEvent(QShowEvent* e)
{
    CFormAnsicht::showEvent(e);
    ZeigeSeite();
    PruefeSymbolleiste();
}

void CSeitenAnsicht::hideEvent(QHideEvent* e)
{
    CFormAnsicht::hideEvent(e);
    ZeigeSeite();
    PruefeSymbolleiste();
}

// ---- Commands ------------------------------------------------------------------------

bool CSeitenAnsicht::Befehl(int id)
{
    if (!Gebunden())
        return false;
    const int basis = m_art.berichtBasis;
    if (id == m_art.praesentation)
        OnPraesentation();
    else if (id == basis)
        AngabenBefehl();
    else if (id == basis + 2)
        BerichteBefehl();
    else if (id == basis + 4)
        OnVorherigerBericht();
    else if (id == basis + 6)
        OnNaechsterBericht();
    else if (id == basis + 8)
        OnBerichtLoeschen();
    else if (id == basis + 10)
        OnAlleBerichteLoeschen();
    else if (id == m_art.vordergrund)
        OnVordergrundaufgabe();
    else if (id == ID_HG_AUFGABE)
        OnHGAufgabe();
    else if (id == ID_HG_MUSTER)
        OnHGMuster();
    else if (id == ID_HG_BEWEGUNG)
        OnHGBewegung();
    else if (id == ID_FARBEN)
        OnFarben();
    else if (id == m_art.drucken || id == ID_FILE_PRINT)
        OnFilePrint();
    else if (id == m_art.seitenansicht)
        OnFilePrintPreview();
    else
        return false;
    return true;
}

void CSeitenAnsicht::Geaendert()
{
    if (GetDocument())
        GetDocument()->SetModifiedFlag(true);
}

bool CSeitenAnsicht::Frage(const std::string& text)
{
    CFrageDlg frage;
    frage.SetText(text);
    return frage.DoModal() == 1;
}

void CSeitenAnsicht::ZeigeBerichtNr(int nr)
{
    const int n = BerichtAnzahl();
    if (n >= 1) {
        BerichtNr() = std::clamp(nr, 1, n);
        Seite() = BerichtNr() + 1;
        FuelleBerichtAuswahl();
    } else {
        BerichtNr() = 0;
        Seite() = 1;
    }
}

void CSeitenAnsicht::OnPraesentation()
{
    if (!Gebunden())
        return;
    // The full-screen run may move and resize the main window.
    QWidget* haupt = window();
    const QRect lage = haupt->geometry();
    const Qt::WindowStates zustand = haupt->windowState();

    int code = 0;
    bool uebernommen = true;
    std::string fehler, hinweis;
    int hinweisCode = 0;
    {
        std::unique_ptr<CDarbietung> darbietung = NeueDarbietung();
        code = Darbieten(*darbietung);
        if (code == 0) {
            const int n = BerichtAnzahl();
            // A report that did not land in the model is no success.
            uebernommen = BerichtAnhaengen(*darbietung) == 0 && BerichtAnzahl() == n + 1;
            if (uebernommen) {
                Geaendert();
                BerichtNr() = BerichtAnzahl();
                Seite() = BerichtNr() + 1;
                FuelleBerichtAuswahl();
                AktualisiereBerichtMenue();
                ZeigeSeite();
            }
        }
        fehler = "Fehler " + FormatInt(code) + ": " + darbietung->GetFehlerText();
        hinweis = "Hinweis: " + darbietung->GetHinweisText();
        hinweisCode = darbietung->GetHinweis();
    }

    haupt->setWindowState(zustand);
    if (!(zustand & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        haupt->setGeometry(lage);
    haupt->update();

    if (code >= 1)
        AfxMessageBox(fehler, MB_OK | MB_ICONEXCLAMATION);
    else if (!uebernommen)
        AfxMessageBox(std::string("Fehler: Der Bericht der Präsentation konnte nicht in ") + m_art.modell +
                          " übernommen werden.",
                      MB_OK | MB_ICONEXCLAMATION);
    else if (hinweisCode >= 1)
        AfxMessageBox(hinweis, MB_OK | MB_ICONEXCLAMATION);
}

void CSeitenAnsicht::AngabenUebernehmen(int ergebnis, const std::function<void()>& zurueck)
{
    if (ergebnis != 1)
        return;
    if (BerichtAnzahl() == 0) {
        zurueck();
        Geaendert();
    } else {
        // Asked even when nothing changed: the sheet cannot tell.
        const std::string angaben = m_art.angaben, berichte = std::string(m_art.bericht) + "e";
        if (Frage("Durch das Ändern der " + angaben + " werden alle " + berichte +
                  " ungültig. Möchten Sie wirklich die " + angaben + " übernehmen und damit alle " + berichte +
                  " löschen?")) {
            BerichteEntfernen();
            zurueck();
            Geaendert();
            AktualisiereBerichtMenue();
        }
    }
    ZeigeSeite();
}

void CSeitenAnsicht::AngabenBefehl()
{
    Seite() = 1;
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

void CSeitenAnsicht::BerichteBefehl()
{
    ZeigeBerichtNr(BerichtNr());
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

void CSeitenAnsicht::OnNaechsterBericht()
{
    ZeigeBerichtNr(BerichtNr() + 1);
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

void CSeitenAnsicht::OnVorherigerBericht()
{
    ZeigeBerichtNr(BerichtNr() - 1);
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

void CSeitenAnsicht::OnBerichtLoeschen()
{
    if (BerichtAnzahl() == 0) {
        ZeigeBerichtNr(0);
    } else {
        if (Frage(std::string("Möchten Sie wirklich den ") + m_art.bericht + " " + FormatInt(BerichtNr()) +
                  " löschen?")) {
            BerichtEntfernen(BerichtNr() - 1);
            Geaendert();
        }
        ZeigeBerichtNr(BerichtNr());
    }
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

void CSeitenAnsicht::OnAlleBerichteLoeschen()
{
    if (BerichtAnzahl() == 0) {
        ZeigeBerichtNr(0);
    } else if (Frage(std::string("Möchten Sie wirklich alle ") + m_art.bericht + "e löschen?")) {
        BerichteEntfernen();
        ZeigeBerichtNr(0);
        Geaendert();
    }
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

// ---- Report menu and tool bar -------------------------------------------------------

void CSeitenAnsicht::PruefeSymbolleiste()
{
    SymbolleistePruefen(HauptfensterFuer(this), m_art.berichtBasis);
    AktualisiereBerichtMenue();
}

void CSeitenAnsicht::AktualisiereBerichtMenue()
{
    CMainFrame* haupt = HauptfensterFuer(this);
    if (!Gebunden() || !haupt)
        return;
    BerichtMenueSetzen(haupt, m_art.berichtBasis, {BerichtAnzahl(), Seite(), BerichtNr()});
    haupt->GetSymbolleiste()->show();
}
