#pragma once

#include <QString>

namespace tolvani {

// A failure that nothing in the program handles. The number follows the
// classic run-time error numbers so a report reads the same wherever it
// is seen; the description names what failed and why.
struct Error {
    enum Number : int {
        FileNotFound = 53,
        PastEndOfFile = 62,
        FileAccess = 75,
    };

    int number = 0;
    QString description;

    // "Error 53: Cannot open the dictionary file /x/Complete.dic: No such file or directory"
    QString report() const;
};

} // namespace tolvani
