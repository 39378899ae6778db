#pragma once

#include "layouts/Form.h"

struct Windows;

// Shows the stored record as it was when the viewer opened.
class frmHighScore final : public Form {
    Q_OBJECT
public:
    frmHighScore(Platform& platform, Windows& windows);

private:
    void connectControls() override;
    void Form_Load() override;

    Windows& m_windows;
};
