// Start-up work on a 15,500-line dictionary: reading and splitting the
// file, and filling the word list.

#include "store/dictionary.h"
#include "support/sampledictionary.h"
#include "ui/wordlist.h"

#include <QTemporaryDir>


#include <benchmark/benchmark.h>

using namespace tolvani;

namespace {

struct DictionaryFile {
    QTemporaryDir folder;
    QString path = dictionaryPathIn(folder.path());
    DictionaryFile() { testdata::writeFile(path, testdata::makeSampleDictionary().fileText); }
};

const DictionaryFile &dictionaryFile()
{
    static const DictionaryFile file;
    return file;
}

Dictionary load()
{
    return std::get<Dictionary>(loadDictionary(dictionaryFile().path));
}

void BM_ReadAndSplit(benchmark::State &state)
{
    for (auto _ : state) {
        Dictionary dictionary = load();
        benchmark::DoNotOptimize(dictionary.lines.size());
    }
    state.counters["lines"] = double(load().lines.size());
}
BENCHMARK(BM_ReadAndSplit)->Unit(benchmark::kMillisecond);

// Rows are placed in batches: the first before the window shows, the rest
// on later turns of the event loop. Filling places every row here, as
// scrolling to the last one does, so the figures hold the whole work.
void placeEveryRow(WordList &list)
{
    list.doItemsLayout();
    list.scrollTo(list.model()->index(list.model()->rowCount() - 1, 0));
}

void BM_FillWordList(benchmark::State &state)
{
    const LineTable lines = load().lines;
    WordList list;
    list.resize(152, 212);
    list.show();
    for (auto _ : state) {
        list.setLines(lines);
        list.setSelectedIndex(0);
        placeEveryRow(list);
        benchmark::DoNotOptimize(list.selectedIndex());
    }
}
BENCHMARK(BM_FillWordList)->Unit(benchmark::kMillisecond);

// What a new list does before its window first shows: the first batch.
void BM_FillWordListBeforeFirstPaint(benchmark::State &state)
{
    const LineTable lines = load().lines;
    for (auto _ : state) {
        WordList list;
        list.resize(152, 212);
        list.setLines(lines);
        list.setSelectedIndex(0);
        list.doItemsLayout();
        benchmark::DoNotOptimize(list.selectedIndex());
    }
}
BENCHMARK(BM_FillWordListBeforeFirstPaint)->Unit(benchmark::kMillisecond);

void BM_LoadAndFill(benchmark::State &state)
{
    WordList list;
    list.resize(152, 212);
    list.show();
    for (auto _ : state) {
        Dictionary dictionary = load();
        list.setLines(dictionary.lines);
        list.setSelectedIndex(0);
        placeEveryRow(list);
        benchmark::DoNotOptimize(list.selectedIndex());
    }
}
BENCHMARK(BM_LoadAndFill)->Unit(benchmark::kMillisecond);

} // namespace
