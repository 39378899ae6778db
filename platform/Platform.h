#pragma once

#include "Dialogs.h"
#include "EndRequests.h"
#include "OpenWindows.h"
#include "ProgramEnd.h"
#include "ProgramFacts.h"
#include "RandomSource.h"
#include "SettingsStore.h"
#include "Shell.h"
#include "SoundPlayer.h"
#include "TickTimer.h"

// The services the game's windows call out to. The program wires in the Qt implementations;
// tests wire in doubles that record and script them.
struct Platform {
    SettingsStore& settings;
    SoundPlayer& sound;
    Dialogs& dialogs;
    RandomSource& random;
    const ProgramFacts& facts;
    ProgramEnd& end;
    TimerFactory& timers;
    OpenWindows& windows;
    Shell& shell;
    EndRequests& endRequests;
};
