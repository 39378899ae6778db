// Writes two high-score records in turn for ever, through the game's own store, so that a test
// can kill it at any moment. Says "writing" once the first record is on disk.

#include "menus/HighScoreRecord.h"
#include "platform/QtSettingsStore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QtSettingsStore store;
    for (long i = 0;; ++i) {
        const bool ann = i % 2 == 0;
        writeRecord(store, ann ? "Ann" : "Bob", ann ? "100" : "200", ann ? "Easy" : "Hard");
        if (i == 0) {
            std::puts("writing");
            std::fflush(stdout);
        }
    }
}
