#include "dialogs/steuerflaeche.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include "platform/draw/qpainter/painter_dc.h"
#include "workplace/benutzerprofil.h"
#include "workplace/formatierung.h"

namespace {

// A button answers a click anywhere in its rectangle, not only on its
// indicator and text.
template <class Knopf>
class CGanzerKnopf : public Knopf {
public:
    using Knopf::Knopf;

protected:
    bool hitButton(const QPoint& p) const override { return this->rect().contains(p); }
};

// How wide the control's text is and how much room its control leaves it.
struct CTextmass {
    int breite = 0;
    int raum = 0;
    // A word-wrapped text also takes height.
    int hoehe = 0;
    int raumHoehe = 0;
};

int Textbreite(const QFont& schrift, const QString& text) { return QFontMetrics(schrift).horizontalAdvance(text); }

// A control created later lies on top: it ends the room of a label or option
// whose line it covers.
int Raum(const QWidget* w)
{
    int rechts = w->geometry().right() + 1;
    const QWidget* eltern = w->parentWidget();
    if (!eltern)
        return rechts - w->x();
    const QObjectList& geschwister = eltern->children();
    for (qsizetype i = geschwister.indexOf(const_cast<QWidget*>(w)) + 1; i < geschwister.size(); ++i) {
        const auto* g = qobject_cast<const QWidget*>(geschwister[i]);
        if (!g || g->isHidden() || qobject_cast<const QGroupBox*>(g) ||
            g->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        if (g->geometry().intersects(w->geometry()) && g->x() > w->x())
            rechts = std::min(rechts, g->x());
    }
    return rechts - w->x();
}

CTextmass Mass(const QWidget* w, const QFont& schrift)
{
    QStyle* stil = w->style();
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        // A frame takes its width, and a framed label with no indent of its
        // own keeps half an "x" free before its text.
        const int einzug = l->indent() >= 0      ? l->indent()
                           : l->frameWidth() > 0 ? QFontMetrics(schrift).horizontalAdvance(QLatin1Char('x')) / 2
                                                 : 0;
        const int raum = Raum(l) - (l->width() - l->contentsRect().width()) - einzug;
        if (!l->wordWrap())
            return {Textbreite(schrift, l->text()) + 2 * l->margin(), raum};
        // Only a word longer than the line runs over at the side.
        const QRect r = QFontMetrics(schrift).boundingRect(QRect(0, 0, std::max(1, raum - 2 * l->margin()), 1 << 20),
                                                           Qt::TextWordWrap, l->text());
        return {r.width() + 2 * l->margin(), raum, r.height() + 2 * l->margin(), l->contentsRect().height()};
    }
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return {Textbreite(schrift, g->title()), g->width() - 2 * stil->pixelMetric(QStyle::PM_LayoutLeftMargin)};
    if (auto* o = qobject_cast<const QRadioButton*>(w))
        return {stil->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                    stil->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w) + Textbreite(schrift, o->text()),
                Raum(o)};
    if (auto* k = qobject_cast<const QCheckBox*>(w))
        return {stil->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                    stil->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w) + Textbreite(schrift, k->text()),
                Raum(k)};
    if (auto* s = qobject_cast<const QPushButton*>(w))
        return {Textbreite(schrift, s->text()) + 2 * stil->pixelMetric(QStyle::PM_ButtonMargin), s->width()};
    if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->hasFrame() ? stil->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
        const QRect innen = stil->subElementRect(QStyle::SE_LineEditContents, &opt, e).marginsRemoved(e->textMargins());
        // The line edit keeps two pixels free on either side of its text.
        return {Textbreite(schrift, e->text()), innen.width() - 4};
    }
    if (auto* c = qobject_cast<const QComboBox*>(w)) {
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        opt.frame = c->hasFrame();
        CTextmass m{0, stil->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c).width()};
        for (int i = 0; i < c->count(); ++i)
            m.breite = std::max(m.breite, Textbreite(schrift, c->itemText(i)));
        return m;
    }
    return {};
}

// Narrowed no further than this, in parts of the font's own width.
constexpr double kSchmalsteBreite = 0.6;

} // namespace

int TextUeberhang(const QWidget* w)
{
    const CTextmass m = Mass(w, w->font());
    return std::max({0, m.breite - m.raum, m.hoehe - m.raumHoehe});
}

void TextEinpassen(QWidget* w, const QFont& grund)
{
    const CTextmass m = Mass(w, grund);
    QFont schrift = grund;
    if (m.breite > m.raum && m.breite > 0 && m.raum > 0) {
        // A stretch is absolute: a narrow face already carries its own.
        const int eigen = grund.stretch() > 0 ? grund.stretch() : QFont::Unstretched;
        const double anteil = std::max(kSchmalsteBreite, static_cast<double>(m.raum) / m.breite);
        schrift.setStretch(std::max(1, static_cast<int>(std::floor(eigen * anteil))));
        // The stretch goes in whole percent: step down until the text fits.
        while (schrift.stretch() > eigen * kSchmalsteBreite && Mass(w, schrift).breite > m.raum)
            schrift.setStretch(schrift.stretch() - 1);
    }
    if (w->font() != schrift)
        w->setFont(schrift);
}

