#include "QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

void QtDialogs::message(QWidget* owner, const QString& prompt, const QString& title)
{
    // Kept on the heap: should its owner go while the box is open, the box goes with it instead of
    // being destroyed twice.
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->exec();
}

QString QtDialogs::input(QWidget* owner, const QString& prompt, const QString& title)
{
    bool accepted = false;
    const QString text =
        QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, QString(), &accepted);
    return accepted ? text : QString();
}
