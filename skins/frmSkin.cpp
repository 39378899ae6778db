#include "frmSkin.h"

#include "formats/IniReader.h"
#include "platform/Platform.h"
#include "platform/StandardScreen.h"
#include "rules/SettingKeys.h"
#include "skins/PreviewQueue.h"
#include "skins/SkinFolders.h"
#include "skins/SkinInstall.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QToolTip>
#include <QUrl>

#include <numbers>
#include <optional>

namespace {

// Pixels: the side of the square a row's preview is fitted in.
constexpr int IconSide = 48;
// An entry's preview as a PNG, or the refusal of its skin.
constexpr int PreviewRole = Qt::UserRole;

// The one local file or folder a drag carries; none for anything else.
std::optional<QString> droppedPath(const QMimeData* data)
{
    if (!data || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return std::nullopt;
    return data->urls().front().toLocalFile();
}

// Rows as tall as a preview from the start, so that they keep their places as previews come in.
class PreviewRows final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index).expandedTo({0, IconSide + 4});
    }
};

QPixmap blankIcon()
{
    QPixmap icon(IconSide, IconSide);
    icon.fill(Qt::transparent);
    return icon;
}

QIcon previewIcon(const QImage& picture)
{
    QPixmap icon = blankIcon();
    const QImage fitted =
        picture.scaled(IconSide, IconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter(&icon).drawImage((IconSide - fitted.width()) / 2, (IconSide - fitted.height()) / 2,
                              fitted);
    return icon;
}

// A skin the game refuses: a ring struck through.
QIcon brokenIcon()
{
    QPixmap icon = blankIcon();
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(192, 0, 0), 5));
    const double radius = IconSide / 2.0 - 8;
    const QPointF centre(IconSide / 2.0, IconSide / 2.0);
    const QPointF corner(radius / std::numbers::sqrt2, radius / std::numbers::sqrt2);
    painter.drawEllipse(centre, radius, radius);
    painter.drawLine(centre - corner, centre + corner);
    return icon;
}

}  // namespace

frmSkin::frmSkin(Platform& platform, PlayWindowPainter paint)
    : Form(platform, skinSelectorLayout())
    , m_paint(std::move(paint))
{
    if (!m_paint)
        return;
    m_previews = new PreviewQueue(m_paint, this);
    connect(m_previews, &PreviewQueue::drawn, this, &frmSkin::showPreview);
}

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
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, &frmSkin::List1_ContextMenu);
    if (!m_previews)
        return;
    list->setIconSize({IconSide, IconSide});
    list->setItemDelegate(new PreviewRows(list));
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &frmSkin::requestVisiblePreviews);
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

void frmSkin::Form_Unload()
{
    m_requested.clear();
    if (!m_previews)
        return;
    m_previews->drop();
    m_previews->trimCache(cacheFolder());
}

void frmSkin::FillSkinList(const QStringList& folders)
{
    auto* list = control<QListWidget>("List1");
    list->clear();
    list->addItems(skinNames(m_platform.facts));
    // The label has room for one folder: the game's own. The player's is named where it is
    // looked for, and in the help documents.
    QWidget* label = control("Label3");
    setCaption(label, QCoreApplication::translate("SkinSelector", "Skins Folder: %1")
                          .arg(folders.front() + u'/'));
    QStringList lines;
    for (const QString& folder : folders)
        lines.append(folder + u'/');
    // A tooltip takes text that looks like markup for rich text, as a label would.
    label->setToolTip(
        Qt::convertFromPlainText(QCoreApplication::translate("SkinSelector", "Skins are read from:")
                                     + u'\n' + lines.join(u'\n'),
                                 Qt::WhiteSpaceNoWrap));
    if (!m_previews)
        return;
    m_previews->drop();
    m_requested.clear();
    // Once the window shows, when the rows in sight are known.
    QMetaObject::invokeMethod(this, &frmSkin::requestVisiblePreviews, Qt::QueuedConnection);
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
    setCaption(control("skinname"),
               QCoreApplication::translate("SkinSelector", "Skin Name: %1").arg(name));
    //: The window's title once a skin is chosen; %1 is the skin's name.
    setTitle(name.isEmpty()
                 ? QCoreApplication::translate("SkinSelector", "Skin Selector")
                 : QCoreApplication::translate("SkinSelector", "Skin Selector - %1").arg(name));
    setCaption(control("author"), QCoreApplication::translate("SkinSelector", "Author: %1")
                                      .arg(LoadSkin(info, QStringLiteral("Author"))));
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
    if (type == QEvent::ToolTip)
        return showPreviewTip(*static_cast<QHelpEvent*>(event));
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
            this, [this, path = *path] { installFrom(path); }, Qt::QueuedConnection);
    return true;
}

