#pragma once

class frmMain;
class frmOps;
class frmGameOver;
class frmHighScore;
class frmOptions;
class frmSkin;

// The six windows of the game, each one object for the whole run, reachable from the others.
struct Windows {
    frmMain* main = nullptr;
    frmOps* ops = nullptr;
    frmGameOver* gameOver = nullptr;
    frmHighScore* highScore = nullptr;
    frmOptions* options = nullptr;
    frmSkin* skin = nullptr;
};
