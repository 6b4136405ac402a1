#include "workplace/dialogs/steuerflaeche.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

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

} // namespace

// ---- field

CFeld::CFeld(QWidget* eltern) : QLineEdit(eltern) {}

void CFeld::Uebernehmen()
{
    if (m_beiVerlust && !m_bNurAnzeige)
        m_beiVerlust(this);
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

void CSteuerflaeche::SetText(CFeld* feld, const std::string& text)
{
    feld->setText(QString::fromStdString(text));
    feld->setCursorPosition(0);
}

std::string CSteuerflaeche::GetText(const CFeld* feld) { return feld->text().toStdString(); }

void CSteuerflaeche::ZeigeAnzahl(CFeld* feld, int wert) { SetText(feld, FormatInt(wert)); }
int CSteuerflaeche::LiesAnzahl(const CFeld* feld) { return ParseInt(GetText(feld)); }
void CSteuerflaeche::ZeigeSekunden(CFeld* feld, double wert) { SetText(feld, FormatDouble(wert, 3)); }
double CSteuerflaeche::LiesSekunden(const CFeld* feld) { return ParseDouble(GetText(feld), 3); }

void CSteuerflaeche::SchriftSetzen()
{
    if (!m_bSchrift)
        return;
    for (QWidget* w : m_Steuerelemente)
        w->setFont(m_Schrift);
    m_pFlaeche->update();
}
