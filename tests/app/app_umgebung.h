#pragma once

// Application tests: a temporary program folder and settings store, fixed
// screen metrics, recorded messages, scripted modal answers.
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>

#include "app/lumetra_app.h"
#include "app/mainfrm.h"
#include "app/systemmetriken.h"
#include "platform/display/memory/speicher_anzeige.h"
#include "platform/meldung.h"
#include "platform/qt/modal.h"
#include "platform/qt/qt_einstellungen.h"

// Answers modal dialogs from a queue; every dialog's object name is kept.
class CSkriptLaeufer {
public:
    using Antwort = std::function<int(QDialog&)>;
    CSkriptLaeufer();
    ~CSkriptLaeufer();
    std::deque<Antwort> m_antworten;
    std::vector<std::string> m_dialoge;

private:
    ModalLaeufer m_vorher;
};

// What a file dialog showed.
struct CDateiDialogDaten {
    QStringList filter;
    QString ordner;
};

// Answers a file dialog with a path (empty: cancel) and keeps what it showed.
CSkriptLaeufer::Antwort WaehleDatei(std::string pfad, CDateiDialogDaten* daten = nullptr);

// Machine-wide store that cannot be written, as for an ordinary user.
class CSystemGesperrt : public CQtEinstellungen {
public:
    using CQtEinstellungen::CQtEinstellungen;
    bool SchreibeSystemText(const std::string&, const std::string&, const std::string&) override { return false; }
};

// While it lives no file can grow: writes fail as on a full disk.
class CVollePlatte {
public:
    CVollePlatte()
    {
        ::getrlimit(RLIMIT_FSIZE, &m_vorher);
        rlimit voll = m_vorher;
        voll.rlim_cur = 1;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &voll), 0);
    }
    ~CVollePlatte() { ::setrlimit(RLIMIT_FSIZE, &m_vorher); }

private:
    rlimit m_vorher{};
};

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Pfad(const std::string& relativ) const { return m_ordner + "/" + relativ; }
    // The program folder's folders, without files.
    void LegeOrdnerAn();
    // Templates and environment file from the defaults.
    void SchreibeVorlagen();

    // Builds the application and starts it with the files named.
    CLumetraApp& Starte(bool systemSchreibbar = true, const std::vector<std::string>& befehlszeile = {});
    CQtEinstellungen Einstellungen() { return CQtEinstellungen(m_ordner + "/.einstellungen"); }

    // The next question box is answered and its text kept in m_fragen.
    void Antworte(int antwort);

    std::vector<std::uint8_t> LiesDatei(const std::string& pfad) const;
    void SchreibeDatei(const std::string& pfad, const std::vector<std::uint8_t>& bytes) const;

    std::unique_ptr<QTemporaryDir> m_temp;
    std::string m_ordner;
    std::filesystem::path m_vorher;
    std::shared_ptr<CSpeicherAnzeige> m_anzeige;
    std::unique_ptr<CMeldungsRecorder> m_meldungen;
    std::unique_ptr<CSkriptLaeufer> m_laeufer;
    std::unique_ptr<CLumetraApp> m_app;
    std::vector<std::string> m_fragen;
};
