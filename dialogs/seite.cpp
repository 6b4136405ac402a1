#include "dialogs/seite.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QLabel>

#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

namespace {

int MulDiv(int a, int b, int c) { return static_cast<int>(std::lround(static_cast<double>(a) * b / c)); }

} // namespace

int DluInPixelX(int dlu) { return MulDiv(dlu, 6, 4); }
int DluInPixelY(int dlu) { return MulDiv(dlu, 13, 8); }

// ---- page

CSeite::CSeite(const QString& titel, int breiteDlu, int hoeheDlu, bool zeigenBeiAnzeige)
    : CSteuerflaeche(this), m_strTitel(titel), m_bZeigenBeiAnzeige(zeigenBeiAnzeige)
{
    setObjectName(titel);
    setFixedSize(DluInPixelX(breiteDlu), DluInPixelY(hoeheDlu));
}

CSeite::~CSeite() = default;

void CSeite::Binden(CBenutzerprofil* profil, CUmgebung* umgebung, bool mitEinheit)
{
    m_pUmgebung = umgebung;
    SchriftNehmen(profil);
    if (mitEinheit && umgebung) {
        m_strEinheit = umgebung->GetEinheitText();
        m_nDezimalstellen = umgebung->GetDezimalstellen();
    }
}

void CSeite::OnInitDialog()
{
    if (m_bErzeugt)
        return;
    m_bErzeugt = true;
    ErzeugeSteuerelemente();
    SchriftSetzen();
    Zeigen();
}

void CSeite::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!m_bErzeugt)
        OnInitDialog();
    else if (m_bZeigenBeiAnzeige)
        Zeigen();
}

void CSeite::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (m_bErzeugt && m_bZeigenBeiAnzeige)
        Zeigen();
}

void CSeite::ZeigeLaengeX(CFeld* feld, double anteil) const
{
    ZeigeWert(feld, anteil, Zahltext(m_pUmgebung ? m_pUmgebung->AnteilInEinheitX(anteil) : anteil));
}

void CSeite::ZeigeLaengeY(CFeld* feld, double anteil) const
{
    ZeigeWert(feld, anteil, Zahltext(m_pUmgebung ? m_pUmgebung->AnteilInEinheitY(anteil) : anteil));
}

double CSeite::LiesLaengeX(const CFeld* feld) const { return LiesLaenge(feld, &CUmgebung::EinheitInAnteilX); }
double CSeite::LiesLaengeY(const CFeld* feld) const { return LiesLaenge(feld, &CUmgebung::EinheitInAnteilY); }

double CSeite::LiesLaenge(const CFeld* feld, double (CUmgebung::*inAnteil)(double) const) const
{
    return LiesWert(feld, [this, inAnteil](const std::string& text) {
        const double wert = ParseDouble(text, m_nDezimalstellen);
        return m_pUmgebung ? (m_pUmgebung->*inAnteil)(wert) : wert;
    });
}

void CSeite::ZeigeZahl(CFeld* feld, double wert) const { ZeigeWert(feld, wert, Zahltext(wert)); }

double CSeite::LiesZahl(const CFeld* feld) const
{
    return LiesWert(feld, [this](const std::string& text) { return ParseDouble(text, m_nDezimalstellen); });
}

std::string CSeite::Zahltext(double wert) const { return FormatDouble(wert, m_nDezimalstellen); }

QString CSeite::MitEinheit(const std::string& text) const
{
    return QString::fromStdString(text + " [" + m_strEinheit + "]");
}

QString CSeite::MitEinheitMax(const std::string& text, double grenze) const
{
    return QString::fromStdString(text + " [" + m_strEinheit + "] (max. " + Zahltext(grenze) + ")");
}

QString CSeite::MitEinheitMaxX(const std::string& text) const
{
    return MitEinheitMax(text, m_pUmgebung ? m_pUmgebung->AnteilInEinheitX(1.0) : 1.0);
}

QString CSeite::MitEinheitMaxY(const std::string& text) const
{
    return MitEinheitMax(text, m_pUmgebung ? m_pUmgebung->AnteilInEinheitY(1.0) : 1.0);
}

CFeld* CSeite::Wertzeile(int x, int y, int textX, const char* textName, const QString& text, const char* feldName,
                         QLabel** beschriftung)
{
    QLabel* l = Beschriftung(textName, text, Kante(textX, y + kTextVersatz, x + 230, y + kTextVersatz + kTextHoehe));
    if (beschriftung)
        *beschriftung = l;
    return Zahlfeld(feldName, Kante(x + 230, y + kFeldVersatz, x + 290, y + kFeldVersatz + kFeldHoehe));
}

CSeite::CFeldpaar CSeite::Feldpaar(int x, int y, int textX, const std::array<const char*, 4>& namen,
                                   const QString& text1, const QString& text2)
{
    const int tt = y + kTextVersatz, tb = tt + kTextHoehe;
    const int ft = y + kFeldVersatz, fb = ft + kFeldHoehe;
    CFeldpaar p;
    p.text1 = Beschriftung(namen[0], text1, Kante(textX, tt, x + 90, tb));
    p.feld1 = Zahlfeld(namen[1], Kante(x + 90, ft, x + 150, fb));
    p.text2 = Beschriftung(namen[2], text2, Kante(x + 160, tt, x + 230, tb));
    p.feld2 = Zahlfeld(namen[3], Kante(x + 230, ft, x + 290, fb));
    return p;
}

void CSeite::TastenEintragen(QComboBox* liste) const
{
    if (!m_pUmgebung)
        return;
    const CTastenliste& tasten = m_pUmgebung->m_Tastenliste;
    for (int i = 0; i < tasten.GetAnzahl(); ++i)
        liste->addItem(QString::fromStdString(tasten.GetName(i)));
}

void CSeite::TasteAuswaehlen(QComboBox* liste, int index)
{
    Auswaehlen(liste, liste->count() > 0 ? std::clamp(index, 0, liste->count() - 1) : -1);
}

void CSeite::ReizsaetzeEintragen(QComboBox* liste, bool mitStrich, bool zweiteTabelle) const
{
    if (mitStrich)
        liste->addItem("---");
    if (!m_pUmgebung)
        return;
    const CReizkatalog& katalog = m_pUmgebung->m_Reizkatalog;
    const auto& namen = zweiteTabelle ? katalog.m_SatzNamen2 : katalog.m_SatzNamen;
    const int anzahl = zweiteTabelle ? katalog.m_nAnzahlSaetze2 : katalog.m_nAnzahlSaetze;
    for (int i = 0; i < anzahl && i < static_cast<int>(namen.size()); ++i)
        liste->addItem(QString::fromStdString(namen[i]));
}
