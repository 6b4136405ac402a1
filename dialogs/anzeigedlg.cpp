#include "dialogs/anzeigedlg.h"

#include <iterator>

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

namespace {

void Waehle(QComboBox* liste, bool frei, int index)
{
    liste->setCurrentIndex(frei ? index : -1);
    liste->setEnabled(frei);
}

// Sub-unit bits of the list entries, index 0 first.
constexpr uint32_t kWinkel[] = {0, EINHEIT_BOGENMINUTEN, EINHEIT_BOGENSEKUNDEN};
constexpr uint32_t kLaenge[] = {0, EINHEIT_DM, EINHEIT_CM, EINHEIT_MM};
constexpr uint32_t kAnteil[] = {0, EINHEIT_PROZENT};

// How the dialog shows a unit: the kind (angle, length, pixels, part of the
// display) and the entry of its list. The kinds are tested in the order in
// which the environment converts, so that a unit without a kind bit, which
// converts and is labelled as a part of the display, is shown as one.
enum class EArt { Winkel, Laenge, Pixel, Anteil };
struct CDarstellung {
    EArt art;
    int eintrag;
    bool operator==(const CDarstellung&) const = default;
};

CDarstellung Darstellung(uint32_t u)
{
    if (u & EINHEIT_WINKEL)
        return {EArt::Winkel, (u & EINHEIT_BOGENMINUTEN) ? 1 : (u & EINHEIT_BOGENSEKUNDEN) ? 2 : 0};
    if (u & EINHEIT_LAENGE)
        return {EArt::Laenge, (u & EINHEIT_MM) ? 3 : (u & EINHEIT_CM) ? 2 : (u & EINHEIT_DM) ? 1 : 0};
    if (u & EINHEIT_PIXEL)
        return {EArt::Pixel, 0};
    return {EArt::Anteil, (u & EINHEIT_PROZENT) ? 1 : 0};
}

} // namespace

CAnzeigeDlg::CAnzeigeDlg(QWidget* eltern)
    : CRasterDialog(156, "Anzeigeoptionen ändern", QSize(207, 185), QPoint(99, 167), QPoint(153, 167), eltern)
{
    setObjectName("anzeigedlg");
}

CAnzeigeDlg::~CAnzeigeDlg() = default;

void CAnzeigeDlg::SetOptionen(CBenutzerprofil* profil)
{
    if (!profil)
        return;
    SchriftNehmen(profil);
    m_Optionen = profil->GetAnzeigeOptionen();
}

void CAnzeigeDlg::Uebernehmen(CBenutzerprofil* profil) { profil->SetAnzeigeoptionen(m_Optionen); }

void CAnzeigeDlg::ErzeugeSteuerelemente()
{
    Gruppe("", "Einheit", Kante(5, 5, 305, 130));
    m_pWinkel = Option("sehwinkel", "Sehwinkel", Kante(15, 20, 225, 40));
    m_pLaenge = Option("laenge", "Länge", Kante(15, 41, 225, 61));
    m_pPixel = Option("pixel", "Pixel", Kante(15, 62, 225, 82));
    m_pAnteil = Option("anteil", "Teil der Anzeigefläche", Kante(15, 83, 225, 103));
    Beschriftung("", "Dezimalstellen", Kante(15, 107, 225, 122));
    m_pWinkelListe = Liste("winkelliste", Kante(235, 19, 295, 119));
    m_pLaengenListe = Liste("laengenliste", Kante(235, 40, 295, 140));
    m_pAnteilListe = Liste("anteilliste", Kante(235, 82, 295, 182));
    m_pDezimalstellen = Zahlfeld("dezimalstellen", Kante(235, 105, 295, 123));
    Gruppe("", "Konsole", Kante(5, 135, 305, 218));
    m_pSymbolleiste = Kontrollkaestchen("symbolleiste", "Symbolleiste anzeigen", Kante(15, 150, 295, 170));
    m_pStatusleiste = Kontrollkaestchen("statusleiste", "Statusleiste anzeigen", Kante(15, 171, 295, 191));
    m_pUmgebungsdaten = Kontrollkaestchen("umgebungsdaten", "Umgebungsdaten anzeigen", Kante(15, 192, 295, 212));
    Gruppe("", "Nachrichten", Kante(5, 223, 305, 264));
    m_pWarnung = Kontrollkaestchen("warnung", "Warnung bei inkompatiblen Maßangaben anzeigen",
                                   Kante(15, 238, 295, 258));

    m_pWinkelListe->addItems({"[°]", "[']", "[\"]"});
    m_pLaengenListe->addItems({"[m]", "[dm]", "[cm]", "[mm]"});
    m_pAnteilListe->addItems({"[1]", "[%]"});
}

