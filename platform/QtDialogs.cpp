#include "QtDialogs.h"

#include "DialogFrame.h"
#include "LiteralTitle.h"
#include "QtProgramFacts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>

namespace {

// Window managers do not all hand the keyboard on to a window without a task-bar entry when a
// box closes, so the window that had it before the box takes it back.
class KeyboardReturns {
public:
    KeyboardReturns()
        : m_window(QApplication::activeWindow())
    {}
    ~KeyboardReturns()
    {
        if (m_window && m_window->isVisible() && !QApplication::activeModalWidget()) {
            m_window->raise();
            m_window->activateWindow();
        }
    }
    KeyboardReturns(const KeyboardReturns&) = delete;
    KeyboardReturns& operator=(const KeyboardReturns&) = delete;

private:
    QPointer<QWidget> m_window;
};

// Shows a box of `buttons`, no icon and `prompt`, modal, until it is closed; the button clicked,
// or NoButton when the box went with its owner.
QMessageBox::StandardButton showBox(QWidget* owner, const QString& prompt, const QString& title,
                                    QMessageBox::StandardButtons buttons)
{
    // Kept on the heap: should its owner go while the box is open, the box goes with it instead of
    // being destroyed twice.
    const KeyboardReturns keyboard;
    QPointer<QMessageBox> box = new QMessageBox(owner);
    box->setIcon(QMessageBox::NoIcon);
    box->setStandardButtons(buttons);
    if (buttons.testFlag(QMessageBox::No))
        box->setDefaultButton(QMessageBox::No);
    box->setWindowTitle(literalTitle(title));
    // Messages name skin folders and paths, which Qt would take for rich text where they look
    // like markup, loading the pictures they name.
    box->setTextFormat(Qt::PlainText);
    box->setText(prompt);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Modal over every window of the game, a box that could stay minimised would leave the game
    // with no window to use. Its size is known only once it shows; the centring follows it.
    frameAsDialog(box, QtProgramFacts().workArea());
    const int clicked = box->exec();
    return box ? QMessageBox::StandardButton(clicked) : QMessageBox::NoButton;
}

// Qt's own file dialog goes into the folder selected when Open is pressed; this one takes it, and
// a double click still goes in.
class FileOrFolderDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (chosen.size() == 1 && QFileInfo(chosen.front()).isDir())
            done(QDialog::Accepted);
        else
            QFileDialog::accept();
    }
};

// The standard folder of that kind where it exists, else the home folder: the file dialog would
// take the name of a missing folder for the file's.
QString startFolder(QStandardPaths::StandardLocation kind)
{
    const QString folder = QStandardPaths::writableLocation(kind);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// Shows the file dialog `box` modal until it is closed: the path chosen, or "" on Cancel or when
// the box went with its owner.
QString chosenPath(QFileDialog* box)
{
    const KeyboardReturns keyboard;
    const QPointer<QFileDialog> held = box;
    const bool accepted = box->exec() == QDialog::Accepted;
    if (!held)
        return {};
    const QString path = accepted ? held->selectedFiles().value(0) : QString();
    delete held;
    return path;
}

}  // namespace

void QtDialogs::message(QWidget* owner, const QString& prompt, const QString& title)
{
    showBox(owner, prompt, title, QMessageBox::Ok);
}

bool QtDialogs::question(QWidget* owner, const QString& prompt, const QString& title)
{
    return showBox(owner, prompt, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtDialogs::input(QWidget* owner, const QString& prompt, const QString& title)
{
    // Should its owner go while the box is open, the box goes with it.
    const KeyboardReturns keyboard;
    QPointer<QInputDialog> box = new QInputDialog(owner);
    box->setWindowTitle(literalTitle(title));
    box->setLabelText(prompt);
    for (QLabel* label : box->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
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

QString QtDialogs::chooseFileOrFolder(QWidget* owner, const QString& title,
                                      const QString& nameFilter)
{
    auto* box = new FileOrFolderDialog(owner, literalTitle(title),
                                       startFolder(QStandardPaths::DownloadLocation), nameFilter);
    // A desktop's own dialog cannot be told to take a folder.
    box->setOption(QFileDialog::DontUseNativeDialog);
    box->setFileMode(QFileDialog::ExistingFile);
    return chosenPath(box);
}

QString QtDialogs::chooseSaveFile(QWidget* owner, const QString& title, const QString& suggested,
                                  const QString& nameFilter)
{
    auto* box = new QFileDialog(owner, literalTitle(title),
                                startFolder(QStandardPaths::PicturesLocation), nameFilter);
    box->setAcceptMode(QFileDialog::AcceptSave);
    box->setDefaultSuffix(QFileInfo(suggested).suffix());
    box->selectFile(suggested);
    return chosenPath(box);
}
