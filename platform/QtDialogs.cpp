#include "QtDialogs.h"

#include "DialogFrame.h"
#include "QtProgramFacts.h"

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
    // Should its owner go while the box is open, the box goes with it.
    QPointer<QInputDialog> box = new QInputDialog(owner);
    box->setWindowTitle(title);
    box->setLabelText(prompt);
    box->adjustSize();
    box->setFixedSize(box->size());
    frameAsDialog(box, QtProgramFacts().workArea());
    const bool accepted = box->exec() == QDialog::Accepted;
    if (!box)
        return {};
    const QString text = accepted ? box->textValue() : QString();
    delete box;
    return text;
}