void CAnzeigeDlg::ZeigeDaten()
{
    if (!m_pWinkel)
        return;
    const CDarstellung d = Darstellung(m_Optionen.GetEinheit());
    Waehlen(d.art == EArt::Winkel   ? m_pWinkel
            : d.art == EArt::Laenge ? m_pLaenge
            : d.art == EArt::Pixel  ? m_pPixel
                                    : m_pAnteil);
    Waehle(m_pWinkelListe, d.art == EArt::Winkel, d.eintrag);
    Waehle(m_pLaengenListe, d.art == EArt::Laenge, d.eintrag);
    Waehle(m_pAnteilListe, d.art == EArt::Anteil, d.eintrag);
    Freigeben(m_pDezimalstellen, d.art != EArt::Pixel);
    ZeigeAnzahl(m_pDezimalstellen, m_Optionen.GetDezimalstellen());

    // The bars are always shown and the other two options are not offered.
    m_pSymbolleiste->setChecked(true);
    m_pStatusleiste->setChecked(true);
    m_pUmgebungsdaten->setChecked(false);
    m_pWarnung->setChecked(false);
    for (QCheckBox* c : {m_pSymbolleiste, m_pStatusleiste, m_pUmgebungsdaten, m_pWarnung})
        c->setEnabled(false);
    update();
}

void CAnzeigeDlg::LeseDaten()
{
    if (!m_pWinkel)
        return;
    const auto eintrag = [](const QComboBox* liste, const auto& tabelle) {
        const int i = liste->currentIndex();
        return i > 0 && i < static_cast<int>(std::size(tabelle)) ? i : 0;
    };
    uint32_t u = EINHEIT_PIXEL;
    CDarstellung d{EArt::Pixel, 0};
    if (m_pWinkel->isChecked()) {
        d = {EArt::Winkel, eintrag(m_pWinkelListe, kWinkel)};
        u = EINHEIT_WINKEL | kWinkel[d.eintrag];
    } else if (m_pLaenge->isChecked()) {
        d = {EArt::Laenge, eintrag(m_pLaengenListe, kLaenge)};
        u = EINHEIT_LAENGE | kLaenge[d.eintrag];
    } else if (m_pAnteil->isChecked()) {
        d = {EArt::Anteil, eintrag(m_pAnteilListe, kAnteil)};
        u = EINHEIT_ANTEIL | kAnteil[d.eintrag];
    }
    // A unit shown as it is stays as it was stored, other bits included.
    if (d != Darstellung(m_Optionen.GetEinheit()))
        m_Optionen.SetEinheit(u);

    const int stellen = LiesAnzahl(m_pDezimalstellen);
    m_Optionen.SetDezimalstellen(stellen < 0 ? 0 : stellen);

    const auto flagge = [this](uint32_t bit, const QCheckBox* c) {
        if (c->isChecked())
            m_Optionen.m_dwFlags |= bit;
        else
            m_Optionen.m_dwFlags &= ~bit;
    };
    flagge(ANZEIGE_WERKZEUGLEISTE, m_pSymbolleiste);
    flagge(ANZEIGE_STATUSLEISTE, m_pStatusleiste);
    flagge(ANZEIGE_UMGEBUNGSDATEN, m_pUmgebungsdaten);
    flagge(ANZEIGE_WARNUNG_EINHEITEN, m_pWarnung);
}
