#pragma once

#include "engine/StartMenu.h"

struct Windows;

// The start menu: the program's first window and its hub. It holds, for the whole run, the
// difficulty of the game in progress and the copies of three settings the rest of the game reads.
class frmOps final : public StartMenu {
    Q_OBJECT
public:
    frmOps(Platform& platform, Windows& windows);

    qint16 PlayStarted = 0;  // 1 once Play! has been pressed in this run

private:
    void connectControls() override;
    void Form_Load() override;
    void Form_Unload() override;

    void Option_Click(const char* difficulty);
    void Command4_Click();  // Play!
    void Command5_Click();  // Quit

    Windows& m_windows;
};
