#pragma once

#include "layouts/Form.h"

struct Windows;

// The settings dialog: the three gameplay options, clearing the record, restoring the defaults,
// and the help documents.
class frmOptions final : public Form {
    Q_OBJECT
public:
    frmOptions(Platform& platform, Windows& windows);

private:
    void connectControls() override;
    void Form_Load() override;

    void Command1_Click();  // Clean High Scores
    void Command4_Click();  // Restore Defaults
    void Command5_Click();  // Apply
    void openDocument(const char* fileName);
    void backToMenu();

    Windows& m_windows;
};
