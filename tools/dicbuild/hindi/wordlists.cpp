#include "hindi/wordlists.h"

#include "common/exceptions.h"

namespace tolvani::dicbuild {

HindiWordLists HindiWordLists::from(const ExceptionWords &table)
{
    using Rule = ExceptionRule;
    return {table.of(Rule::Prefix),         table.of(Rule::PersianPrefix),  table.of(Rule::Suffix),
            table.of(Rule::PlainStemSuffix), table.of(Rule::JoinedPostposition), table.of(Rule::VowelMember),
            table.of(Rule::OneWord),        table.of(Rule::SeparateMember), table.of(Rule::SeparateFinalMember),
            table.of(Rule::LightVerb),      table.of(Rule::Member),         table.of(Rule::ShortForm),
            table.of(Rule::KeepsEveryA),    table.of(Rule::PersianWord)};
}

} // namespace tolvani::dicbuild
