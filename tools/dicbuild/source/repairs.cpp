#include "source/repairs.h"

#include "common/text.h"
#include "hindi/devanagari.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <utility>
#include <vector>

namespace tolvani::dicbuild {
namespace {

bool isDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || isDevanagariDigit(c.unicode());
}

// The vowel sign of an independent vowel; nullopt for those without one,
// U+0000 for अ, whose sign is the consonant's own vowel.
std::optional<char16_t> vowelSignOf(QChar vowel)
{
    static const QHash<char16_t, char16_t> signs{
        {kLetterA, 0},          {kLetterAa, kSignAa}, {kLetterI, kSignI},   {kLetterIi, kSignIi},
        {kLetterU, kSignU},     {kLetterUu, kSignUu}, {kLetterVocalicR, kSignVocalicR}, {kLetterE, kSignE},
        {kLetterAi, kSignAi},   {kLetterO, kSignO},   {kLetterAu, kSignAu},
    };
    if (const auto found = signs.constFind(vowel.unicode()); found != signs.cend())
        return *found;
    return std::nullopt;
}

bool takesNukta(QChar c)
{
    return QStringView(u"कखगजडढफ").contains(c);
}

// A sign of WX left inside a Devanagari word: "ह्zअसिया" (हँसिया), "ढ्Mग"
// (ढंग), "जZमानत" (ज़मानत). The converter wrote the consonant, a virama
// for the vowel it had not yet seen, the sign, and the vowel on its own.
QString fixWxSigns(QStringView text, RepairCounts &counts)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool afterConsonantVirama = out.size() >= 2 && out.back() == QChar(kVirama) && isDevanagariConsonant(out[out.size() - 2].unicode());
        if (c == u'z' && afterConsonantVirama && i + 1 < text.size()) {
            if (const std::optional<char16_t> sign = vowelSignOf(text[i + 1])) {
                out.chop(1);
                if (*sign)
                    out += QChar(*sign);
                out += QChar(kChandrabindu);
                ++i;
                counts.add(Repair::EncodingSignFixed);
                continue;
            }
        }
        if (c == u'M' && afterConsonantVirama && i + 1 < text.size() && isDevanagariConsonant(text[i + 1].unicode())) {
            out.chop(1);
            out += QChar(kAnusvara);
            counts.add(Repair::EncodingSignFixed);
            continue;
        }
        if ((c == kAnusvara || c == kChandrabindu) && out.size() >= 2 && (out.back() == u'~' || out.back() == u' ')
            && isDevanagariLetter(out[out.size() - 2])) {
            out.back() = c;
            counts.add(Repair::SignRejoined);
            continue;
        }
        if (c == u'Z' && !out.isEmpty() && takesNukta(out.back())) {
            out += QChar(kNukta);
            counts.add(Repair::EncodingSignFixed);
            continue;
        }
        out += c;
    }
    return out;
}

// Latin letters outside notes: WX words are converted, a single letter
// stuck to the end of a Hindi word is dropped, English words stay, and
// Latin letters inside a Hindi word leave no certain repair (nullopt).
std::optional<QString> fixLatin(QStringView text, RepairCounts &counts)
{
    QString out;
    int depth = 0;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (!isAsciiLetter(c)) {
            if (c == u'{' || c == u'[' || c == u'(')
                ++depth;
            else if ((c == u'}' || c == u']' || c == u')') && depth > 0)
                --depth;
            out += c;
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isAsciiLetter(text[end]))
            ++end;
        const QStringView run = text.sliced(i, end - i);
        const bool leftGlued = i > 0 && isDevanagariLetter(text[i - 1]);
        const bool rightGlued = end < text.size() && isDevanagariLetter(text[end]);
        if (depth > 0) {
            out += run;
        } else if (rightGlued || (leftGlued && run.size() > 1)) {
            return std::nullopt;
        } else if (leftGlued) {
            counts.add(Repair::StrayLetterDropped);
        } else if (const std::optional<QString> hindi = wxToDevanagari(run)) {
            out += *hindi;
            counts.add(Repair::EncodingConverted);
        } else {
            out += run;
        }
        i = end;
    }
    return out;
}

