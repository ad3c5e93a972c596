#include "entry.h"

#include "lookup/wordtypes.h"
#include "platform/strings.h"

namespace tolvani {

namespace {
enum Field { Headword = 0, TypeCode = 1, Meaning = 2, Example = 3 };
}

QStringList splitFields(QStringView line)
{
    return split(line, u"||");
}

QStringList lastLineFields(const LineTable &lines)
{
    return lines.isEmpty() ? QStringList() : splitFields(lines.line(lines.size() - 1));
}

QString copyCaption(QStringView displayWord)
{
    QString caption = QStringLiteral("Copy \"");
    caption += displayWord;
    caption += u'"';
    return caption;
}

EntryView presentEntry(const QStringList &fields, QStringView displayWord)
{
    EntryView view;
    if (fields.size() > Meaning)
        view.meaning = properCase(fields[Meaning]);
    if (fields.size() > Example)
        view.example = fields[Example];
    if (fields.size() > TypeCode) {
        if (const auto name = wordTypeName(fields[TypeCode]))
            view.typeName = name->toString();
    }
    view.copyCaption = copyCaption(displayWord);
    return view;
}

} // namespace tolvani
