#include "workplace/datentabelle.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numeric>
#include <bit>
#include <utility>

// ---- CDatenreihe ----

CDatenreihe::CDatenreihe() = default;
CDatenreihe::~CDatenreihe() = default;

void CDatenreihe::Leeren()
{
    m_werte = {};
    m_status = {};
    m_anzahl = m_kapazitaet = 0;
    m_faktor1 = m_faktor2 = 1.0;
    m_mittelwert = m_varianz = 0.0;
    m_cache = kMittelGueltig | kVarianzGueltig;
}

int CDatenreihe::SetAnzahl(int n)
{
    int ergebnis = 0;
    if (n < 0) {
        n = 0;
        ergebnis = -1;
    }
    if (n == m_anzahl)
        return ergebnis;
    if (n > m_kapazitaet) {
        int kapazitaet = (n / 16 + 1) * 16;
        try {
            std::vector<double> werte(static_cast<size_t>(kapazitaet), 0.0);
            std::vector<uint32_t> status(static_cast<size_t>(kapazitaet / 16), 0u);
            std::copy_n(m_werte.begin(), m_anzahl, werte.begin());
            std::copy_n(m_status.begin(), m_status.size(), status.begin());
            m_werte.swap(werte);
            m_status.swap(status);
        } catch (const std::bad_alloc&) {
            return -2;
        }
        m_kapazitaet = kapazitaet;
    }
    // Everything beyond the count reads as missing, also after shrinking.
    for (int i = n; i < m_kapazitaet; ++i) {
        m_werte[i] = 0.0;
        SetStatus(i, 0);
    }
    m_anzahl = n;
    m_cache = 0;
    return ergebnis;
}

int CDatenreihe::SetWertAusserhalb(int i, double v, int status)
{
    if (i < 0)
        return -1;
    if (SetAnzahl(i + 1) != 0)
        return -2;
    return SetWert(i, v, status);
}

int CDatenreihe::GetMittelwert(double* m)
{
    if (m_cache & kMittelGueltig) {
        *m = m_mittelwert;
        return 1;
    }
    if (!GetMittelwertBereich(m, 0, m_anzahl - 1))
        return 0;
    m_mittelwert = *m;
    m_cache |= kMittelGueltig;
    return 1;
}

double CDatenreihe::GetMittelwert()
{
    double m = 0.0;
    GetMittelwert(&m);
    return m;
}

int CDatenreihe::GetMittelwertBereich(double* m, int von, int bis) const
{
    *m = 0.0;
    bis = std::min(bis, m_anzahl - 1);
    von = std::max(von, 0);
    double summe = 0.0;
    int anzahl = 0;
    for (int i = von; i <= bis; ++i) {
        double v;
        if (GetWert(i, &v)) {
            summe += v;
            ++anzahl;
        }
    }
    if (anzahl == 0)
        return 0;
    *m = summe / anzahl;
    return 1;
}

int CDatenreihe::GetVarianz(double* v)
{
    if (m_cache & kVarianzGueltig) {
        *v = m_varianz;
        return 1;
    }
    *v = 0.0;
    double mittel;
    if (!GetMittelwert(&mittel))
        return 0;
    // Deviations from the mean: no cancellation for large, close values.
    double summe = 0.0;
    int anzahl = 0;
    for (int i = 0; i < m_anzahl; ++i) {
        double x;
        if (GetWert(i, &x)) {
            summe += (x - mittel) * (x - mittel);
            ++anzahl;
        }
    }
    if (anzahl < 2)
        return 0;
    m_varianz = *v = summe / (anzahl - 1);
    m_cache |= kVarianzGueltig;
    return 1;
}

double CDatenreihe::GetVarianz()
{
    double v = 0.0;
    GetVarianz(&v);
    return v;
}

int CDatenreihe::GetMinMax(double* max, double* min, double* spanne) const
{
    *max = *min = *spanne = 0.0;
    bool gefunden = false;
    for (int i = 0; i < m_anzahl; ++i) {
        double v;
        if (!GetWert(i, &v))
            continue;
        if (!gefunden || v > *max)
            *max = v;
        if (!gefunden || v < *min)
            *min = v;
        gefunden = true;
    }
    if (!gefunden)
        return 0;
    *spanne = *max - *min;
    return 1;
}

void CDatenreihe::Loesche()
{
    std::fill(m_werte.begin(), m_werte.end(), 0.0);
    std::fill(m_status.begin(), m_status.end(), 0u);
    m_cache = 0;
}

// ---- CDatentabelle ----