// Digits stuck to a Hindi word are keys typed by mistake (the bracket
// keys of Hindi keyboards give "९" and "०"): a lone one is dropped, a
// number gets a space, and one inside a word leaves no certain repair.
std::optional<QString> fixDigits(QStringView text, RepairCounts &counts)
{
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        if (!isDigit(text[i])) {
            out += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        const bool leftGlued = i > 0 && isDevanagariLetter(text[i - 1]);
        const bool rightGlued = end < text.size() && isDevanagariLetter(text[end]);
        // A lone digit opening the piece before a Hindi word is a sense
        // number written without its full stop ("3 प्रसन्नता").
        const bool senseNumber = i == 0 && end == 1 && end + 1 < text.size() && text[end] == u' '
                                 && isDevanagariLetter(text[end + 1]);
        if (leftGlued && rightGlued)
            return std::nullopt;
        if ((leftGlued || rightGlued || senseNumber) && end - i == 1) {
            counts.add(Repair::DigitDropped);
        } else if (leftGlued || rightGlued) {
            if (leftGlued)
                out += u' ';
            out += text.sliced(i, end - i);
            if (rightGlued)
                out += u' ';
            counts.add(Repair::DigitSpaced);
        } else {
            out += text.sliced(i, end - i);
        }
        i = end;
    }
    return out;
}

QString fixQuotes(QStringView text, RepairCounts &counts)
{
    QString out = text.toString();
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out[i];
        if (c == u'\u2018') {
            const qsizetype close = out.indexOf(QRegularExpression(QStringLiteral("['\u2019]")), i + 1);
            if (close > i + 1) {
                out[i] = u'\'';
                out[close] = u'\'';
                counts.add(Repair::QuoteStraightened);
                i = close;
                continue;
            }
        }
        if (c == u'\u2018' || c == u'\u2019' || c == u'\u201C' || c == u'\u201D') {
            out[i] = u' ';
            counts.add(Repair::QuoteDropped);
        }
    }
    return out;
}

// Notes in braces or brackets become " (note)"; a bracket never closed
// is dropped with what follows it, a stray closing one on its own.
QString fixBrackets(QStringView text, RepairCounts &counts)
{
    auto opens = [](QChar c) { return c == u'{' || c == u'[' || c == u'('; };
    auto closes = [](QChar c) { return c == u'}' || c == u']' || c == u')'; };
    std::vector<qsizetype> stack;
    std::vector<std::pair<qsizetype, qsizetype>> pairs;
    std::vector<qsizetype> strayClosers;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (opens(text[i])) {
            stack.push_back(i);
        } else if (closes(text[i])) {
            if (stack.empty()) {
                strayClosers.push_back(i);
            } else {
                pairs.emplace_back(stack.back(), i);
                stack.pop_back();
            }
        }
    }
    const qsizetype cut = stack.empty() ? text.size() : stack.front();
    if (!stack.empty())
        counts.add(Repair::BracketDropped);
    counts.add(Repair::BracketDropped, int(strayClosers.size()));

    QString out;
    for (qsizetype i = 0; i < cut; ++i) {
        const QChar c = text[i];
        if (std::find(strayClosers.begin(), strayClosers.end(), i) != strayClosers.end())
            continue;
        const auto pair = std::find_if(pairs.begin(), pairs.end(), [&](const auto &p) { return p.first == i || p.second == i; });
        if (pair == pairs.end() || pair->second > cut) {
            out += c;
            continue;
        }
        if (pair->first == i) {
            if (c != u'(')
                counts.add(Repair::Note);
            out += u" (";
        } else {
            out += u')';
            if (i + 1 < cut && (isDevanagariLetter(text[i + 1]) || isAsciiLetter(text[i + 1])))
                out += u' ';
        }
    }
    out.replace(QStringLiteral("( )"), QString()).replace(QStringLiteral("()"), QString());
    out.replace(u'~', u' ');
    out = out.simplified();
    out.replace(QStringLiteral("( "), QStringLiteral("(")).replace(QStringLiteral(" )"), QStringLiteral(")"));
    return out;
}

// A vowel sign, virama or nasal sign that begins a word belongs to no
// letter: the word was mangled ("पीछण~्डफौ").
bool hasOrphanSign(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool sign = isNasalSign(c) || c == kVisarga || isVowelSign(c) || c == kNukta || c == kVirama;
        if (sign && (i == 0 || !isDevanagariLetter(text[i - 1])))
            return true;
    }
    return false;
}

} // namespace

