#pragma once
// A document report as a PDF file: on A4 or Letter paper, with its fonts
// embedded (the Chinese one among them), as File > Export PDF and pmr-cli
// report write it.

#include <string>

namespace pmr {

struct DocumentReport;

enum class PaperSize { A4, Letter };

/// Letter in the countries that use it (given as the two-letter territory
/// code, "US"), A4 elsewhere.
PaperSize PaperForTerritory(const std::string& territory);

/// Writes `report` to `path`. False when the file could not be written; the
/// number of pages in `pages` otherwise.
bool WriteReportPdf(const DocumentReport& report, const std::string& path, PaperSize paper,
                    int* pages = nullptr);

} // namespace pmr