CDatentabelle::CDatentabelle() = default;
CDatentabelle::~CDatentabelle() = default;

CDatentabelle::CDatentabelle(const CDatentabelle& quelle) { *this = quelle; }

CDatentabelle& CDatentabelle::operator=(const CDatentabelle& quelle)
{
    if (this == &quelle)
        return *this;
    SetAnzahlZeilen(quelle.m_anzahlZeilen);
    SetAnzahlSpalten(quelle.m_anzahlSpalten);
    for (int s = 0; s < quelle.m_anzahlSpalten; ++s)
        if (quelle.m_spalten[s])
            SetSpalte(s, quelle.m_spalten[s].get());
    return *this;
}

void CDatentabelle::Loesche()
{
    std::vector<std::unique_ptr<CDatenreihe>>().swap(m_spalten);
    m_anzahlSpalten = m_anzahlZeilen = m_kapazitaet = 0;
}

int CDatentabelle::SetAnzahlSpalten(int n)
{
    int code = 0;
    if (n < 0) {
        n = 0;
        code = 1;
    }
    if (n == m_anzahlSpalten)
        return code;
    if (n > m_kapazitaet) {
        int kapazitaet = (n / 16 + 1) * 16;
        try {
            m_spalten.resize(static_cast<size_t>(kapazitaet));
            m_kapazitaet = kapazitaet;
        } catch (const std::bad_alloc&) {
            n = m_kapazitaet;
            code = 2;
        }
    }
    for (int s = n; s < m_anzahlSpalten; ++s)
        m_spalten[s].reset();
    for (int s = m_anzahlSpalten; s < n; ++s) {
        try {
            m_spalten[s] = std::make_unique<CDatenreihe>();
        } catch (const std::bad_alloc&) {
            n = s;
            code = 4;
            break;
        }
        if (m_spalten[s]->SetAnzahl(m_anzahlZeilen) != 0) {
            m_spalten[s].reset();
            n = s;
            code = 3;
            break;
        }
    }
    m_anzahlSpalten = n;
    return code;
}

int CDatentabelle::SetAnzahlZeilen(int n)
{
    int code = 0;
    if (n < 0) {
        n = 0;
        code = 4;
    }
    if (m_spalten.empty()) {
        m_anzahlZeilen = n;
        return -1;
    }
    for (int s = 0; s < m_anzahlSpalten; ++s) {
        CDatenreihe* spalte = m_spalten[s].get();
        if (!spalte)
            code |= 8;
        else if (n == 0)
            spalte->Leeren();
        else if (spalte->SetAnzahl(n) != 0)
            code |= 8;
    }
    m_anzahlZeilen = n;
    return code;
}

int CDatentabelle::SetGroesse(int zeilen, int spalten)
{
    int code = SetAnzahlZeilen(zeilen);
    return code | SetAnzahlSpalten(spalten);
}

int CDatentabelle::SetWertStatusAusserhalb(int zeile, int spalte, double v, int status)
{
    int code = 0;
    if (spalte < 0) {
        spalte = 0;
        code = -1;
    }
    if (zeile < 0) {
        zeile = 0;
        code = -2;
    }
    if (zeile >= m_anzahlZeilen && SetAnzahlZeilen(zeile + 1) != 0)
        return -3;
    if (spalte >= m_anzahlSpalten && SetAnzahlSpalten(spalte + 1) != 0)
        return -4;
    if (m_spalten.empty())
        return -5;
    if (!m_spalten[spalte])
        return -6;
    if (m_spalten[spalte]->SetWert(zeile, v, status) != 0)
        return -7;
    return code;
}

bool CDatentabelle::Gueltig(int spalte) const { return spalte >= 0 && spalte < m_anzahlSpalten && m_spalten[spalte]; }

double CDatentabelle::GetWertDouble(int zeile, int spalte) const
{
    double v;
    GetWert(zeile, spalte, &v);
    return v;
}

