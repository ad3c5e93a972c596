#pragma once

#include <QString>

namespace tolvani {

// A failure that nothing in the program handles. The number follows the
// classic run-time error numbers so a report reads the same wherever it
// is seen; the description names what failed and why.
struct Error {
    enum Number : int {
        OutOfMemory = 7,
        OutOfStringSpace = 14, // a file too large to take in whole
        FileNotFound = 53,
        DeviceIO = 57,         // a file that changed while it was read
        BadRecordLength = 59,  // a line too long to be an entry
        PastEndOfFile = 62,    // an empty file
        FileAccess = 75,       // unreadable, or not a regular file
    };

    int number = 0;
    QString description;

    // "Error 53: Cannot open the dictionary file /x/Complete.dic: No such file or directory"
    QString report() const;
};

} // namespace tolvani
