#pragma once

#include "layouts/Form.h"

// The skin selector: lists the skins of both skins folders, shows the Info of the one selected,
// and stores the chosen folder's name as the skin of the next game. A skin folder or archive
// dropped on the list is installed among the player's skins (SkinInstall.h) and selected.
class frmSkin final : public Form {
    Q_OBJECT
public:
    explicit frmSkin(Platform& platform);

    // One value of the selected skin's config.ini; "" with nothing selected.
    QString LoadSkin(const QString& Header, const QString& Variable) const;

protected:
    // Takes drops of one local file or folder on the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls() override;
    void Form_Load() override;

    void FillSkinList(const QStringList& folders);
    void List1_Click();
    void Command1_Click();  // Apply
    void websitetext_Click();
    void installDropped(const QString& path);
    QString selectedSkin() const;

    // The web address of the skin selected last; kept from one opening to the next.
    QString SkinWebSite;
};

// Only web addresses are opened for a skin: a skin may come from anyone, and any other address
// (a local program, a file) must not be started from it.
bool isWebAddress(const QString& address);
