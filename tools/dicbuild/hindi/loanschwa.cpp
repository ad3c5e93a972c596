#include "hindi/loanschwa.h"

#include "hindi/vocabulary.h"

#include <algorithm>
#include <map>

namespace tolvani::dicbuild {
namespace {

using Vowel = Syllable::Vowel;

bool isEnglishVowel(QChar c)
{
    return QStringView(u"aeiouy").contains(c.toLower());
}

// An l that English writes before a silent e and a consonant is said with
// the vowel before it: rattlesnake is raital-snek, tablespoon tebal-spun.
bool isSyllabicL(QStringView english, const std::vector<OutlineLetter> &spelled, std::size_t j)
{
    if (j == 0 || j + 1 >= spelled.size() || spelled[j].letter != u'l')
        return false;
    const qsizetype e = spelled[j].last + 1;
    return spelled[j - 1].last + 1 == spelled[j].first && english[e].toLower() == u'e' && spelled[j + 1].first == e + 1;
}

// Whether English says a vowel between outline letters i and i + 1.
bool spelledVowelAfter(QStringView english, const std::vector<OutlineLetter> &spelled, std::size_t i)
{
    if (isSyllabicL(english, spelled, i + 1))
        return true;
    const QStringView between = english.sliced(spelled[i].last + 1, spelled[i + 1].first - spelled[i].last - 1);
    return !isSyllabicL(english, spelled, i) && std::any_of(between.begin(), between.end(), isEnglishVowel);
}

} // namespace

void placeSchwasAsSpelled(std::vector<Syllable> &syllables, QStringView english)
{
    // The consonants of the Hindi word in Latin letters, each letter marked
    // with its syllable; the a's are left out, as the outline skips vowels.
    QString latin;
    std::vector<std::size_t> syllableOf;
    std::vector<qsizetype> lastOnsetChar(syllables.size(), -1);
    for (std::size_t k = 0; k < syllables.size(); ++k) {
        const Syllable &s = syllables[k];
        for (const Consonant &c : s.onset) {
            latin += consonantText(c);
            syllableOf.resize(latin.size(), k);
        }
        lastOnsetChar[k] = s.onset.empty() ? -1 : latin.size() - 1;
        if (s.nasal) {
            latin += isLabial(k + 1 < syllables.size() ? &syllables[k + 1] : nullptr) ? u'm' : u'n';
            syllableOf.resize(latin.size(), k);
        }
    }
    const std::vector<OutlineLetter> hindi = consonantOutline(latin);
    const std::vector<OutlineLetter> spelled = consonantOutline(english);
    if (!sameOutline(hindi, spelled))
        return;
    // Each syllable's a, decided by the vowels after the last letter of its
    // onset that the outline keeps (the s of sh).
    std::map<std::size_t, bool> placed;
    for (std::size_t i = 0; i + 1 < hindi.size(); ++i) {
        const std::size_t k = syllableOf[hindi[i].last];
        const Syllable &s = syllables[k];
        if (hindi[i].last > lastOnsetChar[k] || hindi[i + 1].first <= lastOnsetChar[k] || !s.schwaDeletable()
            || k + 1 == syllables.size() || syllableOf[hindi[i + 1].first] == k)
            continue;
        const bool vowel = spelledVowelAfter(english, spelled, i);
        // Speech never drops the a of the first syllable: पलटन is paltan
        // (platoon).
        if (k == 0 && !vowel)
            return;
        placed[k] = vowel;
    }
    // Nor one that would close a syllable with two consonants: जंगल is
    // jangal (jungle), बोतल botal; but गैंगस्टर gaingstar, as the a of स्ट is
    // said.
    auto soundedAfter = [&](std::size_t k) {
        const auto found = placed.find(k);
        return found != placed.end() ? found->second : syllables[k].sounded();
    };
    std::erase_if(placed, [&](const auto &entry) { return !entry.second && !soundedAfter(entry.first + 1); });
    int spoken = 0;
    int written = 0;
    for (const auto &[k, keeps] : placed) {
        spoken += syllables[k].keepSchwa ? 1 : 0;
        written += keeps ? 1 : 0;
    }
    if (written > spoken)
        return;
    for (const auto &[k, keeps] : placed)
        syllables[k].keepSchwa = keeps;
    // A syllable the outline does not decide (the y of हेयर) says its a
    // again before one that lost it: heyar-stail, not heyr-stail.
    for (std::size_t k = 1; k + 1 < syllables.size(); ++k) {
        Syllable &s = syllables[k];
        const Syllable &next = syllables[k + 1];
        const bool beforeClosed = next.kind == Vowel::Inherent && !next.keepSchwa;
        if (!placed.contains(k) && s.schwaDeletable() && !s.keepSchwa && beforeClosed)
            s.keepSchwa = true;
    }
}

} // namespace tolvani::dicbuild
