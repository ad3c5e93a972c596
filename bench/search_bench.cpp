// The search runs on every keystroke: the scan over one letter's range,
// and the whole change handler with the entry it shows.

#include "allocationcount.h"
#include "lookup/search.h"
#include "store/dictionary.h"
#include "store/letterranges.h"
#include "support/sampledictionary.h"
#include "ui/dicfrm.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tolvani;
using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    QTemporaryDir folder;
    QString path = dictionaryPathIn(folder.path());
    LineTable lines;
    Fixture()
    {
        testdata::writeFile(path, testdata::makeSampleDictionary().fileText);
        lines = std::get<Dictionary>(loadDictionary(path)).lines;
    }
    QString word(qsizetype position) const { return displayWord(lines.lineBytes(position)); }
};

const Fixture &fixture()
{
    static const Fixture instance;
    return instance;
}

void scan(benchmark::State &state, const QString &text)
{
    const LineTable &lines = fixture().lines;
    const LetterRange range = *letterRange(text.first(1).toUpper());
    int found = -1;
    const auto allocationsBefore = bench::allocationCount();
    for (auto _ : state) {
        found = findByPrefix(lines, range.start, range.end, text);
        benchmark::DoNotOptimize(found);
    }
    const double iterations = double(state.iterations());
    const double allocations = double(bench::allocationCount() - allocationsBefore);
    const double positions = double((found < 0 ? range.end : found) - range.start + 1);
    state.counters["allocs/search"] = allocations / iterations;
    state.counters["allocs/position"] = allocations / iterations / positions;
    state.counters["positions"] = positions;
}

// S has the longest range; a text that matches nothing reads all of it.
void BM_ScanLongestRangeWithoutMatch(benchmark::State &state)
{
    scan(state, u"sqqqqq"_s);
}
BENCHMARK(BM_ScanLongestRangeWithoutMatch)->Unit(benchmark::kMicrosecond);

// Z's range runs one past the end of the list.
void BM_ScanZPastTheEnd(benchmark::State &state)
{
    scan(state, u"zqqqqq"_s);
}
BENCHMARK(BM_ScanZPastTheEnd)->Unit(benchmark::kMicrosecond);

// A word in the middle of its letter's range.
void BM_ScanTypicalHit(benchmark::State &state)
{
    const LetterRange range = *letterRange(u"M");
    scan(state, fixture().word((range.start + range.end) / 2).toLower());
}
BENCHMARK(BM_ScanTypicalHit)->Unit(benchmark::kMicrosecond);

// The whole change handler as a keystroke runs it, alternating between two
// words so every run selects a new position and shows its entry.
void BM_Text1ChangeWithEntryShown(benchmark::State &state)
{
    DicFrm window(fixture().path);
    auto *text1 = window.findChild<QLineEdit *>(u"Text1"_s);
    const QString texts[] = {fixture().word(12000).toLower(), fixture().word(12900).toLower()};
    int turn = 0;
    for (auto _ : state) {
        text1->setText(texts[turn]);
        turn ^= 1;
    }
}
BENCHMARK(BM_Text1ChangeWithEntryShown)->Unit(benchmark::kMicrosecond);

} // namespace
