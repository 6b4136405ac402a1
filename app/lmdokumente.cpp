#include "app/lmtestdoc.h"
#include "app/lmtrainingdoc.h"

CLMTrainingDoc::CLMTrainingDoc(CDokumentVorlage* vorlage)
    : CLMModellDoc<CTraining>(vorlage, {&CVerzeichnisse::m_strTrainingsVorlage, &CVerzeichnisse::m_strTrainings, ".lmt",
                                        "Trainingsvorlage"})
{
}

CLMTestDoc::CLMTestDoc(CDokumentVorlage* vorlage)
    : CLMModellDoc<CTest>(vorlage,
                          {&CVerzeichnisse::m_strTestVorlage, &CVerzeichnisse::m_strTests, ".lmd", "Testvorlage"})
{
}
