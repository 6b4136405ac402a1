#include "dialogs/farbendlg.h"

#include <QColorDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "dialogs/zeichenflaeche.h"
#include "model/test.h"
#include "model/training.h"
#include "platform/draw/dc_auswahl.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "platform/qt/modal.h"
#include "workplace/benutzerprofil.h"

namespace {

// The template's 207 x 118 dialog units and its two buttons, in pixels of
// the 8-point dialog font (1.5 px across, 1.625 px down per unit).
constexpr QSize kGroesse(311, 192);
const QRect kOk(149, 163, 75, 23);
const QRect kAbbrechen(230, 163, 75, 23);

// Rows of the two groups; the foreground group keeps its height for one row.
constexpr int kZeileVordergrund = 20;
constexpr int kZeileBeispielreiz = 41;
constexpr int kZeileHintergrund = 87;
constexpr int kZeileStandardmuster = 108;
constexpr int kZeileZielmuster = 129;

QColor Farbe(uint32_t farbe) { return QColor(GetRValue(farbe), GetGValue(farbe), GetBValue(farbe)); }

uint32_t Farbwert(const QColor& farbe) { return RGB(farbe.red(), farbe.green(), farbe.blue()); }

} // namespace

CFarbenDlg::CFarbenDlg(QWidget* eltern) : CRasterDialog(0, "Farben ändern", kGroesse, kOk, kAbbrechen, eltern)
{
    setObjectName("farbendlg");
    m_bTexteOben = true;
}

void CFarbenDlg::SetTraining(CBenutzerprofil* profil, const CTraining* training)
{
    m_pTraining = training;
    m_pTest = nullptr;
    Binden(profil);
}

void CFarbenDlg::SetTest(CBenutzerprofil* profil, const CTest* test)
{
    m_pTest = test;
    m_pTraining = nullptr;
    Binden(profil);
}

const CModell* CFarbenDlg::Modell() const
{
    if (m_pTraining)
        return m_pTraining;
    return m_pTest;
}

void CFarbenDlg::Binden(CBenutzerprofil* profil)
{
    if (const CModell* modell = Modell())
        m_Farben = modell->GetFarben();
    SchriftNehmen(profil);
}

void CFarbenDlg::GetTraining(CTraining* training) const
{
    if (m_pTraining && training)
        training->SetFarben(m_Farben);
}

void CFarbenDlg::GetTest(CTest* test) const
{
    if (m_pTest && test)
        test->SetFarben(m_Farben);
}

void CFarbenDlg::Zeile(const char* name, const char* text, int y)
{
    Beschriftung((std::string(name) + "Text").c_str(), QString::fromUtf8(text), Kante(15, y + 3, 155, y + 18));
    Schaltflaeche(name, "Ändern", Kante(235, y, 295, y + 20));
}

void CFarbenDlg::ErzeugeSteuerelemente()
{
    Gruppe("gruppeVordergrund", "Vordergrundaufgabe", Kante(5, 5, 305, 67));
    if (m_pTraining) {
        Zeile("vordergrund", "Vordergrundfarbe", kZeileVordergrund);
    } else if (m_pTest) {
        Zeile("vordergrund", "Farbe Testreiz", kZeileVordergrund);
        Zeile("beispielreiz", "Farbe Beispielreiz", kZeileBeispielreiz);
    }
    Gruppe("gruppeHintergrund", "Hintergrund", Kante(5, 72, 305, 155));
    Zeile("hintergrund", "Hintergrundfarbe", kZeileHintergrund);
    Zeile("standardmuster", "Standardmusterfarbe", kZeileStandardmuster);
    Zeile("zielmuster", "Zielmusterfarbe", kZeileZielmuster);
    m_pZielLabel = findChild<QLabel*>("zielmusterText");
    m_pZielKnopf = findChild<QPushButton*>("zielmuster");
    SchriftSetzen();

    // Last, so that the swatches lie above the group boxes.
    new CZeichenflaeche(this, [this](QPainter& p) { OnPaint(p); });
}

void CFarbenDlg::OnSchaltflaeche(QPushButton* knopf)
{
    const QString name = knopf->objectName();
    if (name == "vordergrund")
        OnAendernVordergrund();
    else if (name == "beispielreiz")
        OnAendernBeispielreiz();
    else if (name == "hintergrund")
        OnAendernHintergrund();
    else if (name == "standardmuster")
        OnAendernStandardmuster();
    else if (name == "zielmuster")
        OnAendernZielmuster();
}

void CFarbenDlg::ZeigeDaten()
{
    // The target colour matters only to the colour-change task.
    const bool ziel = Modell() && Modell()->GetHGAufgabe().m_nArt == 10;
    if (m_pZielLabel)
        Freigeben({m_pZielLabel, m_pZielKnopf}, ziel);
    update();
}

void CFarbenDlg::Aendern(uint32_t& farbe)
{
    QColorDialog waehler(this);
    waehler.setObjectName("farbwahl");
    waehler.setOption(QColorDialog::DontUseNativeDialog);
    waehler.setWindowTitle("Farbe");
    waehler.setCurrentColor(Farbe(farbe));
    if (ModalAusfuehren(waehler) == QDialog::Accepted)
        farbe = Farbwert(waehler.currentColor());
    ZeigeDaten();
}

void CFarbenDlg::OnAendernBeispielreiz() { Aendern(m_Farben.m_crBeispielreiz); }
void CFarbenDlg::OnAendernVordergrund() { Aendern(m_Farben.m_crVordergrund); }
void CFarbenDlg::OnAendernHintergrund() { Aendern(m_Farben.m_crHintergrund); }
void CFarbenDlg::OnAendernStandardmuster() { Aendern(m_Farben.m_crStandardmuster); }
void CFarbenDlg::OnAendernZielmuster() { Aendern(m_Farben.m_crZielmuster); }

void CFarbenDlg::OnPaint(QPainter& painter)
{
    CPainterDC dc(&painter, false);
    CPen stift(PS_SOLID, 0, RGB(255, 255, 255));
    CDCAuswahl auswahl(&dc);
    auswahl.Waehlen(&stift);
    auto feld = [&dc](int y, uint32_t farbe) {
        CBrush pinsel(farbe);
        CDCAuswahl fuellung(&dc);
        fuellung.Waehlen(&pinsel);
        dc.Rectangle(165, y + 3, 225, y + 18);
    };
    if (Modell())
        feld(kZeileVordergrund, m_Farben.m_crVordergrund);
    if (m_pTest)
        feld(kZeileBeispielreiz, m_Farben.m_crBeispielreiz);
    feld(kZeileHintergrund, m_Farben.m_crHintergrund);
    feld(kZeileStandardmuster, m_Farben.m_crStandardmuster);
    feld(kZeileZielmuster, m_Farben.m_crZielmuster);
}
