#pragma once

// Installs the Qt services of the platform layer for the running
// QApplication: the documents folder from QStandardPaths and the German
// texts of Qt's own dialogs (qtbase_de). Answers false when the German
// translation could not be loaded; the program runs on regardless.
bool QtDiensteEinrichten();
