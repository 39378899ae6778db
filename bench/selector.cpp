// The skin selector opened over the game's skins and 1,000 of the player's, copies of Default:
// the milliseconds until its names are listed, with previews and without (the list as it was
// before it had any), and until every preview in sight is drawn, with an empty cache and with the
// cache the drawing left. Prints the medians of RUNS interleaved runs as one JSON line.
//
//   kriel_selector [RUNS]

#include "engine/SkinPreview.h"
#include "skins/SkinFolders.h"
#include "skins/frmSkin.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <unistd.h>
#include <vector>

namespace {

constexpr int PlayerSkins = 1000;

// Hard links for the large bitmap: a thousand copies would take half a gigabyte.
bool copySkins(const QString& from, const QString& into)
{
    for (int i = 1; i <= PlayerSkins; ++i) {
        const QString skin = into + QStringLiteral("/Copy %1").arg(i, 4, 10, QChar(u'0'));
        if (!QDir().mkpath(skin))
            return false;
        for (const char* name : {"skin.bmp", "food.gif", "config.ini"}) {
            const QString source = from + u'/' + QLatin1String(name);
            const QString copy = skin + u'/' + QLatin1String(name);
            if (::link(qPrintable(source), qPrintable(copy)) != 0 && !QFile::copy(source, copy))
                return false;
        }
    }
    return true;
}

bool previewsInSight(QListWidget* list)
{
    const QRect sight = list->viewport()->rect();
    const int first = std::max(0, list->indexAt(sight.topLeft()).row());
    const QModelIndex bottom = list->indexAt(sight.bottomLeft());
    const int last = bottom.isValid() ? bottom.row() : list->count() - 1;
    for (int row = first; row <= last; ++row)
        if (list->item(row)->icon().isNull())
            return false;
    return true;
}

// Milliseconds from opening `form` until its names are listed and, with previews, until those
// in sight are drawn.
std::pair<double, double> open(frmSkin& form, bool previews)
{
    QElapsedTimer clock;
    clock.start();
    form.Show();
    QCoreApplication::processEvents();
    const double listed = clock.nsecsElapsed() / 1e6;
    auto* list = form.control<QListWidget>(QStringLiteral("List1"));
    while (previews && !previewsInSight(list))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double drawn = clock.nsecsElapsed() / 1e6;
    form.Unload();
    QCoreApplication::processEvents();
    return {listed, drawn};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    // In the build folder, on the file system of the skins it links to.
    QTemporaryDir home(QStringLiteral(KRIEL_PROGRAM_FOLDER "/selector-bench-XXXXXX"));
    FakePlatform fake;
    fake.facts.folder = QStringLiteral(KRIEL_PROGRAM_FOLDER);
    fake.facts.playerData = home.path();
    fake.facts.playerCache = home.filePath(QStringLiteral("cache"));
    if (!copySkins(fake.facts.folder + QStringLiteral("/Skins/Default"),
                   home.filePath(QStringLiteral("kriel/Skins")))) {
        std::fputs("kriel_selector: could not make the player's skins\n", stderr);
        return 1;
    }
    frmSkin plain(fake.platform);
    frmSkin previews(fake.platform, [](const SkinCheck& skin, const PixelScale& scale) {
        return renderPlayWindow(previewBoard(skin.board), skin.look, skin.outline, scale);
    });

    std::map<const char*, std::vector<double>> found;
    open(plain, false);  // the fonts and the style's first use
    for (int run = 0; run < runs; ++run) {
        found["names_off_ms"].push_back(open(plain, false).first);
        QDir(fake.facts.playerCache).removeRecursively();
        const auto [listed, cold] = open(previews, true);
        found["names_on_ms"].push_back(listed);
        found["cold_ms"].push_back(cold);
        found["cached_ms"].push_back(open(previews, true).second);
    }
    std::printf("{\"skins\": %lld", qint64(skinNames(fake.facts).size()));
    for (const auto& [key, values] : found)
        std::printf(", \"%s\": %.2f", key, median(values));
    std::printf("}\n");
    return 0;
}
