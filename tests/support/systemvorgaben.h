#pragma once

#include <string>

#include "platform/system.h"

// Fixed user name and documents folder for the lifetime of the object, so
// that profiles built in tests do not depend on the machine.
struct CSystemvorgaben {
    CSystemvorgaben()
    {
        systemdienst::SetBenutzernameFuerTest([] { return std::string("nutzer7"); });
        systemdienst::SetDokumentenQuelle([] { return std::string("/home/nutzer7/Dokumente"); });
    }
    ~CSystemvorgaben()
    {
        systemdienst::SetBenutzernameFuerTest({});
        systemdienst::SetDokumentenQuelle({});
    }
};
