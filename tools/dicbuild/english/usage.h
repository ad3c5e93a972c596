#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tolvani::dicbuild {

class Lemmatizer;

// How often English speakers use a word: the SUBTLEX-US counts of word
// forms (film and television subtitles), each form counted for its lemma,
// so that "says", "said" and "saying" count for "say".
class UsageFrequencies {
public:
    // "form<TAB>count" lines, lower-case; lines beginning with # are comments.
    void addForms(QByteArrayView table);
    // Reads such a table; throws std::runtime_error if it cannot.
    void load(const QString &path);

    // Adds every form's count to its lemma (see Lemmatizer). A form that
    // WordNet has as a lemma of its own stays one when its base is far
    // rarer ("physics", not "physic"; "clothes", not "clothe"), while
    // "things" and "wanted" go to "thing" and "want"; so do the words that
    // only look inflected ("evening").
    void countLemmas(const Lemmatizer &lemmatizer, const QStringList &notInflected = {});

    // Another spelling that counts as the same word ("colour" for "color").
    void addVariant(const QString &word, const QString &other);

    QString lemmaOf(const QString &form) const;

    // A headword's count: that of its lemma, or its own as a form when
    // that is higher ("left" the adjective, whose form goes to "leave"),
    // and the higher of its two spellings. Case is ignored; a phrase is 0.
    qint64 of(QStringView headword) const;

    // The n lemmas used most, most frequent first, ties alphabetically.
    QStringList topLemmas(int n) const;

private:
    qint64 ownCount(const QString &word) const;
    QHash<QString, qint64> forms_;
    QHash<QString, QString> lemmaOfForm_;
    QHash<QString, qint64> lemmas_;
    QHash<QString, QString> variants_;
};

} // namespace tolvani::dicbuild
