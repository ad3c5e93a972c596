#include "sampledictionary.h"

#include "store/letterranges.h"

#include <QFile>

#include <algorithm>
#include <random>
#include <set>
#include <stdexcept>
#include <string>

namespace tolvani::testdata {
namespace {

constexpr const char *kCodes[] = {"n", "vt", "a", "adv", "vi", "prep", "idm", "phrv"};

std::string randomTail(std::mt19937 &random, int length)
{
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string tail;
    for (int i = 0; i < length; ++i)
        tail.push_back(char(letter(random)));
    return tail;
}

} // namespace

SampleDictionary makeSampleDictionary(int lineCount, unsigned seed, const QStringList &words)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> length(2, 11);
    SampleDictionary sample;
    const std::array<int, 26> counts = letterLineCounts();
    int position = 0;
    int letterEnd = 0; // one past the last line of the letter's range
    for (char letter = 'A'; letter <= 'Z' && position < lineCount; ++letter) {
        if (counts[letter - 'A'] == 0)
            continue; // X has no lines of its own
        letterEnd += counts[letter - 'A'];
        const int quota = std::min(letterEnd, lineCount) - position;
        std::set<std::string> chosen;
        std::set<std::string> reserved; // made-up words stay clear of the real ones
        for (const QString &word : words) {
            if (word.startsWith(QChar(char16_t(letter + 32)))) {
                chosen.insert(word.toStdString());
                reserved.insert(word.first(2).toStdString());
            }
        }
        while (int(chosen.size()) < quota) {
            const std::string candidate = char(letter + 32) + randomTail(random, length(random));
            if (!reserved.contains(candidate.substr(0, 2)))
                chosen.insert(candidate);
        }
        for (const std::string &word : chosen) {
            const QString headword = QString::fromLatin1(word);
            sample.headwords.append(headword);
            const std::string line = word + "||" + kCodes[position % std::size(kCodes)]
                    + "||ek " + randomTail(random, 5) + " shabd||The " + word + " is here.\r\n";
            sample.fileText.append(line.data(), qsizetype(line.size()));
            ++position;
        }
    }
    return sample;
}

void writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace tolvani::testdata
