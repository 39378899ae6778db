#pragma once

#include <QString>

class QWidget;

// The game's modal boxes. All keep the event loop running while open, so timers go on ticking.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with an OK button only and no icon; returns when it is closed.
    virtual void message(QWidget* owner, const QString& prompt, const QString& title) = 0;
    // A question with Yes and No buttons, No the default; true for Yes.
    virtual bool question(QWidget* owner, const QString& prompt, const QString& title) = 0;
    // A one-line text entry, empty at first; returns the text typed, or "" on Cancel.
    virtual QString input(QWidget* owner, const QString& prompt, const QString& title) = 0;
    // A file to open, among those `nameFilter` shows (as "Skins (*.zip *.tgz)"), or a folder,
    // chosen by the player; its path, or "" on Cancel.
    virtual QString chooseFileOrFolder(QWidget* owner, const QString& title,
                                       const QString& nameFilter) = 0;
    // A file to write, proposed as `suggested` (a bare file name, whose extension is added when
    // the player's name has none), and asked about when it exists; its path, or "" on Cancel.
    virtual QString chooseSaveFile(QWidget* owner, const QString& title, const QString& suggested,
                                   const QString& nameFilter) = 0;
};
