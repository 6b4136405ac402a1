#include "dialog_umfeld.h"

#include <filesystem>

#include "support/qt_app.h"

DialogTest::DialogTest() : m_Umgebung(&m_Profil)
{
    SichereQtAnwendung();
    m_Training.SetUmgebung(&m_Umgebung);
    m_Test.SetUmgebung(&m_Umgebung);
    m_vorher = SetModalLaeufer([this](QDialog& d) {
        if (m_antworten.empty()) {
            ++m_nUnbeantwortet;
            return 0;
        }
        auto antwort = std::move(m_antworten.front());
        m_antworten.pop_front();
        return antwort(d);
    });
}

DialogTest::~DialogTest()
{
    SetModalLaeufer(std::move(m_vorher));
}

void DialogTest::SetEinheit(uint32_t einheit, int dezimalstellen)
{
    CAnzeigeOptionen optionen = m_Profil.GetAnzeigeOptionen();
    optionen.SetEinheit(einheit);
    optionen.SetDezimalstellen(dezimalstellen);
    m_Profil.SetAnzeigeoptionen(optionen);
    m_Umgebung.SetProfil(&m_Profil);
}

void DialogTest::Bildschirmfoto(QWidget& w, const std::string& name)
{
    std::filesystem::create_directories(LUMETRA_ARTIFACTS);
    w.grab().save(QString::fromStdString(std::string(LUMETRA_ARTIFACTS) + "/" + name + ".png"));
}
