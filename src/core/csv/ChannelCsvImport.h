#pragma once
// Reading a CSV channel list into the channel table. Every value goes through
// the one channel-field setter, exactly as if it were typed into the grid, but
// first into a copy of the document: the plan says row by row what the import
// will do, and nothing of the document changes until the plan is applied.

#include "csv/CsvImportReport.h"
#include "document/RadioDocument.h"

#include <string_view>

namespace pmr {

struct AppContext;

enum class CsvImportMode {
    Replace, // the file's channels become the channel table (the VFO stays)
    Fill,    // only the channels the file names change; the others stay
};

struct CsvImportPlan {
    CsvImportReport report;
    /// The document as the import leaves it (the working copy's other parts
    /// as they were).
    RadioDocument result;
};

/// What importing the file's bytes into `app`'s document would do. `app` is
/// only read: the rows are set into a copy of it, whose windows are none.
CsvImportPlan PlanChannelImport(const AppContext& app, std::string_view bytes, CsvImportMode mode);

/// Puts a plan's channel table into the document as one change of the channel
/// table, then brings the option references in line. Nothing happens for a
/// refused plan.
void ApplyChannelImport(AppContext& app, const CsvImportPlan& plan);

} // namespace pmr
