#pragma once

#include "layouts/Form.h"

struct Windows;

// Shows the score of the game just ended and, for a new record, takes the player's name.
class frmGameOver final : public Form {
    Q_OBJECT
public:
    frmGameOver(Platform& platform, Windows& windows);

private:
    void connectControls() override;
    void Form_Load() override;

    void Command2_Click();  // Ok
    void Command3_Click();  // Enter Name

    Windows& m_windows;
    qint16 m_score = 0;  // the score shown, which a name would be stored with
};
