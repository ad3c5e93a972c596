#pragma once

#include "builder.h"
#include "hindi/romanizer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// What the romanizer's tables of cases share: a case, its name, and the
// romanizer without a vocabulary.
namespace tolvani::dicbuild {

struct RomanizeCase {
    const char *name;
    const char16_t *hindi;
    const char *latin;
};

inline void PrintTo(const RomanizeCase &c, std::ostream *os)
{
    *os << c.name;
}

inline std::string caseName(const testing::TestParamInfo<RomanizeCase> &info)
{
    return info.param.name;
}

// The rules' word lists as the repository's table gives them.
inline const HindiWordLists &tableWords()
{
    static const HindiWordLists words = HindiWordLists::from(readExceptionWords(BuildInputs{}));
    return words;
}

// Reads each word on its own: no vocabulary to split compounds with.
inline const Romanizer &plain()
{
    static const Romanizer romanizer({}, tableWords());
    return romanizer;
}

} // namespace tolvani::dicbuild
