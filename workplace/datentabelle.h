#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// A growable series of doubles in which every value carries a 2-bit status,
// so that a missing value is told apart from a zero.
// Status: 0 missing, 1 present, 2 present and read times factor 1,
// 3 present and read times factor 2.
class CDatenreihe {
public:
    CDatenreihe();
    virtual ~CDatenreihe();
    CDatenreihe(const CDatenreihe&) = default;
    CDatenreihe& operator=(const CDatenreihe&) = default;

    void Leeren();
    // 0; -1 for a negative n (taken as 0); -2 when memory runs out (unchanged).
    int SetAnzahl(int n);
    int GetAnzahl() const { return m_anzahl; }
    int GetKapazitaet() const { return m_kapazitaet; }

    // The status; v receives the (scaled) value, 0.0 when missing or out of range.
    int GetWert(int i, double* v) const
    {
        *v = 0.0;
        if (i < 0 || i >= m_anzahl)
            return 0;
        const int status = GetStatus(i);
        switch (status) {
        case 1: *v = m_werte[static_cast<size_t>(i)]; break;
        case 2: *v = m_werte[static_cast<size_t>(i)] * m_faktor1; break;
        case 3: *v = m_werte[static_cast<size_t>(i)] * m_faktor2; break;
        default: break;
        }
        return status;
    }
    // Grows the series to reach i; -1 for a negative i, -2 when growing fails.
    // Inline where the value is in range: evaluations write millions of them.
    int SetWert(int i, double v, int status)
    {
        if (i < 0 || i >= m_anzahl)
            return SetWertAusserhalb(i, v, status);
        m_werte[static_cast<size_t>(i)] = v;
        SetStatus(i, status);
        m_cache = 0;
        return 0;
    }
    int SetWertStatus(int i, double v) { return SetWert(i, v, 1); }

    // 1 with the mean of the present values, 0 and 0.0 when there are none.
    int GetMittelwert(double* m);
    double GetMittelwert();
    int GetMittelwertBereich(double* m, int von, int bis) const;
    // Sample variance (divided by the count less one) of the present values;
    // 0 and 0.0 for fewer than two.
    int GetVarianz(double* v);
    double GetVarianz();
    int GetMinMax(double* max, double* min, double* spanne) const;

    // Every value missing; the count stays.
    void Loesche();

    void SetFaktor1(double f)
    {
        m_faktor1 = f;
        m_cache = 0;
    }
    void SetFaktor2(double f)
    {
        m_faktor2 = f;
        m_cache = 0;
    }
    double GetFaktor1() const { return m_faktor1; }
    double GetFaktor2() const { return m_faktor2; }

private:
    friend class CDatentabelle;

    int GetStatus(int i) const { return (m_status[i / 16] >> (2 * (i % 16))) & 3; }
    void SetStatus(int i, int status)
    {
        uint32_t& wort = m_status[static_cast<size_t>(i / 16)];
        const int bit = 2 * (i % 16);
        wort = (wort & ~(3u << bit)) | (static_cast<uint32_t>(status & 3) << bit);
    }
    int SetWertAusserhalb(int i, double v, int status);

    static constexpr int kMittelGueltig = 1;
    static constexpr int kVarianzGueltig = 2;

    int m_anzahl = 0;
    int m_kapazitaet = 0; // a multiple of 16
    double m_faktor1 = 1.0;
    double m_faktor2 = 1.0;
    std::vector<double> m_werte; // m_kapazitaet entries
    std::vector<uint32_t> m_status; // m_kapazitaet / 16 words, 2 bits a value
    double m_mittelwert = 0.0;
    double m_varianz = 0.0;
    int m_cache = kMittelGueltig | kVarianzGueltig;
};

// A table of columns of equal length. Every operation takes the row before
// the column; both count from 0.
class CDatentabelle {
public:
    CDatentabelle();
    virtual ~CDatentabelle();
    CDatentabelle(const CDatentabelle& quelle);
    CDatentabelle& operator=(const CDatentabelle& quelle);

