#pragma once

#include <QStringList>
#include <QStringView>

namespace tolvani::dicbuild {

class ExceptionWords;

// The words the Hindi rules treat apart, each list from its rule's rows of
// data/exceptions.tsv (see ExceptionRule). Empty lists treat no word apart.
struct HindiWordLists {
    QStringList prefixes;             // read as a part before a word: अ-सफल
    QStringList persianPrefixes;      // prefixes too, that never keep their a at the seam: गैर-हाज़िरी
    QStringList suffixes;             // suffixes and final members: सुविधा-जनक
    QStringList plainStemSuffixes;    // suffixes too, read into a stem that ends in a plain syllable
    QStringList joinedPostpositions;  // written joined to the word before them
    QStringList vowelMembers;         // members opening with a or aa, which join the stem's a: भोजन-आलय
    QStringList oneWords;             // read as one though they look like stem and member: मूसलाधार
    QStringList separateMembers;      // read apart wherever they stand: अर्थ-शास्त्र
    QStringList separateFinalMembers; // read apart at the end of a word: अमूर्ति-करण
    QStringList lightVerbs;           // make a verb of the word before them: इंटरव्यू लेना
    QStringList members;              // members of compounds the source never writes alone: नमक-हराम
    QStringList shortForms;           // nouns in -रण, -मन, -लन, -तन said short: jagran
    QStringList keepEveryA;           // parts said with every inherent a: avali
    QStringList persianWords;         // Persian or Arabic words written without a nukta: umr

    static HindiWordLists from(const ExceptionWords &table);

    bool isPrefix(QStringView part) const { return prefixes.contains(part) || persianPrefixes.contains(part); }
    bool isPersianPrefix(QStringView part) const { return persianPrefixes.contains(part); }
    // A suffix or final member of the lists; see also isSuffix.
    bool isListedSuffix(QStringView part) const
    {
        return suffixes.contains(part) || plainStemSuffixes.contains(part);
    }
};

} // namespace tolvani::dicbuild
