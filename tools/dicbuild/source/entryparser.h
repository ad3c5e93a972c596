#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace tolvani::dicbuild {

// One article of the source as written: a header line
// "headword /pronunciation/ <Category>", numbered senses of Hindi
// meanings, and example sentences indented and quoted beneath them.
struct SourceEntry {
    QString headword;
    QString category;
    QStringList senses;   // the text after each "1. ", "2. ", ...
    QStringList examples; // quotes and surrounding blanks stripped
    int recoveredSenses = 0; // sense lines found among the examples
};

// A numbered sense that the source hid among the examples, as a line
// "--"2.धार"" beneath the example of the sense before it, goes into the
// senses. Nullopt when the header has no <Category>.
std::optional<SourceEntry> parseEntry(QStringView article);

// The article's own entry followed by those written into its examples as
// rows of quoted fields (""aggressive","Adj","1.आक्रामक""), each with the
// lines that follow it; empty when the header has no <Category>.
std::vector<SourceEntry> parseArticle(QStringView article);

// The headword as the dictionary shows it: the source's joiners "_" and
// "~" become spaces and blanks are collapsed. Nullopt unless it starts
// with a letter and holds only letters, spaces, hyphens, apostrophes and
// full stops; alternatives ("tire/tyre"), notes in brackets and damaged
// text are left out.
//   cleanHeadword(u"watch_dog")  => "watch dog"
//   cleanHeadword(u"tire/tyre")  => nullopt
std::optional<QString> cleanHeadword(QStringView headword);

// The meanings of one sense, split at the commas that are not inside
// brackets. Pieces without any Devanagari letter (a lost "?", English
// text in the wrong place) are dropped; "_" joins words like "~".
//   meaningPieces(u"वास्तव~में, वस्तुत:") => {"वास्तव~में", "वस्तुत:"}
//   meaningPieces(u"उकसाना{बुरे, काम}")   => {"उकसाना{बुरे, काम}"}
QStringList meaningPieces(QStringView sense);

// The text's pieces between the commas that are not inside brackets.
//   splitOutsideBrackets(u"ghar, makan (bada, pakka)") => {"ghar", " makan (bada, pakka)"}
QList<QStringView> splitOutsideBrackets(QStringView text);

} // namespace tolvani::dicbuild
