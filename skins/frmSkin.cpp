#include "frmSkin.h"

#include "menus/SettingKeys.h"
#include "platform/IniReader.h"
#include "platform/Platform.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>

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
    connect(control<QListWidget>("List1"), &QListWidget::currentRowChanged, this,
            &frmSkin::List1_Click);
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this,
            &frmSkin::Command1_Click);
    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, &frmSkin::Unload);
    connect(control<QPushButton>("Command3"), &QPushButton::clicked, this, &frmSkin::Form_Load);
    connect(control<LinkBox>("websitetext"), &LinkBox::clicked, this, &frmSkin::websitetext_Click);
}

void frmSkin::Form_Load()
{
    FillSkinList(m_platform.facts.programFolder() + QStringLiteral("/Skins/"));

    auto* list = control<QListWidget>("List1");
    const QString current = readSetting(m_platform.settings, SettingKeys::Skin);
    const QList<QListWidgetItem*> matches = list->findItems(current, Qt::MatchExactly);
    if (!matches.isEmpty())
        list->setCurrentItem(matches.front());
}

void frmSkin::FillSkinList(const QString& skinsFolder)
{
    auto* list = control<QListWidget>("List1");
    list->clear();
    // The folders alone, in an order that does not depend on the file system.
    const QStringList folders =
        QDir(skinsFolder)
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    list->addItems(folders);
    setCaption(control("Label3"), QStringLiteral("Skins Folder: ") + skinsFolder);
}

QString frmSkin::selectedSkin() const
{
    const QListWidgetItem* item = control<QListWidget>("List1")->currentItem();
    return item ? item->text() : QString();
}

QString frmSkin::LoadSkin(const QString& Header, const QString& Variable) const
{
    return readIniValue(m_platform.facts.programFolder() + QStringLiteral("/Skins/")
                            + selectedSkin() + QStringLiteral("/config.ini"),
                        Header, Variable);
}

void frmSkin::List1_Click()
{
    const QString info = QStringLiteral("Info");
    const QString name = LoadSkin(info, QStringLiteral("Name"));
    setCaption(control("skinname"), QStringLiteral("Skin Name: ") + name);
    window()->setWindowTitle(name.isEmpty() ? QStringLiteral("Skin Selector")
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
        writeSetting(m_platform.settings, SettingKeys::Skin, selectedSkin());
    Unload();
}

void frmSkin::websitetext_Click()
{
    if (isWebAddress(SkinWebSite))
        m_platform.shell.open(QUrl(SkinWebSite.trimmed()));
}
