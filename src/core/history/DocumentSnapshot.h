#pragma once
// The document as it stands at one moment: everything the user edits and an
// undo puts back (the channel table with its step flags, every radio-wide
// setting with its channel and preset references, the test frequencies, and
// the factory test data). What is derived from it (the band limits, the
// windows' editing state) is not part of it.

#include "document/RadioDocument.h"
#include "factory/TestData.h"

namespace pmr {

struct DocumentSnapshot {
    RadioDocument doc;
    TestDataBytes testData{};
    friend bool operator==(const DocumentSnapshot&, const DocumentSnapshot&) = default;
};

inline DocumentSnapshot TakeSnapshot(const RadioDocument& doc, const FactoryData& factory) {
    return {doc, factory.TestData};
}

/// Puts the snapshot back into the working document and the test data.
inline void PutBack(const DocumentSnapshot& snapshot, RadioDocument& doc, FactoryData& factory) {
    doc = snapshot.doc;
    factory.TestData = snapshot.testData;
}

} // namespace pmr
