#include "fuzz/berichtsseiten.h"

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/druck_test.h"
#include "app/druck_training.h"
#include "app/testansicht.h"
#include "app/trainingsansicht.h"
#include "fuzz/leser.h"
#include "platform/draw/recorder/recorder_dc.h"
#include "platform/meldung.h"
#include "support/qt_app.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

namespace {

// A printable A4 area at 254 dots per inch, as the tests of the printout use.
const CGeraetDaten kA4{2000, 2870, 254, 254, true};

// Labels of the rows whose values end in a share.
bool AnteilZeile(const std::string& text)
{
    return text == "Korrekte Reaktionen" || text == "Richtige Antworten" || text == "Falsche Antworten";
}

// Every text of a printed report page; a text ending in "%" on the row of a
// label above is a share.
bool DruckseiteSinnvoll(const CRecorderDC& dc)
{
    std::set<int> anteilZeilen;
    for (const auto* e : dc.Von(CRecorderDC::Art::Text))
        if (AnteilZeile(e->text))
            anteilZeilen.insert(e->punkte[0].y);
    for (const auto* e : dc.Von(CRecorderDC::Art::Text)) {
        const bool anteil = !e->text.empty() && e->text.back() == '%' && anteilZeilen.count(e->punkte[0].y);
        if (!UnsinnigeZahl(e->text, anteil).empty())
            return false;
    }
    for (const auto* e : dc.Von(CRecorderDC::Art::DrawText))
        if (!UnsinnigeZahl(e->text).empty())
            return false;
    return true;
}

// The view's report pages, one per report and chosen relation (none, each
// one, one past them), then the printout's pages; anteile are the view's
// share fields.
template <class TModell, class TAnsicht, class TDruck>
int Zeigen(TModell& m, CBenutzerprofil& profil, CUmgebung& umgebung, const std::set<int>& anteile)
{
    CMeldungsRecorder meldungen;
    int code = 0;
    TAnsicht ansicht(nullptr);
    ansicht.Binden(&profil, &umgebung, &m);
    const int berichte = m.GetBerichtAnzahl();
    std::vector<int> diagramme(static_cast<size_t>(berichte));
    for (int k = 1; k <= berichte; ++k) {
        std::vector<std::string> namen;
        int n1 = 0, n2 = 0;
        m.GetDiagrammNamen(namen, n1, n2, k - 1);
        diagramme[static_cast<size_t>(k - 1)] = n1 + n2;
        for (int wahl = 0; wahl <= n1 + n2 + 1; ++wahl) {
            m.m_nSeite = k + 1;
            m.m_nBerichtNr = k;
            m.m_nDiagrammwahl = wahl;
            ansicht.ZeigeSeite();
            for (int nr = 1; nr <= ansicht.AnzahlSteuerelemente(); ++nr)
                if (!UnsinnigeZahl(ansicht.GetText(nr), anteile.count(nr) != 0).empty())
                    code = LESER_UNSINN;
            CRecorderDC bild;
            ansicht.OnDraw(&bild);
            for (const std::string& text : bild.Texte())
                if (!UnsinnigeZahl(text).empty())
                    code = LESER_UNSINN;
        }
    }
    // The printout draws the chart the view chose; each report page once
    // with its first chart and once with its last.
    TDruck druck(&m, &umgebung);
    for (int seite = 1; seite <= druck.GetSeitenanzahl(); ++seite) {
        const int letztes = seite > 1 ? diagramme[static_cast<size_t>(seite - 2)] : 1;
        for (int wahl : std::set<int>{1, std::max(letztes, 1)}) {
            m.m_nDiagrammwahl = wahl;
            CRecorderDC dc(kA4);
            druck.ZeichneSeite(&dc, seite);
            // The settings page's numbers are the settings' own.
            if (seite > 1 && !DruckseiteSinnvoll(dc))
                code = LESER_UNSINN;
        }
    }
    return code;
}

} // namespace

int LiesUndZeigeBerichte(const uint8_t* daten, size_t n)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    SichereQtAnwendung();
    return LiesTrainingOderTest(
        daten, n,
        [](CTraining& t, CBenutzerprofil& profil, CUmgebung& umgebung) {
            // The share fields: foreground correct reactions, right and
            // wrong answers, background correct reactions.
            return Zeigen<CTraining, CLMTrainingView, CTrainingsDruck>(t, profil, umgebung, {52, 55, 58, 82});
        },
        [](CTest& t, CBenutzerprofil& profil, CUmgebung& umgebung) {
            // The share field: background correct reactions.
            return Zeigen<CTest, CLMTestView, CTestDruck>(t, profil, umgebung, {83});
        });
}
