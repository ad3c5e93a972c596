#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>

namespace tolvani::dicbuild {

// The rules that take their words from data/exceptions.tsv, by stage;
// data/README.md says what each does with them.
enum class ExceptionRule {
    // hindi: how a word splits into parts
    Prefix,             // a Sanskrit or Hindi prefix: अ-सफल
    PersianPrefix,      // a prefix that never keeps its a at the seam: गैर-हाज़िरी
    Suffix,             // a suffix or final member: सुविधा-जनक
    PlainStemSuffix,    // a suffix that only a plain syllable reads into its stem: अकल्पनीय
    JoinedPostposition, // a postposition the source writes joined to its word
    VowelMember,        // a member opening with a or aa, which joins the stem's a: भोजन-आलय
    OneWord,            // read as one though it looks like stem and member: मूसलाधार
    SeparateMember,     // a member read apart wherever it stands: अर्थ-शास्त्र
    SeparateFinalMember, // a member read apart at the end of a word: अमूर्ति-करण
    LightVerb,          // a verb that makes a verb of the word before it: इंटरव्यू लेना
    Member,             // a member of compounds the source never writes alone: नमक-हराम
    // hindi: where the inherent a is said
    ShortForm,          // a noun in -रण, -मन, -लन, -तन said short: जागरण, jagran
    KeepsEveryA,        // a part said with every inherent a: आवली, avali
    PersianWord,        // a Persian or Arabic word written without a nukta: उम्र, umr
    // english
    NotInflected,       // a word that only looks like a form of another: evening
    // detectors
    NounInNa,           // a romanized noun that ends like an infinitive: khana
    VerbStem,           // a romanized verb stem the source writes after its noun: prayog kar
};
inline constexpr int kExceptionRules = int(ExceptionRule::VerbStem) + 1;

// The words each rule treats apart, one row per word with its rule and
// the reason (data/exceptions.tsv, header "word rule reason").
class ExceptionWords {
public:
    // Throws std::runtime_error for a malformed row, an unknown rule, a
    // row without a word or a reason, or a word its rule already has.
    void addTable(QByteArrayView table, const QString &name);

    // The rule's words, in the table's order.
    const QStringList &of(ExceptionRule rule) const { return words_[std::size_t(rule)]; }

    // The name the table's rule column gives the rule ("persian-prefix").
    static QString ruleName(ExceptionRule rule);

private:
    std::array<QStringList, kExceptionRules> words_;
};

} // namespace tolvani::dicbuild
