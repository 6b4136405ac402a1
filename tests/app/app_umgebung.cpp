#include "app_umgebung.h"

#include <fstream>

#include <QFileDialog>

#include "app/fragedlg.h"
#include "model/test.h"
#include "model/training.h"
#include "platform/archiv.h"
#include "platform/system.h"
#include "support/qt_app.h"

CSkriptLaeufer::CSkriptLaeufer()
{
    m_vorher = SetModalLaeufer([this](QDialog& dialog) {
        m_dialoge.push_back(dialog.objectName().toStdString());
        if (m_antworten.empty()) {
            dialog.reject();
            return dialog.result();
        }
        Antwort antwort = std::move(m_antworten.front());
        m_antworten.pop_front();
        return antwort(dialog);
    });
}

CSkriptLaeufer::~CSkriptLaeufer() { SetModalLaeufer(std::move(m_vorher)); }

CSkriptLaeufer::Antwort WaehleDatei(std::string pfad, CDateiDialogDaten* daten)
{
    return [=](QDialog& d) {
        auto& datei = dynamic_cast<QFileDialog&>(d);
        if (daten) {
            daten->filter = datei.nameFilters();
            daten->ordner = datei.directory().absolutePath();
        }
        if (pfad.empty()) {
            d.done(QDialog::Rejected);
            return d.result();
        }
        const std::filesystem::path p(pfad);
        datei.setDirectory(QString::fromStdString(p.parent_path().string()));
        datei.selectFile(QString::fromStdString(p.filename().string()));
        d.done(QDialog::Accepted);
        return d.result();
    };
}

void AppTest::SetUp()
{
    SichereQtAnwendung();
    m_temp = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_temp->isValid());
    m_ordner = std::filesystem::canonical(m_temp->path().toStdString()).string();
    m_vorher = std::filesystem::current_path();
    std::filesystem::current_path(m_ordner);
    systemdienst::SetBenutzernameFuerTest([] { return std::string("tester"); });
    CSystemMetriken metriken;
    metriken.m_arbeitsbereich = QRect(0, 0, 1280, 1024);
    metriken.m_bildschirm = QRect(0, 0, 1280, 1024);
    CSystemMetriken::SetFuerTest(&metriken);
    // The environment's modes come from the in-memory display.
    m_anzeige = CSpeicherAnzeige::Installieren();
    m_meldungen = std::make_unique<CMeldungsRecorder>();
    m_laeufer = std::make_unique<CSkriptLaeufer>();
}

void AppTest::TearDown()
{
    m_app.reset();
    m_laeufer.reset();
    m_meldungen.reset();
    m_anzeige.reset();
    CSystemMetriken::SetFuerTest(nullptr);
    systemdienst::SetBenutzernameFuerTest({});
    std::filesystem::current_path(m_vorher);
}

void AppTest::LegeOrdnerAn()
{
    for (const char* f : {"LMTR-Benutzerprofile", "LMTR-Trainings", "LMTR-Tests", "LMTR-Umgebungen", "LMTR-Texte"})
        std::filesystem::create_directories(Pfad(f));
}

void AppTest::SchreibeVorlagen()
{
    LegeOrdnerAn();
    CBenutzerprofil profil;
    CUmgebung umgebung(&profil);
    CTraining training;
    training.SetUmgebung(&umgebung);
    CTest test;
    test.SetUmgebung(&umgebung);
    const auto speichere = [this](auto& modell, const char* datei) {
        CArchive a(CArchive::store, Pfad(datei));
        modell.Serialize(a);
        a.Close();
    };
    speichere(training, "LMTR-Trainings/Vorlage.lmt");
    speichere(test, "LMTR-Tests/Vorlage.lmd");
    speichere(umgebung, "LMTR-Umgebungen/Vorlage.lmu");
}

CLumetraApp& AppTest::Starte(bool systemSchreibbar, const std::vector<std::string>& befehlszeile)
{
    const std::string ordner = m_ordner + "/.einstellungen";
    m_app = std::make_unique<CLumetraApp>(systemSchreibbar ? std::make_unique<CQtEinstellungen>(ordner)
                                                           : std::make_unique<CSystemGesperrt>(ordner));
    EXPECT_TRUE(m_app->InitInstance(befehlszeile));
    return *m_app;
}

void AppTest::Antworte(int antwort)
{
    m_laeufer->m_antworten.push_back([this, antwort](QDialog& d) {
        m_fragen.push_back(dynamic_cast<CHinweisDlg&>(d).GetText());
        return antwort;
    });
}

std::vector<std::uint8_t> AppTest::LiesDatei(const std::string& pfad) const
{
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

void AppTest::SchreibeDatei(const std::string& pfad, const std::vector<std::uint8_t>& bytes) const
{
    std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
    datei.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