int CDatentabelle::SetSpalte(int spalte, const CDatenreihe* quelle)
{
    if (spalte < 0)
        return -1;
    if (!quelle)
        return -4;
    if (quelle->m_anzahl > m_anzahlZeilen && SetAnzahlZeilen(quelle->m_anzahl) != 0)
        return -2;
    if (spalte >= m_anzahlSpalten && SetAnzahlSpalten(spalte + 1) != 0)
        return -3;
    if (m_spalten.empty() || !m_spalten[spalte])
        return -4;
    CDatenreihe& ziel = *m_spalten[spalte];
    ziel.m_faktor1 = quelle->m_faktor1;
    ziel.m_faktor2 = quelle->m_faktor2;
    const int n = quelle->m_anzahl;
    if (&ziel != quelle && ziel.m_anzahl >= n) {
        // Whole words of statuses at once: charts copy columns of a million values.
        std::copy_n(quelle->m_werte.begin(), n, ziel.m_werte.begin());
        std::copy_n(quelle->m_status.begin(), n / 16, ziel.m_status.begin());
        for (int i = n / 16 * 16; i < n; ++i)
            ziel.SetStatus(i, quelle->GetStatus(i));
    } else {
        for (int i = 0; i < n; ++i)
            ziel.SetWert(i, quelle->m_werte[i], quelle->GetStatus(i));
    }
    ziel.m_cache = 0;
    return 0;
}

CDatenreihe* CDatentabelle::GetSpalte(int spalte) const
{
    return spalte >= 0 && spalte < m_anzahlSpalten ? m_spalten[spalte].get() : nullptr;
}

int CDatentabelle::GetAnzahlWerte(int spalte) const
{
    if (!Gueltig(spalte) || m_anzahlZeilen < 0)
        return 0;
    int anzahl = 0;
    double v;
    for (int z = 0; z < m_anzahlZeilen; ++z)
        if (m_spalten[spalte]->GetWert(z, &v))
            ++anzahl;
    return anzahl;
}

int CDatentabelle::GetWerteListe(int spalte) const
{
    if (!Gueltig(spalte) || m_anzahlZeilen < 0)
        return 0;
    std::vector<double> werte;
    double v;
    for (int z = 0; z < m_anzahlZeilen; ++z)
        if (m_spalten[spalte]->GetWert(z, &v))
            werte.push_back(v);
    std::sort(werte.begin(), werte.end());
    return static_cast<int>(std::unique(werte.begin(), werte.end()) - werte.begin());
}

int CDatentabelle::GetMittelwert(int spalte, double* m) const
{
    *m = 0.0;
    return Gueltig(spalte) ? m_spalten[spalte]->GetMittelwert(m) : 0;
}

double CDatentabelle::GetMittelwert(int spalte) const
{
    double m;
    GetMittelwert(spalte, &m);
    return m;
}

int CDatentabelle::GetMittelwertBereich(int spalte, double* m, int von, int bis) const
{
    *m = 0.0;
    return Gueltig(spalte) ? m_spalten[spalte]->GetMittelwertBereich(m, von, bis) : 0;
}

int CDatentabelle::GetVarianz(int spalte, double* v) const
{
    *v = 0.0;
    return Gueltig(spalte) ? m_spalten[spalte]->GetVarianz(v) : 0;
}

double CDatentabelle::GetVarianz(int spalte) const
{
    double v;
    GetVarianz(spalte, &v);
    return v;
}

void CDatentabelle::LoescheWerte()
{
    for (int s = 0; s < m_anzahlSpalten; ++s)
        if (m_spalten[s])
            m_spalten[s]->Loesche();
}

// Row z takes the old row reihenfolge[z] in every column.
void CDatentabelle::OrdneZeilen(const std::vector<int>& reihenfolge)
{
    std::vector<double> werte;
    std::vector<int> status;
    for (int s = 0; s < m_anzahlSpalten; ++s) {
        CDatenreihe* spalte = m_spalten[s].get();
        if (!spalte)
            continue;
        const int n = std::min(spalte->m_anzahl, static_cast<int>(reihenfolge.size()));
        werte.resize(static_cast<size_t>(n));
        status.resize(static_cast<size_t>(n));
        for (int z = 0; z < n; ++z) {
            const int alt = reihenfolge[static_cast<size_t>(z)];
            werte[z] = alt < spalte->m_anzahl ? spalte->m_werte[alt] : 0.0;
            status[z] = alt < spalte->m_anzahl ? spalte->GetStatus(alt) : 0;
        }
        for (int z = 0; z < n; ++z) {
            spalte->m_werte[z] = werte[z];
            spalte->SetStatus(z, status[z]);
        }
        spalte->m_cache = 0;
    }
}

namespace {

// One key of every row, read once: present values ascending, a present
// value that is not a number after them, missing values last.
struct CSchluesselspalte {
    std::vector<double> werte;
    std::vector<uint8_t> rang; // 0 a number, 1 not a number, 2 missing

