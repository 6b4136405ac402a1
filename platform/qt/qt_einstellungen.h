#pragma once

#include <memory>
#include <string>

#include "platform/einstellungen.h"

class QSettings;

// Settings store over QSettings, organisation "Vardenix", application
// "Lumetra": user scope for the per-user store, system scope for the
// machine-wide one. Given a folder, both live as ini files below it (tests).
class CQtEinstellungen : public CEinstellungen {
public:
    explicit CQtEinstellungen(const std::string& ordner = {});
    ~CQtEinstellungen() override;

    std::string LeseText(const std::string& abschnitt, const std::string& eintrag) override;
    bool SchreibeText(const std::string& abschnitt, const std::string& eintrag, const std::string& wert) override;
    bool LeseSystemText(const std::string& abschnitt, const std::string& eintrag, std::string& wert) override;
    bool SchreibeSystemText(const std::string& abschnitt, const std::string& eintrag, const std::string& wert) override;

private:
    std::unique_ptr<QSettings> m_benutzer;
    std::unique_ptr<QSettings> m_system;
};
