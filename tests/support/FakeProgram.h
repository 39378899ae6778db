#pragma once

#include "engine/Windows.h"
#include "engine/frmMain.h"
#include "menus/frmGameOver.h"
#include "menus/frmHighScore.h"
#include "menus/frmOps.h"
#include "menus/frmOptions.h"
#include "skins/frmSkin.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QAbstractButton>

// All six windows wired together as the program wires them, on doubled services, with one
// complete skin installed as Default.
struct FakeProgram {
    FakeProgram()
    {
        fake.facts.folder = skin.programFolder();
        windows = {&play, &menu, &gameOver, &highScore, &options, &skins};
    }

    static void click(Form& form, const char* control)
    {
        form.control<QAbstractButton>(QLatin1String(control))->click();
    }

    FakePlatform fake;
    SkinFolder skin{QStringLiteral("Default")};
    Windows windows;
    frmOps menu{fake.platform, windows};
    frmMain play{fake.platform, windows};
    frmGameOver gameOver{fake.platform, windows};
    frmHighScore highScore{fake.platform, windows};
    frmOptions options{fake.platform, windows};
    frmSkin skins{fake.platform};
};