    CSchluesselspalte(const CDatenreihe& spalte, int zeilen)
        : werte(static_cast<size_t>(zeilen)), rang(static_cast<size_t>(zeilen))
    {
        for (int z = 0; z < zeilen; ++z) {
            const int status = spalte.GetWert(z, &werte[z]);
            rang[z] = !status ? 2 : (std::isnan(werte[z]) ? 1 : 0);
        }
    }
    // -1 when row a goes first, 1 when row b does, 0 when this key ties them.
    int Vergleiche(int a, int b) const
    {
        if (rang[a] != rang[b])
            return rang[a] < rang[b] ? -1 : 1;
        if (rang[a] != 0 || werte[a] == werte[b])
            return 0;
        return werte[a] < werte[b] ? -1 : 1;
    }
};

// A key's numbers in order when they are whole and close together (factor
// levels, repetitions): their least and their span.
bool GanzeZahlen(const CDatenreihe& spalte, int zeilen, double& min, uint64_t& spanne, bool& ohneNaN)
{
    constexpr double kSpanne = 1 << 20;
    min = HUGE_VAL;
    double max = -HUGE_VAL;
    for (int z = 0; z < zeilen; ++z) {
        double v;
        if (!spalte.GetWert(z, &v))
            continue;
        if (std::isnan(v)) {
            ohneNaN = false;
            continue;
        }
        if (std::isinf(v) || v != std::floor(v))
            return false;
        min = std::min(min, v);
        max = std::max(max, v);
    }
    if (min > max)
        min = max = 0.0; // no number in this key
    if (max - min >= kSpanne)
        return false;
    spanne = static_cast<uint64_t>(max - min);
    return true;
}

// Otherwise a key with few distinct numbers (positions on a grid): them in
// ascending order, +0.0 and -0.0 as one.
bool WenigeZahlen(const CDatenreihe& spalte, int zeilen, std::vector<double>& stufen, bool& ohneNaN)
{
    constexpr size_t kStufen = 4096;
    stufen.clear();
    double vorige = NAN; // neighbouring rows often share a key
    for (int z = 0; z < zeilen; ++z) {
        double v;
        if (!spalte.GetWert(z, &v) || v == vorige)
            continue;
        if (std::isnan(v)) {
            ohneNaN = false;
            continue;
        }
        vorige = v;
        const auto stelle = std::lower_bound(stufen.begin(), stufen.end(), v);
        if (stelle != stufen.end() && *stelle == v)
            continue;
        if (stufen.size() == kStufen)
            return false;
        stufen.insert(stelle, v);
    }
    return true;
}

// The keys of every row packed into one integer that orders as the keys do:
// a number's place among the key's numbers, then one code for all that are
// not numbers, then missing; false when a key has too many numbers or they
// do not fit 64 bits. Read a key at a time, straight from its column: a
// table of a million rows needs no copy of its keys. breiten receives each
// key's bits, most significant first.
bool Packen(const std::vector<const CDatenreihe*>& spalten, int zeilen, std::vector<uint64_t>& gepackt,
            std::vector<int>& breiten, bool& ohneNaN)
{
    ohneNaN = true;
    gepackt.assign(static_cast<size_t>(zeilen), 0);
    breiten.clear();
    int bits = 0;
    std::vector<double> stufen;
    double vorige = NAN;
    uint64_t vorigeStufe = 0;
    auto stufe = [&](double v) {
        if (v != vorige) {
            vorige = v;
            vorigeStufe = static_cast<uint64_t>(std::lower_bound(stufen.begin(), stufen.end(), v) - stufen.begin());
        }
        return vorigeStufe;
    };
    for (const CDatenreihe* spalte : spalten) {
        double min = 0.0;
        uint64_t spanne = 0;
        const bool ganz = GanzeZahlen(*spalte, zeilen, min, spanne, ohneNaN);
        if (!ganz) {
            if (!WenigeZahlen(*spalte, zeilen, stufen, ohneNaN))
                return false;
            vorige = NAN;
            spanne = stufen.empty() ? 0 : stufen.size() - 1;
        }
        const int breite = static_cast<int>(std::bit_width(spanne + 2));
        bits += breite;
        if (bits > 64)
            return false;
        breiten.push_back(breite);
        for (int z = 0; z < zeilen; ++z) {
            double v;
            uint64_t code = spanne + 2;
            if (spalte->GetWert(z, &v))
                code = std::isnan(v) ? spanne + 1 : (ganz ? static_cast<uint64_t>(v - min) : stufe(v));
            gepackt[z] = (breite == 64 ? 0 : gepackt[z] << breite) | code;
        }
    }
    return true;
}

// A stable radix sort of the row numbers by their codes of the given bits,
// each code carried along so that every pass reads in order: the order
// std::stable_sort gives, in linear time.
void NachCodesOrdnen(std::vector<int>& reihenfolge, const std::vector<uint64_t>& codes, int bits)
{
    const int durchlaeufe = std::max((bits + 19) / 20, 1);
    const int stelle = (bits + durchlaeufe - 1) / durchlaeufe;
    const uint64_t maske = (uint64_t{1} << stelle) - 1;
    std::vector<uint64_t> c(reihenfolge.size()), cHilfe(reihenfolge.size());
    for (size_t i = 0; i < c.size(); ++i)
        c[i] = codes[static_cast<size_t>(reihenfolge[i])];
    std::vector<int> hilfe(reihenfolge.size());
    std::vector<uint32_t> anfang(static_cast<size_t>(maske) + 2);
    for (int verschiebung = 0; verschiebung < bits; verschiebung += stelle) {
        std::fill(anfang.begin(), anfang.end(), 0u);
        for (uint64_t code : c)
            ++anfang[((code >> verschiebung) & maske) + 1];
        std::partial_sum(anfang.begin(), anfang.end(), anfang.begin());
        for (size_t i = 0; i < c.size(); ++i) {
            const uint32_t ziel = anfang[(c[i] >> verschiebung) & maske]++;
            hilfe[ziel] = reihenfolge[i];
            cHilfe[ziel] = c[i];
        }
        reihenfolge.swap(hilfe);
        c.swap(cHilfe);
    }
}

} // namespace

