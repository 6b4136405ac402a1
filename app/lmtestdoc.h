#pragma once

#include "app/modelldokument.h"
#include "model/test.h"

// A test (.lmd) as a document.
class CLMTestDoc : public CLMModellDoc<CTest> {
public:
    explicit CLMTestDoc(CDokumentVorlage* vorlage);
    CTest& GetTest() { return m_Modell; }

    static constexpr const char* kVorlagenText =
        "\nLM-Test\nLM-Test\nLM-Testdateien (*.lmd)\n.lmd\n Lumetra.Document\nLM-Test";
};
