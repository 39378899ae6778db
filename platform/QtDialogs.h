#pragma once

#include "Dialogs.h"

class QtDialogs final : public Dialogs {
public:
    void message(QWidget* owner, const QString& prompt, const QString& title) override;
    bool question(QWidget* owner, const QString& prompt, const QString& title) override;
    QString input(QWidget* owner, const QString& prompt, const QString& title) override;
    QString chooseFileOrFolder(QWidget* owner, const QString& title,
                               const QString& nameFilter) override;
    QString chooseSaveFile(QWidget* owner, const QString& title, const QString& suggested,
                           const QString& nameFilter) override;
};