QString repairName(Repair kind)
{
    static const char *const names[kRepairKinds] = {
        "WX words written in Devanagari again",
        "WX signs inside Hindi words made the sign they stand for",
        "nasal signs split from their word joined again",
        "stray Latin letters dropped",
        "stray digits dropped",
        "numbers stuck to a word given a space",
        "curly quotes around a sign straightened",
        "stray curly quotes dropped",
        "unclosed or stray brackets dropped",
        "damaged meanings dropped",
        "notes in braces or brackets put in parentheses",
    };
    return QString::fromLatin1(names[int(kind)]);
}

std::optional<QString> wxToDevanagari(QStringView word)
{
    static const QHash<char16_t, char16_t> consonants{
        {u'k', u'क'}, {u'K', u'ख'}, {u'g', u'ग'}, {u'G', u'घ'}, {u'f', u'ङ'}, {u'c', u'च'}, {u'C', u'छ'},
        {u'j', u'ज'}, {u'J', u'झ'}, {u'F', u'ञ'}, {u't', u'ट'}, {u'T', u'ठ'}, {u'd', u'ड'}, {u'D', u'ढ'},
        {u'N', u'ण'}, {u'w', u'त'}, {u'W', u'थ'}, {u'x', u'द'}, {u'X', u'ध'}, {u'n', u'न'}, {u'p', u'प'},
        {u'P', u'फ'}, {u'b', u'ब'}, {u'B', u'भ'}, {u'm', u'म'}, {u'y', u'य'}, {u'r', u'र'}, {u'l', u'ल'},
        {u'v', u'व'}, {u'S', u'श'}, {u'R', u'ष'}, {u's', u'स'}, {u'h', u'ह'},
    };
    // vowel -> (independent vowel, vowel sign); the sign of "a" is none.
    static const QHash<char16_t, std::pair<char16_t, char16_t>> vowels{
        {u'a', {u'अ', 0}},      {u'A', {u'आ', u'ा'}}, {u'i', {u'इ', u'ि'}}, {u'I', {u'ई', u'ी'}},
        {u'u', {u'उ', u'ु'}},   {u'U', {u'ऊ', u'ू'}}, {u'q', {u'ऋ', u'ृ'}}, {u'e', {u'ए', u'े'}},
        {u'E', {u'ऐ', u'ै'}},   {u'o', {u'ओ', u'ो'}}, {u'O', {u'औ', u'ौ'}},
    };
    static const QHash<char16_t, char16_t> signs{{u'M', kAnusvara}, {u'z', kChandrabindu}, {u'H', kVisarga}};

    if (word.size() < 3 || !(vowels.contains(word.back().unicode()) || signs.contains(word.back().unicode())))
        return std::nullopt;
    const bool unEnglish = std::any_of(word.begin() + 1, word.end(), [](QChar c) { return c.isUpper(); })
                           || word.contains(u'q') || word.contains(u'w') || word.contains(u'x');
    if (!unEnglish)
        return std::nullopt;
    QString out;
    bool openConsonant = false; // a consonant still waiting for its vowel
    for (QChar c : word) {
        const char16_t u = c.unicode();
        if (const auto consonant = consonants.constFind(u); consonant != consonants.cend()) {
            if (openConsonant)
                out += QChar(kVirama);
            out += QChar(*consonant);
            openConsonant = true;
        } else if (const auto vowel = vowels.constFind(u); vowel != vowels.cend()) {
            if (!openConsonant)
                out += QChar(vowel->first);
            else if (vowel->second)
                out += QChar(vowel->second);
            openConsonant = false;
        } else if (u == u'Z' && openConsonant) {
            out += QChar(kNukta);
        } else if (const auto sign = signs.constFind(u); sign != signs.cend() && !openConsonant) {
            out += QChar(*sign);
        } else {
            return std::nullopt;
        }
    }
    return out;
}

QString repairMeaning(QStringView piece, RepairCounts &counts)
{
    RepairCounts local;
    QString text = fixWxSigns(piece, local);
    std::optional<QString> fixed = fixLatin(text, local);
    if (fixed)
        fixed = fixDigits(*fixed, local);
    if (!fixed || hasOrphanSign(*fixed)) {
        counts.add(Repair::PieceDropped);
        return {};
    }
    text = fixBrackets(fixQuotes(*fixed, local), local);
    if (std::none_of(text.begin(), text.end(), isDevanagariLetter)) {
        counts.add(Repair::PieceDropped);
        return {};
    }
    for (int kind = 0; kind < kRepairKinds; ++kind)
        counts.add(Repair(kind), local.count[std::size_t(kind)]);
    return text;
}

} // namespace tolvani::dicbuild