// A stable sort of the row numbers: rows equal in every key keep their order.
std::vector<int> CDatentabelle::Reihenfolge(const std::vector<int>& wichtigsteZuerst,
                                            std::vector<uint64_t>* gleichheit, std::vector<int>* breiten) const
{
    if (gleichheit)
        gleichheit->clear();
    std::vector<int> reihenfolge(static_cast<size_t>(std::max(m_anzahlZeilen, 0)));
    std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
    std::vector<const CDatenreihe*> spalten;
    for (int s : wichtigsteZuerst)
        if (const CDatenreihe* spalte = m_spalten[s].get())
            spalten.push_back(spalte);
    if (spalten.empty() || m_anzahlZeilen < 2)
        return reihenfolge;
    std::vector<uint64_t> gepackt;
    std::vector<int> bitsJeSchluessel;
    bool ohneNaN = false;
    if (Packen(spalten, m_anzahlZeilen, gepackt, bitsJeSchluessel, ohneNaN)) {
        // A table that the evaluation built in factor order is often sorted already.
        if (!std::is_sorted(gepackt.begin(), gepackt.end()))
            NachCodesOrdnen(reihenfolge, gepackt, std::accumulate(bitsJeSchluessel.begin(), bitsJeSchluessel.end(), 0));
        // Rows are equal in the keys exactly when their codes are, unless a
        // key is not a number (such a row equals no other).
        if (gleichheit && ohneNaN) {
            gleichheit->swap(gepackt);
            if (breiten)
                breiten->swap(bitsJeSchluessel);
        }
        return reihenfolge;
    }
    std::vector<CSchluesselspalte> schluessel;
    for (const CDatenreihe* spalte : spalten)
        schluessel.emplace_back(*spalte, m_anzahlZeilen);
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [&](int a, int b) {
        for (const CSchluesselspalte& k : schluessel)
            if (const int v = k.Vergleiche(a, b))
                return v < 0;
        return false;
    });
    return reihenfolge;
}

void CDatentabelle::SortiereNachSchluesselspalten(const std::vector<int>& wichtigsteZuerst)
{
    if (m_anzahlZeilen >= 2)
        OrdneZeilen(Reihenfolge(wichtigsteZuerst));
}

void CDatentabelle::SortiereNachSpalte(int spalte)
{
    if (Gueltig(spalte))
        SortiereNachSchluesselspalten({spalte});
}

std::vector<int> CDatentabelle::GueltigeSchluessel(const std::vector<int>& schluessel) const
{
    std::vector<int> gueltig;
    for (int s : schluessel)
        if (s >= 0 && s < m_anzahlSpalten)
            gueltig.push_back(s);
    return gueltig;
}

void CDatentabelle::SortiereNachSchluesseln(const std::vector<int>& schluessel)
{
    std::vector<int> reihenfolge = GueltigeSchluessel(schluessel);
    std::reverse(reihenfolge.begin(), reihenfolge.end());
    if (reihenfolge.empty() || m_spalten.empty())
        return;
    SortiereNachSchluesselspalten(reihenfolge);
}

