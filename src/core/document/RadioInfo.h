#pragma once
// The dealer and radio information record, kept beside the document, not saved.

#include "document/FixedText.h"
#include "document/RadioDocument.h"

#include <string>

namespace pmr {

struct RadioInfo {
    Integer BandCodeCopy = 0;
    FixedText<16> Spare;
    FixedText<16> SerialNo;
    FixedText<16> FactoryDate;
    FixedText<16> RepairDate;
    FixedText<96> RepairReason;
    std::string VersionText;
    std::string InfoModelName;
    std::string AreaCode;
    FixedText<8> BatchNo;
    FixedText<4> CustomerCode;
    FixedText<16> DealerCode;
    FixedText<16> StockInDate;
    FixedText<16> SaleDate;
    FixedText<16> HandledBy;
};

} // namespace pmr
