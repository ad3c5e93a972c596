#pragma once

#include <QStringView>

#include <vector>

namespace tolvani::dicbuild {

// What a learner copying an example would copy wrong, and a machine can
// see: the sentence's ends and its spacing.
enum class ExampleMechanics {
    NoFinalStop,            // does not end in ".", "?" or "!" (a closing quote or bracket may follow)
    NoCapital,              // does not begin with a capital or a digit (an opening quote may come first)
    SpaceBeforePunctuation, // "him ." "yes ,"
    NoSpaceAfterPunctuation, // "yes,he" "note:the"
    DoubleSpace,
};

// The faults of one example, in the order of the enum; an empty example
// has none.
//   mechanicalFaults(u"i saw him .")        => NoCapital, SpaceBeforePunctuation
//   mechanicalFaults(u"He said \"Go!\"")     => none
//   mechanicalFaults(u"It costs 3.50,then") => NoFinalStop, NoSpaceAfterPunctuation
std::vector<ExampleMechanics> mechanicalFaults(QStringView example);

} // namespace tolvani::dicbuild