// ---- field

CFeld::CFeld(QWidget* eltern) : QLineEdit(eltern) {}

void CFeld::Uebernehmen()
{
    if (m_beiVerlust && !m_bNurAnzeige)
        m_beiVerlust(this);
}

void CFeld::Zeigen(const QString& text, std::optional<double> wert)
{
    setText(text);
    setCursorPosition(0);
    m_strGezeigt = text;
    m_dGezeigt = wert;
}

std::optional<double> CFeld::GetGezeigterWert() const
{
    return text() == m_strGezeigt ? m_dGezeigt : std::nullopt;
}

void CFeld::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    Uebernehmen();
}

// ---- controls

CSteuerflaeche::CSteuerflaeche(QWidget* flaeche) : m_pFlaeche(flaeche) {}

CSteuerflaeche::~CSteuerflaeche()
{
    // Focus changes while the window goes must not reach the handlers of a
    // surface that is half destroyed.
    for (QWidget* w : m_Steuerelemente)
        if (auto* f = dynamic_cast<CFeld*>(w))
            f->SetBeiVerlust(nullptr);
}

void CSteuerflaeche::SchriftNehmen(const CBenutzerprofil* profil)
{
    if (!m_bSchrift && profil && profil->GetSchrift())
        SetSchrift(DialogSchrift(profil->GetSchrift()));
}

void CSteuerflaeche::FokusfeldUebernehmen()
{
    if (auto* feld = dynamic_cast<CFeld*>(m_pFlaeche->focusWidget()))
        feld->Uebernehmen();
}

void CSteuerflaeche::Aktualisieren()
{
    if (m_bInArbeit)
        return;
    m_bInArbeit = true;
    LeseDaten();
    ZeigeDaten();
    TexteEinpassen();
    m_bInArbeit = false;
}

void CSteuerflaeche::Zeigen()
{
    // Disabling the focused field moves the focus, and its focus-out must
    // not read the page in the middle of showing it.
    if (m_bInArbeit)
        return;
    m_bInArbeit = true;
    ZeigeDaten();
    TexteEinpassen();
    m_bInArbeit = false;
}

void CSteuerflaeche::Verbinden(QWidget* w)
{
    w->show();
    m_Steuerelemente.push_back(w);
    if (m_bSchrift)
        w->setFont(m_Schrift);
}

QGroupBox* CSteuerflaeche::Gruppe(const char* name, const QString& text, QRect r)
{
    auto* g = new QGroupBox(text, m_pFlaeche);
    g->setObjectName(name);
    g->setGeometry(r);
    // Controls are the page's, not the group's: the box only frames them.
    g->setAttribute(Qt::WA_TransparentForMouseEvents);
    g->lower();
    Verbinden(g);
    return g;
}

QRadioButton* CSteuerflaeche::Option(const char* name, const QString& text, QRect r, bool erste)
{
    QRadioButton* o = new CGanzerKnopf<QRadioButton>(text, m_pFlaeche);
    o->setObjectName(name);
    o->setGeometry(r.x(), r.y(), r.width(), kOptionHoehe);
    // Groups are kept here: Qt would make every button of the page one.
    o->setAutoExclusive(false);
    if (erste || m_Optionsgruppen.empty())
        m_Optionsgruppen.emplace_back();
    m_Optionsgruppen.back().push_back(o);
    QObject::connect(o, &QRadioButton::clicked, m_pFlaeche, [this, o] {
        Waehlen(o);
        OnOption(o);
    });
    Verbinden(o);
    return o;
}

QCheckBox* CSteuerflaeche::Kontrollkaestchen(const char* name, const QString& text, QRect r)
{
    QCheckBox* k = new CGanzerKnopf<QCheckBox>(text, m_pFlaeche);
    k->setObjectName(name);
    k->setGeometry(r.x(), r.y(), r.width(), kOptionHoehe);
    QObject::connect(k, &QCheckBox::clicked, m_pFlaeche, [this, k] { OnKontrollkaestchen(k); });
    Verbinden(k);
    return k;
}

QPushButton* CSteuerflaeche::Schaltflaeche(const char* name, const QString& text, QRect r)
{
    auto* s = new QPushButton(text, m_pFlaeche);
    s->setObjectName(name);
    s->setGeometry(r.x(), r.y(), r.width(), kOptionHoehe);
    s->setAutoDefault(false);
    QObject::connect(s, &QPushButton::clicked, m_pFlaeche, [this, s] { OnSchaltflaeche(s); });
    Verbinden(s);
    return s;
}

QLabel* CSteuerflaeche::Beschriftung(const char* name, const QString& text, QRect r)
{
    auto* l = new QLabel(text, m_pFlaeche);
    l->setObjectName(name);
    l->setGeometry(r.x(), r.y(), r.width(), kTextHoehe);
    if (m_bTexteOben) {
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(true);
    }
    Verbinden(l);
    return l;
}