namespace {

// Rows agree in a key when both values are missing or both present and equal.
bool GleicheSchluessel(const CDatentabelle& a, int za, const CDatentabelle& b, int zb,
                       const std::vector<int>& schluessel)
{
    for (int s : schluessel) {
        double va, vb;
        int sa = a.GetWert(za, s, &va);
        int sb = b.GetWert(zb, s, &vb);
        if ((sa != 0) != (sb != 0) || (sa && va != vb))
            return false;
    }
    return true;
}

} // namespace

bool CDatentabelle::GleichLang() const
{
    for (int s = 0; s < m_anzahlSpalten; ++s)
        if (!m_spalten[s] || m_spalten[s]->m_anzahl != m_anzahlZeilen)
            return false;
    return true;
}

bool CDatentabelle::NurEinfacheWerte() const
{
    // Status 2 and 3 have the high bit of their pair set.
    for (int s = 0; s < m_anzahlSpalten; ++s)
        if (m_spalten[s])
            for (uint32_t wort : m_spalten[s]->m_status)
                if (wort & 0xAAAAAAAAu)
                    return false;
    return true;
}

namespace {

// A working table of the grouping: by column, values and whether present.
struct CArbeitstabelle {
    std::vector<std::vector<double>> werte;
    std::vector<std::vector<uint8_t>> da;
    int zeilen;

    CArbeitstabelle(int spalten, int n)
        : werte(static_cast<size_t>(spalten), std::vector<double>(static_cast<size_t>(n))),
          da(static_cast<size_t>(spalten), std::vector<uint8_t>(static_cast<size_t>(n))), zeilen(n)
    {
    }
};

// Sorted positions where a run of rows equal in every key of gruppe begins
// (both missing, or both present and equal), then the end; lies(s, z, v)
// answers whether sorted row z of column s is present, and its value.
template <class Leser>
std::vector<int> Anfaenge(int zeilen, const Leser& lies, const std::vector<int>& gruppe)
{
    auto gleich = [&](int a, int b) {
        for (int s : gruppe) {
            double va = 0.0, vb = 0.0;
            const bool da = lies(s, a, va), db = lies(s, b, vb);
            if (da != db || (da && va != vb))
                return false;
        }
        return true;
    };
    std::vector<int> anfaenge;
    for (int z = 0; z < zeilen; ++z)
        if (anfaenge.empty() || !gleich(z, anfaenge.back()))
            anfaenge.push_back(z);
    anfaenge.push_back(zeilen);
    return anfaenge;
}

// One row per run: the keys of its first row and the means of the other
// columns. The sort is stable, so a run's rows stand in stored order and the
// sums can run through the columns as stored, in the same order of addition.
// zeileVon maps sorted positions to stored rows (empty: the same);
// lies(s, i, v) reads stored row i.
template <class Leser>
CArbeitstabelle Zusammenfassen(int spalten, const Leser& lies, const std::vector<int>& zeileVon,
                               const std::vector<int>& anfaenge, const std::vector<bool>& istSchluessel)
{
    const int gruppen = static_cast<int>(anfaenge.size()) - 1;
    const int zeilen = anfaenge.back();
    auto zeile = [&](int z) { return zeileVon.empty() ? z : zeileVon[static_cast<size_t>(z)]; };
    std::vector<int> gruppeVon(static_cast<size_t>(zeilen));
    for (int g = 0; g < gruppen; ++g)
        for (int z = anfaenge[g]; z < anfaenge[g + 1]; ++z)
            gruppeVon[static_cast<size_t>(zeile(z))] = g;
    CArbeitstabelle aus(spalten, gruppen);
    std::vector<double> summe;
    std::vector<int> anzahl;
    for (int s = 0; s < spalten; ++s) {
        double* werte = aus.werte[static_cast<size_t>(s)].data();
        uint8_t* da = aus.da[static_cast<size_t>(s)].data();
        double v = 0.0;
        if (istSchluessel[static_cast<size_t>(s)]) {
            for (int g = 0; g < gruppen; ++g) {
                da[g] = lies(s, zeile(anfaenge[g]), v);
                werte[g] = v;
            }
            continue;
        }
        summe.assign(static_cast<size_t>(gruppen), 0.0);
        anzahl.assign(static_cast<size_t>(gruppen), 0);
        for (int i = 0; i < zeilen; ++i)
            if (lies(s, i, v)) {
                summe[static_cast<size_t>(gruppeVon[static_cast<size_t>(i)])] += v;
                ++anzahl[static_cast<size_t>(gruppeVon[static_cast<size_t>(i)])];
            }
        for (int g = 0; g < gruppen; ++g) {
            da[g] = anzahl[static_cast<size_t>(g)] > 0;
            werte[g] = da[g] ? summe[static_cast<size_t>(g)] / anzahl[static_cast<size_t>(g)] : 0.0;
        }
    }
    return aus;
}

} // namespace

