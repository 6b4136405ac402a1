#include "app/seitenansicht.h"

#include <algorithm>
#include <cstdlib>

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "app/lumetra_app.h"
#include "platform/draw/dc.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

namespace {

// Bottom row, below the boxes.
constexpr int kFussOben = 431;
constexpr int kFussUnten = 446;
constexpr int kBreite = 615;
constexpr int kHoehe = 451;

} // namespace

CSeitenAnsicht::CSeitenAnsicht(CLMDokument* dokument, QWidget* eltern) : CFormAnsicht(dokument, eltern)
{
    GetFormular()->setFixedSize(kBreite, kHoehe);
    GetFormular()->installEventFilter(this);
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

template <class T> T* CSeitenAnsicht::Neu(int l, int t, int r, int b)
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
    c->setMaxVisibleItems(5);    // a list of about 100 pixels
    c->setFocusPolicy(Qt::StrongFocus);
    m_pBerichtAuswahl = c;
    connect(c, &QComboBox::activated, this, &CSeitenAnsicht::OnSelchangeBerichtAuswahl);
    return c;
}

void CSeitenAnsicht::AngabenseiteFertig()
{
    m_nAngaben = AnzahlSteuerelemente();
}

void CSeitenAnsicht::BerichtseiteFertig()
{
    m_nBerichtEnde = AnzahlSteuerelemente();
}

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

void CSeitenAnsicht::ZeichneFarbfelder(CDC* dc, const std::vector<std::pair<RECT, COLORREF>>& felder)
{
    CPen weiss(PS_SOLID, 0, RGB(255, 255, 255));
    CPen* alterStift = dc->SelectObject(&weiss);
    for (const auto& [r, farbe] : felder) {
        CBrush pinsel;
        pinsel.CreateSolidBrush(farbe);
        CBrush* alterPinsel = dc->SelectObject(&pinsel);
        dc->Rectangle(&r);
        dc->SelectObject(alterPinsel);
        pinsel.DeleteObject();
    }
    dc->SelectObject(alterStift);
}

bool CSeitenAnsicht::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == GetFormular() && ereignis->type() == QEvent::Paint) {
        QPainter p(GetFormular());
        CPainterDC dc(&p, false);
        OnDraw(&dc);
    }
    return CFormAnsicht::eventFilter(objekt, ereignis);
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
