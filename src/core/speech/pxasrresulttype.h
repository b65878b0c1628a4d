#pragma once

#include <QMetaType>

// The result vocabulary shared by every recognition client and the consumers
// of their results. Values are fixed: they cross queued connections and logs.
enum class PXASRResultType : int {
    None = 0,
    Continue = 1,           // the current, still changing sentence
    Confirm = 2,            // one result message's text as received
    Finish = 3,             // the final text of the session, to be committed
    Complete = 4,           // reserved
    Cancel = 5,             // reserved
    ShowText = 6,           // everything recognised so far, for live display
    ShowTextMicrosoft = 7,  // reserved
    ShowTextEmpty = 8,      // the recognised text is empty
    LongAudioEnd = 9,       // a stopped long dictation delivered its last result
    Error = 10,             // the message is an error text for the user
};

Q_DECLARE_METATYPE(PXASRResultType)

// Name for logs; "Unknown" for values outside the table.
const char *pxAsrResultTypeName(PXASRResultType type);

// Safe to call more than once.
void registerPxAsrResultType();
