#pragma once

#include "ui/qt/CRigvetWindow.h"

#include <QString>

// Test hook behind RIGVET_SCREENSHOT=path: answers every box without a user (No to the consent
// question, so the network is not used; OK to the rest), printing each box on standard error.
void AnswerBoxUnattended(QDialog& box);

// Presses the test button once, then saves a picture of the window at strPath. False when the
// picture could not be saved.
bool RunOnceAndSaveScreenshot(CRigvetWindow& window, const QString& strPath);
