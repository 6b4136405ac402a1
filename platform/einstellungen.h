#pragma once

#include <string>

// The settings store of the program: a per-user store under the maker's and the program's name and a
// machine-wide one that ordinary users usually cannot write. Sections and
// entries are plain names; the machine-wide store is addressed below the
// program's own key.
class CEinstellungen {
public:
    virtual ~CEinstellungen() = default;

    // Per user; empty when the entry is missing.
    virtual std::string LeseText(const std::string& abschnitt, const std::string& eintrag) = 0;
    // False when the store could not be written.
    virtual bool SchreibeText(const std::string& abschnitt, const std::string& eintrag, const std::string& wert) = 0;

    // Machine-wide. Reading answers false when the value is missing.
    virtual bool LeseSystemText(const std::string& abschnitt, const std::string& eintrag, std::string& wert) = 0;
    // False when the machine-wide store is not writable.
    virtual bool SchreibeSystemText(const std::string& abschnitt, const std::string& eintrag,
                                    const std::string& wert) = 0;
};