void CDatentabelle::GruppiereEinfach(CDatentabelle& ziel, const std::vector<int>& k, size_t durchlaeufe) const
{
    const int spalten = m_anzahlSpalten;
    auto istSchluessel = [&](size_t ab) {
        std::vector<bool> ist(static_cast<size_t>(spalten), false);
        for (size_t i = ab; i < k.size(); ++i)
            ist[static_cast<size_t>(k[i])] = true;
        return ist;
    };
    std::vector<uint64_t> codes;
    std::vector<int> breiten;
    const std::vector<int> reihenfolge = Reihenfolge(std::vector<int>(k.rbegin(), k.rend()), &codes, &breiten);
    // Only status 0 and 1 here: the low bit of a value's pair tells whether it is present.
    auto liesQuelle = [&](int s, int i, double& v) {
        const CDatenreihe& spalte = *m_spalten[static_cast<size_t>(s)];
        const bool da = (spalte.m_status[static_cast<size_t>(i / 16)] >> (2 * (i % 16))) & 1;
        v = da ? spalte.m_werte[static_cast<size_t>(i)] : 0.0;
        return da;
    };
    auto liesSortiert = [&](int s, int z, double& v) { return liesQuelle(s, reihenfolge[static_cast<size_t>(z)], v); };

    // The passes work on the sorted rows of this table until one of them
    // joins rows; from then on on the working table that pass wrote. The
    // codes, when there are, follow the current rows: a pass's keys are the
    // codes' high bits.
    if (!codes.empty()) {
        std::vector<uint64_t> sortiert(reihenfolge.size());
        for (size_t z = 0; z < sortiert.size(); ++z)
            sortiert[z] = codes[static_cast<size_t>(reihenfolge[z])];
        codes.swap(sortiert);
    }
    CArbeitstabelle t(0, 0);
    auto liesT = [&t](int s, int i, double& v) {
        v = t.werte[static_cast<size_t>(s)][static_cast<size_t>(i)];
        return t.da[static_cast<size_t>(s)][static_cast<size_t>(i)] != 0;
    };
    bool zusammengefasst = false;
    // A pass in which every row stays alone changes no row but writes its
    // means as 0.0 + v, a -0.0 as +0.0. Later sums, which start at +0.0,
    // come out the same either way, so only the last pass's has to be made up.
    bool einzeln = false;
    int zeilen = m_anzahlZeilen, verschiebung = 0;
    for (size_t pass = 0; pass <= durchlaeufe; ++pass) {
        if (pass > 0 && !codes.empty())
            verschiebung += breiten[breiten.size() - pass];
        const std::vector<int> gruppe(k.begin() + static_cast<long>(pass), k.end());
        std::vector<int> anfaenge;
        if (!codes.empty()) {
            for (int z = 0; z < zeilen; ++z)
                if (z == 0 || (codes[static_cast<size_t>(z)] >> verschiebung) !=
                                  (codes[static_cast<size_t>(z) - 1] >> verschiebung))
                    anfaenge.push_back(z);
            anfaenge.push_back(zeilen);
        } else {
            anfaenge = zusammengefasst ? Anfaenge(zeilen, liesT, gruppe) : Anfaenge(zeilen, liesSortiert, gruppe);
        }
        einzeln = static_cast<int>(anfaenge.size()) - 1 == zeilen;
        if (einzeln)
            continue;
        const std::vector<bool> ist = istSchluessel(pass);
        // The first pass sums in stored order (its runs keep it); later ones in the current rows' order.
        CArbeitstabelle neu = zusammengefasst ? Zusammenfassen(spalten, liesT, {}, anfaenge, ist)
                              : pass == 0     ? Zusammenfassen(spalten, liesQuelle, reihenfolge, anfaenge, ist)
                                              : Zusammenfassen(spalten, liesSortiert, {}, anfaenge, ist);
        t = std::move(neu);
        if (!codes.empty()) {
            for (size_t g = 0; g + 1 < anfaenge.size(); ++g)
                codes[g] = codes[static_cast<size_t>(anfaenge[g])];
            codes.resize(anfaenge.size() - 1);
        }
        zusammengefasst = true;
        zeilen = t.zeilen;
    }
    // Built aside: ziel may be this table itself.
    CDatentabelle aus;
    aus.SetGroesse(zeilen, spalten);
    const std::vector<bool> ist = istSchluessel(durchlaeufe);
    for (int s = 0; s < spalten; ++s) {
        CDatenreihe& spalte = *aus.m_spalten[static_cast<size_t>(s)];
        const bool nachholen = einzeln && !ist[static_cast<size_t>(s)];
        for (int z = 0; z < zeilen; ++z) {
            double v = 0.0;
            const bool da = zusammengefasst ? liesT(s, z, v) : liesSortiert(s, z, v);
            spalte.m_werte[static_cast<size_t>(z)] = nachholen && da ? 0.0 + v : v;
            spalte.SetStatus(z, da ? 1 : 0);
        }
        spalte.m_cache = 0;
    }
    ziel.Tauschen(aus);
}

