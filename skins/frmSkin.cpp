#include "frmSkin.h"

#include "formats/IniReader.h"
#include "platform/Platform.h"
#include "rules/SettingKeys.h"
#include "skins/SkinFolders.h"
#include "skins/SkinInstall.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QTextDocument>
#include <QUrl>

#include <optional>

namespace {

// The one local file or folder a drag carries; none for anything else.
std::optional<QString> droppedPath(const QMimeData* data)
{
    if (!data || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return std::nullopt;
    return data->urls().front().toLocalFile();
}

}  // namespace

frmSkin::frmSkin(Platform& platform)
    : Form(platform, skinSelectorLayout())
{}

bool isWebAddress(const QString& address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty();
}

void frmSkin::connectControls()
{
    auto* list = control<QListWidget>("List1");
    connect(list, &QListWidget::currentRowChanged, this, &frmSkin::List1_Click);
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(this);
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { Unload(); });
    onClick("Command3", [this] { Form_Load(); });
    connect(control<LinkBox>("websitetext"), &LinkBox::clicked, this, &frmSkin::websitetext_Click);
}

void frmSkin::Form_Load()
{
    FillSkinList(skinsFolders(m_platform.facts));

    auto* list = control<QListWidget>("List1");
    const QString current = readSetting(m_platform.settings, SettingKeys::Skin);
    const QList<QListWidgetItem*> matches = list->findItems(current, Qt::MatchExactly);
    if (!matches.isEmpty())
        list->setCurrentItem(matches.front());
}

void frmSkin::FillSkinList(const QStringList& folders)
{
    auto* list = control<QListWidget>("List1");
    list->clear();
    list->addItems(skinNames(m_platform.facts));
    // The label has room for one folder: the game's own. The player's is named where it is
    // looked for, and in the help documents.
    QWidget* label = control("Label3");
    setCaption(label, QStringLiteral("Skins Folder: ") + folders.front() + u'/');
    QStringList lines;
    for (const QString& folder : folders)
        lines.append(folder + u'/');
    // A tooltip takes text that looks like markup for rich text, as a label would.
    label->setToolTip(Qt::convertFromPlainText(
        QStringLiteral("Skins are read from:\n") + lines.join(u'\n'), Qt::WhiteSpaceNoWrap));
}

QString frmSkin::selectedSkin() const
{
    const QListWidgetItem* item = control<QListWidget>("List1")->currentItem();
    return item ? item->text() : QString();
}

QString frmSkin::LoadSkin(const QString& Header, const QString& Variable) const
{
    const SkinLocation skin = locateSkin(selectedSkin(), m_platform.facts);
    if (!skin.found)
        return {};
    return readIniValue(skin.path + QStringLiteral("/config.ini"), Header, Variable);
}

void frmSkin::List1_Click()
{
    const QString info = QStringLiteral("Info");
    const QString name = LoadSkin(info, QStringLiteral("Name"));
    setCaption(control("skinname"), QStringLiteral("Skin Name: ") + name);
    setTitle(name.isEmpty() ? QStringLiteral("Skin Selector")
                            : QStringLiteral("Skin Selector - ") + name);
    setCaption(control("author"),
               QStringLiteral("Author: ") + LoadSkin(info, QStringLiteral("Author")));
    SkinWebSite = LoadSkin(info, QStringLiteral("WebSite"));
    setCaption(control("websitetext"), SkinWebSite);
    setCaption(control("description"), LoadSkin(info, QStringLiteral("Comments")));
}

void frmSkin::Command1_Click()
{
    if (!LoadSkin(QStringLiteral("Info"), QStringLiteral("Name")).isEmpty())
        writeSettings(m_platform.settings, {{SettingKeys::Skin, selectedSkin()}});
    Unload();
}

void frmSkin::websitetext_Click()
{
    if (isWebAddress(SkinWebSite))
        m_platform.shell.open(QUrl(SkinWebSite.trimmed()));
}

bool frmSkin::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return Form::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<QString> path = droppedPath(drop->mimeData());
    if (!path) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    // After the drop has ended: the questions and messages of an install must not hold the
    // program that the drag came from.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, path = *path] { installDropped(path); }, Qt::QueuedConnection);
    return true;
}

void frmSkin::installDropped(const QString& path)
{
    const QString title = QStringLiteral("Kriel - Install Skin");
    const SkinInstall install = installSkin(path, m_platform.facts, [&](const QString& name) {
        return m_platform.dialogs.question(
            window(),
            QStringLiteral("Your own skins already hold one called \"%1\". Replace it with the "
                           "new one?\n\nNo keeps it, and installs the new one under another name.")
                .arg(name),
            title);
    });
    if (!install.ok()) {
        m_platform.dialogs.message(window(), install.refusal, title);
        return;
    }
    if (!isLoaded())
        return;
    FillSkinList(skinsFolders(m_platform.facts));
    auto* list = control<QListWidget>("List1");
    list->setCurrentItem(list->findItems(install.name, Qt::MatchExactly).value(0));
}
