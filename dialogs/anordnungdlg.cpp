#include "dialogs/anordnungdlg.h"

#include <utility>

#include <QComboBox>

#include "workplace/benutzerprofil.h"
#include "workplace/formatierung.h"

namespace {

std::string ModusEintrag(const CModusListe& liste, int i)
{
    const uint32_t tiefe = liste.GetFarbtiefe(i), frequenz = liste.GetFrequenz(i);
    return FormatInt(static_cast<int>(liste.GetBreite(i))) + " x " + FormatInt(static_cast<int>(liste.GetHoehe(i))) +
           ", " + (tiefe ? FormatInt(static_cast<int>(tiefe)) + ", " : std::string("?, ")) +
           (frequenz ? FormatInt(static_cast<int>(frequenz)) : std::string("?"));
}

} // namespace

CAnordnungDlg::CAnordnungDlg(QWidget* eltern)
    : CRasterDialog(160, "Anordnung und Bildschirmmodus ändern", QSize(214, 157), QPoint(106, 139), QPoint(160, 139),
                    eltern)
{
    setObjectName("anordnungdlg");
}

CAnordnungDlg::~CAnordnungDlg() = default;

void CAnordnungDlg::SetUmgebung(CBenutzerprofil* profil, CUmgebung* umgebung)
{
    m_pUmgebung = umgebung;
    SchriftNehmen(profil);
    if (umgebung) {
        m_Anordnung = umgebung->GetAnordnung();
        m_Modus = umgebung->GetBildschirmModus();
    }
}

int CAnordnungDlg::Uebernehmen(CUmgebung* umgebung)
{
    umgebung->SetAnordnung(m_Anordnung);
    return umgebung->PruefeModus(m_Modus);
}

void CAnordnungDlg::ErzeugeSteuerelemente()
{
    Gruppe("", "Anordnung", Kante(5, 5, 315, 88));
    Beschriftung("", "Breite der Anzeigenfläche [cm]", Kante(10, 23, 240, 38));
    Beschriftung("", "Höhe der Anzeigenfläche [cm]", Kante(10, 44, 240, 59));
    Beschriftung("", "Betrachterabstand zur Anzeigenfläche [cm]", Kante(10, 65, 240, 80));
    m_pBreite = Zahlfeld("breite", Kante(240, 21, 310, 39));
    m_pHoehe = Zahlfeld("hoehe", Kante(240, 42, 310, 60));
    m_pAbstand = Zahlfeld("abstand", Kante(240, 63, 310, 81));
    Gruppe("", "Bildschirm", Kante(5, 93, 315, 218));
    Beschriftung("", "Anzeigentreiber", Kante(10, 111, 310, 126));
    m_pTreiber = Liste("treiber", Kante(15, 128, 310, 228));
    Beschriftung("", "Bildschirmauflösung", Kante(10, 153, 310, 168));
    Beschriftung("", "B [Pxl] x H [Pxl], Fb [Bit], f [Hz]", Kante(15, 174, 165, 189));
    m_pModus = Liste("modus", Kante(165, 170, 310, 270));
    Beschriftung("", "Bildwiederholfrequenz [Hz]", Kante(15, 195, 240, 210));
    m_pFrequenz = Zahlfeld("frequenz", Kante(240, 193, 310, 211));

    m_pTreiber->addItem("Primärer Anzeigentreiber");
    m_pTreiber->setEnabled(false);
    if (const CModusListe* liste = Modusliste())
        for (int i = 0; i < liste->GetAnzahl(); ++i)
            m_pModus->addItem(QString::fromStdString(ModusEintrag(*liste, i)));
}

const CModusListe* CAnordnungDlg::Modusliste() const { return m_pUmgebung ? &m_pUmgebung->m_Modusliste : nullptr; }

void CAnordnungDlg::ZeigeDaten()
{
    if (!m_pBreite)
        return;
    for (auto [feld, cm] : {std::pair{m_pBreite, m_Anordnung.m_dBreite}, std::pair{m_pHoehe, m_Anordnung.m_dHoehe},
                            std::pair{m_pAbstand, m_Anordnung.m_dAbstand}})
        ZeigeWert(feld, cm, FormatDouble(cm, 1));
    m_pTreiber->setCurrentIndex(0);

    int index = -1;
    if (const CModusListe* liste = Modusliste()) {
        index = liste->Suchen(m_Modus.m_dwBreite, m_Modus.m_dwHoehe, m_Modus.m_dwFarbtiefe, m_Modus.m_dwFrequenz);
        if (index < 0)
            index = liste->Suchen3(m_Modus.m_dwBreite, m_Modus.m_dwHoehe, m_Modus.m_dwFarbtiefe);
    }
    m_pModus->setCurrentIndex(index);
    m_Modus.m_dwFrequenz = index >= 0 ? Modusliste()->GetFrequenz(index) : 0;

    // A listed rate is fixed; at the display's default rate the field names
    // the rate presentations try first.
    m_Modus.FrequenzMerken();
    Freigeben(m_pFrequenz, m_Modus.m_dwFrequenz == 0);
    ZeigeWert(m_pFrequenz, m_Modus.m_dwLetzteFrequenz, FormatInt(static_cast<int>(m_Modus.m_dwLetzteFrequenz)));

    m_pTreiber->setEnabled(false);
    update();
}

void CAnordnungDlg::LeseDaten()
{
    if (!m_pBreite)
        return;
    const auto cm = [](const CFeld* feld) {
        return CAnordnung::Begrenzt(LiesWert(feld, [](const std::string& text) { return ParseDouble(text, 1); }));
    };
    m_Anordnung.m_dBreite = cm(m_pBreite);
    m_Anordnung.m_dHoehe = cm(m_pHoehe);
    m_Anordnung.m_dAbstand = cm(m_pAbstand);

    const int index = m_pModus->currentIndex();
    const CModusListe* liste = Modusliste();
    const bool gewaehlt = liste && index >= 0 && index < liste->GetAnzahl();
    m_Modus.m_dwBreite = gewaehlt ? liste->GetBreite(index) : 0;
    m_Modus.m_dwHoehe = gewaehlt ? liste->GetHoehe(index) : 0;
    m_Modus.m_dwFarbtiefe = gewaehlt ? liste->GetFarbtiefe(index) : 0;
    m_Modus.m_dwFrequenz = gewaehlt ? liste->GetFrequenz(index) : 0;
    m_Modus.FrequenzMerken();
    if (m_Modus.m_dwFrequenz == 0) {
        // A negative rate would wrap round to billions of hertz.
        const double frequenz = LiesWert(m_pFrequenz, [](const std::string& text) { return ParseInt(text); });
        m_Modus.m_dwLetzteFrequenz = static_cast<uint32_t>(frequenz < 0 ? 0 : frequenz);
    }
    update();
}