CFeld* CSteuerflaeche::Zahlfeld(const char* name, QRect r)
{
    CFeld* f = Textfeld(name, r);
    f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return f;
}

CFeld* CSteuerflaeche::Textfeld(const char* name, QRect r, bool nurAnzeige)
{
    auto* f = new CFeld(m_pFlaeche);
    f->setObjectName(name);
    f->setGeometry(r.x(), r.y(), r.width(), kFeldHoehe);
    f->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    f->setTextMargins(0, 0, 0, 0);
    f->m_bNurAnzeige = nurAnzeige;
    if (nurAnzeige)
        f->setReadOnly(true);
    else
        f->SetBeiVerlust([this](CFeld* feld) { OnFeld(feld); });
    Verbinden(f);
    return f;
}

QComboBox* CSteuerflaeche::Liste(const char* name, QRect r)
{
    auto* l = new QComboBox(m_pFlaeche);
    l->setObjectName(name);
    l->setGeometry(r.x(), r.y(), r.width(), kListeGeschlossen);
    l->setEditable(false);
    l->setMaxVisibleItems(std::max(1, (r.height() - kListeGeschlossen) / 13));
    QObject::connect(l, &QComboBox::activated, m_pFlaeche, [this, l] { OnListe(l); });
    Verbinden(l);
    return l;
}

void CSteuerflaeche::Waehlen(QRadioButton* r)
{
    for (const auto& gruppe : m_Optionsgruppen)
        if (std::find(gruppe.begin(), gruppe.end(), r) != gruppe.end())
            for (QRadioButton* o : gruppe)
                o->setChecked(o == r);
}

void CSteuerflaeche::Abwaehlen(QRadioButton* r)
{
    for (const auto& gruppe : m_Optionsgruppen)
        if (std::find(gruppe.begin(), gruppe.end(), r) != gruppe.end())
            for (QRadioButton* o : gruppe)
                o->setChecked(false);
}

int CSteuerflaeche::LiesAuswahl(const QComboBox* liste, int bisher)
{
    const int index = liste->currentIndex();
    return index >= 0 ? index : bisher;
}

bool CSteuerflaeche::Gewaehlt(const QRadioButton* r) { return r->isChecked(); }
bool CSteuerflaeche::Gewaehlt(const QCheckBox* k) { return k->isChecked(); }
void CSteuerflaeche::Setzen(QCheckBox* k, bool an) { k->setChecked(an); }

void CSteuerflaeche::Auswaehlen(QComboBox* liste, int index)
{
    liste->setCurrentIndex(index >= 0 && index < liste->count() ? index : -1);
}

void CSteuerflaeche::Freigeben(QWidget* w, bool an)
{
    w->setEnabled(an);
    if (auto* f = dynamic_cast<CFeld*>(w))
        f->setReadOnly(f->m_bNurAnzeige || !an);
}

void CSteuerflaeche::Freigeben(std::initializer_list<QWidget*> ws, bool an)
{
    for (QWidget* w : ws)
        Freigeben(w, an);
}

void CSteuerflaeche::SetText(CFeld* feld, const std::string& text) { feld->Zeigen(QString::fromStdString(text)); }

std::string CSteuerflaeche::GetText(const CFeld* feld) { return feld->text().toStdString(); }

void CSteuerflaeche::ZeigeWert(CFeld* feld, double wert, const std::string& text)
{
    feld->Zeigen(QString::fromStdString(text), wert);
}

void CSteuerflaeche::ZeigeAnzahl(CFeld* feld, int wert) { ZeigeWert(feld, wert, FormatInt(wert)); }
int CSteuerflaeche::LiesAnzahl(const CFeld* feld)
{
    return static_cast<int>(LiesWert(feld, [](const std::string& text) {
        // An infinity spelled out counts beyond every count on its side, as
        // the most digits typed do; "1e999" stays the 1 that its digits say.
        const int n = ParseInt(text);
        const double x = ParseDouble(text, 0);
        if (n == 0 && std::isinf(x))
            return x > 0 ? INT_MAX : INT_MIN;
        return n;
    }));
}
void CSteuerflaeche::ZeigeSekunden(CFeld* feld, double wert) { ZeigeWert(feld, wert, FormatDouble(wert, 3)); }
double CSteuerflaeche::LiesSekunden(const CFeld* feld)
{
    return LiesWert(feld, [](const std::string& text) { return ParseDouble(text, 3); });
}

void CSteuerflaeche::SchriftSetzen()
{
    if (!m_bSchrift)
        return;
    TexteEinpassen();
    m_pFlaeche->update();
}

void CSteuerflaeche::TexteEinpassen()
{
    const QFont grund = m_bSchrift ? m_Schrift : m_pFlaeche->font();
    for (QWidget* w : m_Steuerelemente) {
        // Names and folders are the user's, of any length: they scroll in
        // their field rather than shrink.
        auto* feld = dynamic_cast<CFeld*>(w);
        if (feld && !(feld->alignment() & Qt::AlignRight))
            w->setFont(grund);
        else
            TextEinpassen(w, grund);
    }
}