void frmSkin::installFrom(const QString& path)
{
    const QString title = QCoreApplication::translate("SkinSelector", "Kriel - Install Skin");
    const SkinInstall install = installSkin(path, m_platform.facts, [&](const QString& name) {
        return m_platform.dialogs.question(
            window(),
            //: "No" is the button of the standard question box that keeps the skin.
            QCoreApplication::translate("SkinSelector",
                                        "Your own skins already hold one called \"%1\". Replace "
                                        "it with the new one?\n\nNo keeps it, and installs the "
                                        "new one under another name.")
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

void frmSkin::List1_ContextMenu(const QPoint& at)
{
    auto* list = control<QListWidget>("List1");
    const QListWidgetItem* item = list->itemAt(at);
    const QString name = item ? item->text() : QString();
    auto* menu = new QMenu(window());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QCoreApplication::translate("SkinSelector", "Install Skin…"), this,
                    &frmSkin::installChosen);
    menu->addAction(QCoreApplication::translate("SkinSelector", "Open Skins Folder"), this,
                    &frmSkin::openOwnFolder)
        ->setEnabled(skinsFolders(m_platform.facts).size() > 1);
    menu->addAction(QCoreApplication::translate("SkinSelector", "Remove Skin"), this,
                    [this, name] { removeSkin(name); })
        ->setEnabled(isOwnSkin(name));
    menu->addAction(QCoreApplication::translate("SkinSelector", "Save Preview…"), this,
                    [this, name] { savePreview(name); })
        ->setEnabled(item && m_paint);
    menu->popup(list->viewport()->mapToGlobal(at));
}

void frmSkin::installChosen()
{
    const QString path = m_platform.dialogs.chooseFileOrFolder(
        window(), QCoreApplication::translate("SkinSelector", "Kriel - Install Skin"),
        QCoreApplication::translate("SkinSelector",
                                    "Skin archives (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)"));
    if (!path.isEmpty())
        installFrom(path);
}

void frmSkin::openOwnFolder()
{
    const QString own = skinsFolders(m_platform.facts).value(1);
    if (!own.isEmpty() && QDir().mkpath(own))
        m_platform.shell.open(QUrl::fromLocalFile(own));
}

bool frmSkin::isOwnSkin(const QString& name) const
{
    const QStringList folders = skinsFolders(m_platform.facts);
    const SkinLocation skin = locateSkin(name, m_platform.facts);
    return skin.found && folders.size() > 1 && skin.path == folders.back() + u'/' + name;
}

void frmSkin::removeSkin(const QString& name)
{
    const QString title = QCoreApplication::translate("SkinSelector", "Kriel - Remove Skin");
    if (!isOwnSkin(name)
        || !m_platform.dialogs.question(
            window(),
            QCoreApplication::translate(
                "SkinSelector",
                "Remove your skin \"%1\"? It goes to the desktop's trash, where there is one.")
                .arg(name),
            title))
        return;
    const QString path = locateSkin(name, m_platform.facts).path;
    if (!m_platform.shell.moveToTrash(path))
        m_platform.dialogs.message(
            window(),
            QCoreApplication::translate("SkinSelector", "%1 could not be removed.").arg(path),
            title);
    // A setting naming a skin that has gone would end the next game as it starts.
    else if (readSetting(m_platform.settings, SettingKeys::Skin) == name)
        writeSettings(m_platform.settings,
                      {{SettingKeys::Skin, QLatin1String(SettingKeys::Skin.restored)}});
    if (isLoaded())
        Form_Load();
}

void frmSkin::savePreview(const QString& name)
{
    const QString title = QCoreApplication::translate("SkinSelector", "Kriel - Save Preview");
    const StandardScreen screen;
    const SkinCheck check = checkSkin(locateSkin(name, m_platform.facts).path, screen);
    if (!check.ok) {
        m_platform.dialogs.message(
            window(),
            QCoreApplication::translate("SkinSelector", "The game cannot load this skin: %1.")
                .arg(check.report),
            title);
        return;
    }
    const QString path = m_platform.dialogs.chooseSaveFile(
        window(), title, name + QStringLiteral(".png"),
        QCoreApplication::translate("SkinSelector", "PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || !m_paint(check, PixelScale::of(screen)).save(&file, "PNG") || !file.commit())
        m_platform.dialogs.message(
            window(),
            QCoreApplication::translate("SkinSelector", "%1 could not be written.").arg(path),
            title);
}

QString frmSkin::cacheFolder() const
{
    const QString home = m_platform.facts.cacheHome();
    return home.isEmpty() ? QString() : home + QStringLiteral("/kriel/previews");
}

void frmSkin::requestVisiblePreviews()
{
    auto* list = control<QListWidget>("List1");
    if (!m_previews || !list)
        return;
    const QRect sight = list->viewport()->rect();
    const int first = std::max(0, list->indexAt(sight.topLeft()).row());
    const QModelIndex bottom = list->indexAt(sight.bottomLeft());
    const int last = bottom.isValid() ? bottom.row() : list->count() - 1;
    const QString cache = cacheFolder();
    for (int row = first; row <= last; ++row) {
        const QString name = list->item(row)->text();
        if (m_requested.contains(name))
            continue;
        m_requested.insert(name);
        m_previews->request(name, locateSkin(name, m_platform.facts).path, cache);
    }
}

void frmSkin::showPreview(const QString& name, const PreviewPicture& preview)
{
    auto* list = control<QListWidget>("List1");
    QListWidgetItem* item = list ? list->findItems(name, Qt::MatchExactly).value(0) : nullptr;
    if (!item)
        return;
    const bool refused = !preview.refusal.isEmpty();
    item->setIcon(refused ? brokenIcon() : previewIcon(preview.picture));
    item->setData(PreviewRole, refused ? QVariant(preview.refusal) : QVariant(preview.png));
}

// Qt takes a tooltip that looks like markup for rich text: the picture is a PNG the game made,
// and the refusal, which quotes the skin, is turned into markup as plain text.
bool frmSkin::showPreviewTip(const QHelpEvent& help)
{
    auto* list = control<QListWidget>("List1");
    const QListWidgetItem* item = list->itemAt(help.pos());
    const QVariant preview = item ? item->data(PreviewRole) : QVariant();
    if (!preview.isValid())
        return false;
    const QString tip =
        preview.typeId() == QMetaType::QByteArray
            ? QStringLiteral("<img src=\"data:image/png;base64,%1\">")
                  .arg(QLatin1String(preview.toByteArray().toBase64()))
            : Qt::convertFromPlainText(
                QCoreApplication::translate("SkinSelector", "The game cannot load this skin: %1.")
                    .arg(preview.toString()));
    QToolTip::showText(help.globalPos(), tip, list->viewport(), list->visualItemRect(item));
    return true;
}
