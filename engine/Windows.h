#pragma once

class Form;
class StartMenu;
class frmMain;

// The six windows of the game, each one object for the whole run, reachable from the others
// through this registry alone. Each is known as no more than what the others ask of it, so that
// the play window, below the menus, reaches them too.
struct Windows {
    frmMain* main = nullptr;
    StartMenu* ops = nullptr;
    Form* gameOver = nullptr;
    Form* highScore = nullptr;
    Form* options = nullptr;
    Form* skin = nullptr;
};
