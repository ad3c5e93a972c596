// Memory that the About window leaves behind. It is made afresh for every
// showing, so whatever one showing adds and never gives back grows with
// each press of "About".

#include "platform/fonts.h"
#include "store/dictionary.h"
#include "support/sampledictionary.h"
#include "ui/controls.h"
#include "ui/dicfrm.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace tolvani;
using namespace Qt::StringLiterals;

namespace {

constexpr double kBudgetKiB = 512; // for 200 showings

// Resident memory of the whole process, in KiB.
double residentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble();
    }
    return 0;
}

// Presses "About", draws the window as the screen would (drawing is what
// fills the style's caches) and presses "Thanks".
void showAbout(QPushButton *aboutButton)
{
    QTimer::singleShot(0, [] {
        QWidget *window = QApplication::activeModalWidget();
        window->grab();
        window->findChild<QPushButton *>(u"Command1"_s)->click();
    });
    aboutButton->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_AboutShowings(benchmark::State &state)
{
    installFontSubstitutes();
    useAsDefaultFont(defaultControlFont());
    QTemporaryDir folder;
    const QString path = dictionaryPathIn(folder.path());
    testdata::writeFile(path, testdata::makeSampleDictionary(500).fileText);
    DicFrm window(path);
    window.show();
    auto *aboutButton = window.findChild<QPushButton *>(u"Command2"_s);

    // The first showings load the fonts and fill the caches that any
    // window needs once.
    for (int i = 0; i < 10; ++i)
        showAbout(aboutButton);
    const double before = residentKiB();
    for (auto _ : state)
        showAbout(aboutButton);
    const double growth = residentKiB() - before;
    state.counters["rss_growth_KiB"] = growth;
    state.counters["KiB_per_showing"] = growth / double(state.iterations());
    if (growth > kBudgetKiB * double(state.iterations()) / 200)
        state.SetLabel("OVER BUDGET");
}
BENCHMARK(BM_AboutShowings)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace
