#include "platform/OpenWindows.h"

#include <QCoreApplication>
#include <QTest>

class TestOpenWindows : public QObject {
    Q_OBJECT

private slots:
    // 'L' loads a window, 'U' unloads one, '.' returns from the handler and runs pending events.
    void programEndsOnlyWhenNoWindowIsLeftAfterTheHandler()
    {
        const std::pair<QString, int> scripts[] = {
            {"LU", 0},      // not before the handler returns
            {"LLU.", 0},    // one window is left
            {"LUL.", 0},    // a window hands over to the next
            {"LUL.U.", 1},  // and that one closes later
            {"LULU.", 1},   // two handovers, then none
        };
        for (const auto& [script, quits] : scripts) {
            int quitCalls = 0;
            OpenWindows windows([&] { ++quitCalls; });
            for (const QChar step : script) {
                if (step == 'L')
                    windows.loaded();
                else if (step == 'U')
                    windows.unloaded();
                else
                    QCoreApplication::processEvents();
            }
            QVERIFY2(quitCalls == quits, qPrintable(script));
        }
    }
};

QTEST_GUILESS_MAIN(TestOpenWindows)
#include "tst_openwindows.moc"
