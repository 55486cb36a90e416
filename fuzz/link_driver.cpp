// The transfer driver fed any byte stream, in any chunks, at any times, in
// place of a radio: every transfer ends exactly once within its time-outs,
// leaves the driver idle, and reports success only when enough of the line
// could have carried every block.
//
// Input: the first byte chooses read, write or radio information; then chunks
// of [delay in ms][length][bytes].

#include "LinkWorld.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    using namespace pmr;
    test::LinkWorld w;
    w.port.radios.clear(); // the line says what the input says, nothing else
    const int mode = data[0] % 3;
    Bytes acks;
    std::size_t injected = 0;
    std::size_t ackCount = 0;
    int at = 0;
    for (std::size_t i = 1; i + 1 < size;) {
        at += data[i];
        const std::size_t length = std::min<std::size_t>(data[i + 1], size - i - 2);
        const Bytes chunk(data + i + 2, data + i + 2 + length);
        for (std::uint8_t b : chunk)
            ackCount += b == 0x06;
        injected += chunk.size();
        w.port.Inject(chunk, at);
        i += 2 + length;
    }
    TransferDriver& driver = w.Driver();
    if (mode == 0)
        driver.StartRead();
    else if (mode == 1)
        driver.StartWrite();
    else
        driver.ReadRMGDataFromRadio();
    Check(w.RunToEnd(3'600'000)); // no hang: every wait is bounded
    Check(w.finished.size() == 1);
    Check(!driver.Busy());
    if (w.Result() == TransferResult::Success) {
        if (mode == 0) // 320 block replies of 21 bytes at least
            Check(injected >= 320 * 21 && w.decodes == 1);
        if (mode == 1) // every block and the end frame acknowledged
            Check(ackCount >= 321);
    }
    return 0;
}