    void Loesche();
    int SetAnzahlSpalten(int n);
    int SetAnzahlZeilen(int n);
    int SetGroesse(int zeilen, int spalten);

    int SetWertStatus(int zeile, int spalte, double v, int status)
    {
        if (zeile < 0 || zeile >= m_anzahlZeilen || spalte < 0 || spalte >= m_anzahlSpalten ||
            !m_spalten[static_cast<size_t>(spalte)])
            return SetWertStatusAusserhalb(zeile, spalte, v, status);
        return m_spalten[static_cast<size_t>(spalte)]->SetWert(zeile, v, status) != 0 ? -7 : 0;
    }
    int SetWert(int zeile, int spalte, double v) { return SetWertStatus(zeile, spalte, v, 1); }
    int GetWert(int zeile, int spalte, double* v) const
    {
        *v = 0.0;
        if (zeile < 0 || zeile >= m_anzahlZeilen || spalte < 0 || spalte >= m_anzahlSpalten ||
            !m_spalten[static_cast<size_t>(spalte)])
            return 0;
        return m_spalten[static_cast<size_t>(spalte)]->GetWert(zeile, v);
    }
    double GetWertDouble(int zeile, int spalte) const;

    // Copies factors, values and statuses of quelle into a column.
    int SetSpalte(int spalte, const CDatenreihe* quelle);
    CDatenreihe* GetSpalte(int spalte) const;
    int GetAnzahlSpalten() const { return m_anzahlSpalten; }
    int GetAnzahlZeilen() const { return m_anzahlZeilen; }

    // Present values of a column.
    int GetAnzahlWerte(int spalte) const;
    // Distinct present values of a column.
    int GetWerteListe(int spalte) const;
    int GetMittelwert(int spalte, double* m) const;
    double GetMittelwert(int spalte) const;
    int GetMittelwertBereich(int spalte, double* m, int von, int bis) const;
    int GetVarianz(int spalte, double* v) const;
    double GetVarianz(int spalte) const;

    void LoescheWerte();

    // Ascending by one column, rows with a missing key last.
    void SortiereNachSpalte(int spalte);
    // The last valid key of the list is the most significant.
    void SortiereNachSchluesseln(const std::vector<int>& schluessel);
    // One row per key combination with the means of the other columns;
    // the keys of schluessel2 are averaged away one after the other.
    // With at least one key in schluessel2, grouping this table's grouping by
    // the same key columns (any order, no second keys) gives the same bits.
    int Gruppiere(CDatentabelle& ziel, const std::vector<int>& schluessel,
                  const std::vector<int>& schluessel2 = {}) const;

private:
    bool Gueltig(int spalte) const;
    int SetWertStatusAusserhalb(int zeile, int spalte, double v, int status);
    void OrdneZeilen(const std::vector<int>& reihenfolge);
    void SortiereNachSchluesselspalten(const std::vector<int>& wichtigsteZuerst);
    // Row numbers in key order; stable. gleichheit, when given, receives a
    // code per row that is equal exactly where the rows' keys are, or nothing;
    // breiten then the bits of each key in the code, most significant first.
    std::vector<int> Reihenfolge(const std::vector<int>& wichtigsteZuerst, std::vector<uint64_t>* gleichheit = nullptr,
                                 std::vector<int>* breiten = nullptr) const;
    // Every column holds as many rows as the table.
    bool GleichLang() const;
    // No value is read through a factor.
    bool NurEinfacheWerte() const;
    // Gruppiere for such tables: k the keys, the first durchlaeufe averaged away in turn.
    void GruppiereEinfach(CDatentabelle& ziel, const std::vector<int>& k, size_t durchlaeufe) const;
    void Tauschen(CDatentabelle& andere);
    std::vector<int> GueltigeSchluessel(const std::vector<int>& schluessel) const;

    std::vector<std::unique_ptr<CDatenreihe>> m_spalten; // capacity entries
    int m_anzahlSpalten = 0;
    int m_anzahlZeilen = 0;
    int m_kapazitaet = 0; // a multiple of 16
};
