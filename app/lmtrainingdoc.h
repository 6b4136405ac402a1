#pragma once

#include "app/modelldokument.h"
#include "model/training.h"

// A training (.lmt) as a document.
class CLMTrainingDoc : public CLMModellDoc<CTraining> {
public:
    explicit CLMTrainingDoc(CDokumentVorlage* vorlage);
    CTraining& GetTraining() { return m_Modell; }

    static constexpr const char* kVorlagenText =
        "\nLM-Training\nLM-Training\nLM-Trainingsdateien (*.lmt)\n.lmt\n Lumetra.Document\nLM-Training";
};
