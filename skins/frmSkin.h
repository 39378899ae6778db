#pragma once

#include "layouts/Form.h"
#include "skins/PreviewCache.h"

#include <QSet>

class PreviewQueue;
class QHelpEvent;

// The skin selector: lists the skins of both skins folders, shows the Info of the one selected,
// and stores the chosen folder's name as the skin of the next game. A skin folder or archive
// dropped on the list is installed among the player's skins (SkinInstall.h) and selected; the
// list's context menu installs one too, opens the player's skins folder, removes a skin of the
// player's and saves a skin's preview.
//
// With a painter, each entry shows a preview of its skin as it comes in from the preview threads
// (PreviewQueue.h), the rows in sight first, and a larger one as its tooltip; a skin the game
// refuses shows a broken mark, and the refusal as its tooltip. Previews are cached in the cache
// home's kriel/previews. Without one, the list holds the names alone.
class frmSkin final : public Form {
    Q_OBJECT
public:
    explicit frmSkin(Platform& platform, PlayWindowPainter paint = {});

    // One value of the selected skin's config.ini; "" with nothing selected.
    QString LoadSkin(const QString& Header, const QString& Variable) const;

protected:
    // Takes drops of one local file or folder on the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls() override;
    void Form_Load() override;
    void Form_Unload() override;

    void FillSkinList(const QStringList& folders);
    void List1_Click();
    void List1_ContextMenu(const QPoint& at);
    void Command1_Click();  // Apply
    void websitetext_Click();
    void installFrom(const QString& path);
    void installChosen();
    void openOwnFolder();
    void removeSkin(const QString& name);
    void savePreview(const QString& name);
    QString selectedSkin() const;
    bool isOwnSkin(const QString& name) const;

    void requestVisiblePreviews();
    void showPreview(const QString& name, const PreviewPicture& preview);
    bool showPreviewTip(const QHelpEvent& help);
    QString cacheFolder() const;

    // The web address of the skin selected last; kept from one opening to the next.
    QString SkinWebSite;
    const PlayWindowPainter m_paint;
    PreviewQueue* m_previews = nullptr;  // none without a painter
    QSet<QString> m_requested;           // the skins of this listing whose previews are asked for
};

// Only web addresses are opened for a skin: a skin may come from anyone, and any other address
// (a local program, a file) must not be started from it.
bool isWebAddress(const QString& address);