void CDatentabelle::Tauschen(CDatentabelle& andere)
{
    m_spalten.swap(andere.m_spalten);
    std::swap(m_anzahlSpalten, andere.m_anzahlSpalten);
    std::swap(m_anzahlZeilen, andere.m_anzahlZeilen);
    std::swap(m_kapazitaet, andere.m_kapazitaet);
}

int CDatentabelle::Gruppiere(CDatentabelle& ziel, const std::vector<int>& schluessel,
                             const std::vector<int>& schluessel2) const
{
    if (m_anzahlSpalten == 0 || m_anzahlZeilen == 0) {
        ziel.Loesche();
        return 0;
    }
    std::vector<int> k1 = GueltigeSchluessel(schluessel);
    std::vector<int> k2 = GueltigeSchluessel(schluessel2);
    int code = 0;
    if (k1.size() != schluessel.size())
        code = -1;
    if (k2.size() != schluessel2.size())
        code = -2;
    if (k1.empty()) {
        ziel.Loesche();
        return 1;
    }
    std::vector<int> k = k2;
    k.insert(k.end(), k1.begin(), k1.end());

    // Tables of plain values with columns of the table's length (what the
    // evaluation builds) are grouped in tight loops over the columns.
    if (GleichLang() && NurEinfacheWerte()) {
        GruppiereEinfach(ziel, k, k2.size());
        return code;
    }

    CDatentabelle tabellen[2];
    tabellen[0] = *this;
    tabellen[0].SortiereNachSchluesseln(k);
    tabellen[1].SetGroesse(m_anzahlZeilen, m_anzahlSpalten);
    int lesen = 0;
    int zeilen = m_anzahlZeilen;
    for (size_t pass = 0; pass <= k2.size(); ++pass) {
        const CDatentabelle& ein = tabellen[lesen];
        CDatentabelle& aus = tabellen[1 - lesen];
        aus.LoescheWerte();
        std::vector<int> gruppe(k.begin() + static_cast<long>(pass), k.end());
        std::vector<bool> istSchluessel(static_cast<size_t>(m_anzahlSpalten), false);
        for (int s : gruppe)
            istSchluessel[s] = true;

        // Means of the non-key columns of rows von..bis into output row g.
        auto schreibeMittel = [&](int g, int von, int bis) {
            for (int s = 0; s < m_anzahlSpalten; ++s) {
                if (istSchluessel[s])
                    continue;
                double m;
                int status = ein.GetMittelwertBereich(s, &m, von, bis);
                aus.SetWertStatus(g, s, m, status ? 1 : 0);
            }
        };

        int gruppen = 0;
        int anfang = 0;
        for (int z = 0; z < zeilen; ++z) {
            if (gruppen > 0 && GleicheSchluessel(ein, z, aus, gruppen - 1, gruppe))
                continue;
            if (gruppen > 0)
                schreibeMittel(gruppen - 1, anfang, z - 1);
            for (int s : gruppe) {
                double v;
                int status = ein.GetWert(z, s, &v);
                aus.SetWertStatus(gruppen, s, v, status);
            }
            ++gruppen;
            anfang = z;
        }
        schreibeMittel(gruppen - 1, anfang, zeilen - 1);
        zeilen = gruppen;
        lesen = 1 - lesen;
    }

    // ziel may be this table itself: nothing of it is read from here on.
    const int spalten = m_anzahlSpalten;
    const CDatentabelle& ergebnis = tabellen[lesen];
    ziel.Loesche();
    ziel.SetGroesse(zeilen, spalten);
    for (int s = 0; s < spalten; ++s) {
        const CDatenreihe* quelle = ergebnis.m_spalten[s].get();
        for (int z = 0; z < zeilen; ++z)
            ziel.m_spalten[s]->SetWert(z, quelle->m_werte[z], quelle->GetStatus(z));
    }
    return code;
}
