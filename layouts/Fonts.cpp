#include "Fonts.h"

#include <algorithm>
#include <cmath>

static void substituteOnce()
{
    static const bool done = [] {
        // The dialogs were drawn with this face; a clean sans serif of about its width keeps the
        // captions inside their controls.
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(done);
}

QFont layoutFont(const FontSpec& wanted, float twipsPerPixel)
{
    substituteOnce();
    QFont font(wanted.face);
    font.setPixelSize(std::max(1, int(std::lround(wanted.pointSize * 20 / twipsPerPixel))));
    font.setBold(wanted.bold);
    return font;
}

FontSpec defaultDialogFont()
{
    return {QStringLiteral("MS Sans Serif"), 8.25f, false};
}
