// The write that keeps the radio's memory: backup first, the radio's own bytes
// kept, only changed blocks sent, read-back verification, restore.

#include "../document/RecordingInteraction.h"
#include "LinkWorld.h"
#include "document/ChannelTable.h"
#include "document/DocumentCompare.h"
#include "document/NewDocument.h"
#include "image/ImageCodec.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pmr::test {
namespace {

using Image = std::array<std::uint8_t, kImageSize>;

// A radio whose memory already holds the document, except where a test changes it.
void RadioHoldsTheDocument(LinkWorld& w) {
    std::copy(w.encodedImage.begin(), w.encodedImage.end(), w.radio.mem.begin());
    w.radio.SyncIdentToMemory();
    // The radio's own bytes where the program interprets nothing.
    for (int a = w.interpretedEnd; a < 0x13F0; ++a)
        w.radio.mem[a] = static_cast<std::uint8_t>(0xA0 + a % 7);
    for (int i = 0; i < 16; ++i)
        w.radio.mem[kSerialBlockAddress + i] = i < 6 ? "SN0042"[i] : ' ';
    std::copy(w.radio.mem.begin() + w.interpretedEnd, w.radio.mem.begin() + kImageSize,
              w.encodedImage.begin() + w.interpretedEnd);
}

Image RadioImage(const LinkWorld& w) {
    Image image{};
    std::copy(w.radio.mem.begin(), w.radio.mem.begin() + kImageSize, image.begin());
    return image;
}

TransferResult SafeWrite(LinkWorld& w, WriteRequest request = {WriteKind::Safe}) {
    EXPECT_TRUE(w.Driver().StartWrite(request));
    EXPECT_TRUE(w.RunToEnd());
    return w.Result();
}

TEST(SafeWrite, SendsOnlyTheBlocksThatDifferAndReadsThemBack) {
    struct Case {
        const char* name;
        std::vector<int> changed; // blocks where the radio differs from the document
    };
    const Case cases[] = {
        {"unchanged", {}},
        {"one channel", {0x0040, 0x0050}},
        {"settings and last block", {0x10B0, 0x1330}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkWorld w;
        RadioHoldsTheDocument(w);
        for (int block : c.changed)
            w.radio.mem[block + 3] ^= 0x5A;
        const Image before = RadioImage(w);

        EXPECT_EQ(SafeWrite(w), TransferResult::Success);
        ASSERT_EQ(w.backups.size(), 1u);
        EXPECT_EQ(w.backups[0], before);
        EXPECT_EQ(w.backupSerials[0], "SN0042");
        EXPECT_EQ(w.driver->LastWrite().serial, "SN0042");
        EXPECT_EQ(w.driver->LastWrite().changed.addresses, c.changed);
        // What the log of writes counts: the blocks the radio took, not those read.
        EXPECT_EQ(w.driver->LastWrite().blocksWritten, static_cast<int>(c.changed.size()));
        std::vector<int> written;
        for (const auto& [address, count] : w.radio.writes)
            written.push_back(address);
        EXPECT_EQ(written, c.changed);
        // Every block read once for the backup, the written ones once more.
        for (const auto& [address, count] : w.radio.reads) {
            const bool rewritten =
                std::find(c.changed.begin(), c.changed.end(), address) != c.changed.end();
            if (address < kImageSize)
                EXPECT_EQ(count, rewritten ? 2 : 1) << address;
        }
        EXPECT_TRUE(std::equal(w.encodedImage.begin(), w.encodedImage.end(), w.radio.mem.begin()));
        if (c.changed.empty()) {
            EXPECT_EQ(w.radio.ends, 1);
            EXPECT_EQ(w.radio.handshakes, 1);
            EXPECT_EQ(w.user.CountMessages(T(9121)), 1);
            EXPECT_EQ(w.user.CountMessages(T(9010)), 0);
            EXPECT_TRUE(w.driver->LastWrite().noChange);
        } else {
            EXPECT_EQ(w.radio.ends, 2);
            EXPECT_EQ(w.radio.handshakes, 2);
            EXPECT_EQ(w.user.CountMessages(T(9010)), 1);
        }
        // The progress names each phase and starts again from 0 for it.
        const std::vector<std::string> phases =
            c.changed.empty() ? std::vector<std::string>{} : std::vector{T(9134), T(9135)};
        EXPECT_EQ(w.user.labels, phases);
        EXPECT_EQ(std::count(w.user.percents.begin(), w.user.percents.end(), 0),
                  static_cast<long>(phases.size()));
        EXPECT_EQ(w.prunes, 1);
    }
}

TEST(SafeWrite, TheRadiosOwnBytesAreKept) {
    LinkWorld w;
    RadioHoldsTheDocument(w);
    // The document is another one: every block it interprets differs.
    for (auto& b : w.encodedImage)
        b = static_cast<std::uint8_t>(b ^ 0xFF);
    for (int a = w.interpretedEnd; a < kImageSize; ++a)
        w.encodedImage[a] = w.radio.mem[a];
    const Image before = RadioImage(w);
    EXPECT_EQ(SafeWrite(w), TransferResult::Success);
    EXPECT_EQ(w.radio.writes.size(), static_cast<std::size_t>(w.interpretedEnd / kBlockLength));
    EXPECT_TRUE(std::equal(before.begin() + w.interpretedEnd, before.end(),
                           w.radio.mem.begin() + w.interpretedEnd));
}

TEST(SafeWrite, ABlockTheRadioIgnoresIsCaughtAndNamed) {
    LinkWorld w;
    RadioHoldsTheDocument(w);
    w.encodedImage[0x0045] ^= 0x01; // channel 3
    w.encodedImage[0x10B6] ^= 0x01; // optional features
    w.radio.ignoreWrites = {0x0040};
    w.user.answer = [](const std::string& text, Buttons) {
        return text.rfind(T(9123), 0) == 0 ? Answer::Yes : Answer::Ok;
    };
    EXPECT_EQ(SafeWrite(w), TransferResult::VerifyFailed);
    const WriteReport& report = w.driver->LastWrite();
    EXPECT_EQ(report.mismatched, std::vector<int>{0x0040});
    // Named in the user's language: the catalogue's "Channel %1" for channel 3.
    EXPECT_EQ(report.mismatchAreas, std::vector<std::string>{T(9070) + " 3"});
    EXPECT_TRUE(report.restoreWanted);
    EXPECT_EQ(report.backupPath, "backup 1");
    EXPECT_EQ(w.user.CountMessages(T(9010)), 0);
    EXPECT_EQ(w.prunes, 0); // a failed write removes no backup
}

TEST(SafeWrite, TheMembersABlockFailedToChangeAreNamedAsTheCompareNamesThem) {
    LinkWorld w;
    // A real document's image, decoded as a read decodes it.
    testing::RecordingInteraction ui;
    AppContext source;
    NewDocument(source, ui, nullptr);
    ASSERT_TRUE(AddChannel(source, 3, "446.03125"));
    EncodeImage(source);
    std::copy(source.images.ImageBuf.begin(), source.images.ImageBuf.begin() + w.interpretedEnd,
              w.encodedImage.begin());
    w.hooks.decodeImage = [](AppContext& a) {
        DecodeImage(a);
        return std::string();
    };
    RadioHoldsTheDocument(w);
    w.encodedImage[0x0041] ^= 0x10; // within channel 3's receive frequency
    w.radio.ignoreWrites = {0x0040};
    std::string asked;
    w.user.answer = [&asked](const std::string& text, Buttons) {
        if (text.rfind(T(9123), 0) != 0)
            return Answer::Ok;
        asked = text;
        return Answer::No; // the backup stays where it is
    };
    EXPECT_EQ(SafeWrite(w), TransferResult::VerifyFailed);
    const WriteReport& report = w.driver->LastWrite();
    ASSERT_EQ(report.mismatchMembers.size(), 1u);
    const DocumentDifference& d = report.mismatchMembers[0];
    EXPECT_EQ(d.channelNo, 3);
    EXPECT_EQ(d.name.key, "RxFreq");
    EXPECT_NE(d.oldValue, d.newValue);  // written
    EXPECT_EQ(d.newValue, "446.03125"); // read back: the radio kept its value
    // The question names the member rather than the whole channel.
    EXPECT_NE(asked.find(DifferenceCaption(w.app.texts, d)), std::string::npos) << asked;
    EXPECT_FALSE(report.restoreWanted);
}

TEST(SafeWrite, ADuplicateAckBeforeARefusalDoesNotAcknowledgeTheRefusedBlock) {
    // No echo, a cable at 9600 bit/s. The ACK of 0x02D0 comes twice, the
    // duplicate while 0x02E0 is on its way; the radio refuses 0x02E0 once. The
    // block is sent again in the write phase, not found out by the read-back.
    LinkWorld w;
    w.port.echo[1] = false;
    w.app.link.EchoExpected = false;
    w.port.lineTime = true;
    RadioHoldsTheDocument(w);
    w.encodedImage[0x02D3] ^= 0x01;
    w.encodedImage[0x02E3] ^= 0x01;
    w.radio.resendWrites[0x02E0] = 1;
    w.radio.tamper = [&](const Bytes& request, const Bytes& reply) -> std::optional<Bytes> {
        if (request[0] == 0x57 && request[1] == 0x02 && request[2] == 0xD0)
            w.port.Inject({kAck}, 30); // its own ACK is in after 27 ms
        return reply;
    };
    EXPECT_EQ(SafeWrite(w), TransferResult::Success);
    EXPECT_EQ(w.radio.writes[0x02E0], 2);
    EXPECT_TRUE(w.driver->LastWrite().mismatched.empty());
    EXPECT_EQ(RadioImage(w), w.encodedImage);
}

TEST(SafeWrite, ACableDroppingMidWriteLeavesTheBackupAndRestoreBringsItBack) {
    LinkWorld w;
    RadioHoldsTheDocument(w);
    for (int a = 0; a < 0x200; ++a)
        w.encodedImage[a] ^= 0x33; // 32 blocks to write
    const Image before = RadioImage(w);
    w.radio.silentAfterWrites = 5;
    const TransferResult result = SafeWrite(w);
    EXPECT_EQ(result, TransferResult::RadioSilent);
    ASSERT_EQ(w.backups.size(), 1u);
    EXPECT_EQ(w.backups[0], before);
    EXPECT_EQ(w.prunes, 0);
    EXPECT_NE(RadioImage(w), before); // half written

    // The cable is back: the backup goes in whole, checked like a write.
    w.radio.silent = false;
    w.radio.silentAfterWrites = -1;
    w.radio.writes.clear();
    w.finished.clear();
    WriteRequest restore{WriteKind::Restore};
    restore.restoreImage = w.backups[0];
    EXPECT_EQ(SafeWrite(w, restore), TransferResult::Success);
    EXPECT_EQ(RadioImage(w), before);
    EXPECT_EQ(w.radio.writes.size(), static_cast<std::size_t>(kImageBlocks));
    EXPECT_EQ(w.backups.size(), 2u); // the half-written memory is kept as well
}

TEST(SafeWrite, NothingIsWrittenWithoutABackup) {
    struct Case {
        const char* name;
        bool folderFails;
        bool keepFails;
    };
    for (const Case c : {Case{"folder", true, false}, Case{"keeping", false, true}}) {
        SCOPED_TRACE(c.name);
        LinkWorld w;
        RadioHoldsTheDocument(w);
        w.encodedImage[0] ^= 1;
        if (c.folderFails)
            w.backupFolderProblem = "cannot write /nowhere";
        w.backupKeepFails = c.keepFails;
        EXPECT_EQ(SafeWrite(w), TransferResult::BackupFailed);
        EXPECT_TRUE(w.radio.writes.empty());
        EXPECT_EQ(w.user.messageSeverities.back(), Severity::Critical);
        if (c.folderFails) {
            EXPECT_EQ(w.user.messages.back(), "cannot write /nowhere");
            EXPECT_EQ(w.port.openAttempts, 0);
        }
    }
}

TEST(SafeWrite, TheFactoryTestDataIsWrittenEvenWhenNoBlockDiffers) {
    LinkWorld w;
    RadioHoldsTheDocument(w);
    w.app.factory.TestDataEnabled = true;
    EXPECT_EQ(SafeWrite(w), TransferResult::Success);
    EXPECT_EQ(w.radio.writes[0x1F00], 1);
    EXPECT_EQ(w.radio.writes.size(), 1u);
    EXPECT_EQ(w.radio.handshakes, 1); // nothing of the image to read back
    EXPECT_EQ(w.user.CountMessages(T(9121)), 0);
}

TEST(SafeWrite, ADryRunReportsTheChangesAndWritesNothing) {
    LinkWorld w;
    RadioHoldsTheDocument(w);
    w.encodedImage[0x1000] ^= 1;
    WriteRequest request{WriteKind::Safe};
    request.dryRun = true;
    EXPECT_EQ(SafeWrite(w, request), TransferResult::Success);
    EXPECT_EQ(w.driver->LastWrite().changed.addresses, std::vector<int>{0x1000});
    EXPECT_TRUE(w.radio.writes.empty());
    EXPECT_EQ(w.radio.ends, 1);
    EXPECT_EQ(w.user.CountMessages(T(9010)), 0);
}

TEST(SafeWrite, ARestoreGoesOnlyIntoARadioOfTheBackupsModelAndBand) {
    LinkWorld w;
    RadioHoldsTheDocument(w);
    WriteRequest restore{WriteKind::Restore};
    restore.restoreImage = RadioImage(w);
    restore.restoreImage[0x13F7] = 17; // another band
    EXPECT_EQ(SafeWrite(w, restore), TransferResult::OtherBand);
    EXPECT_TRUE(w.radio.writes.empty());
}

TEST(SafeWrite, ATimeOutRepeatsTheBlockOfThePhaseInProgress) {
    LinkWorld w;
    RadioHoldsTheDocument(w);
    w.encodedImage[0x0200] ^= 1;
    w.radio.dropRequests[0x0200] = 2; // its first two reads for the backup
    EXPECT_EQ(SafeWrite(w), TransferResult::Success);
    EXPECT_EQ(w.radio.reads[0x0200], 4); // three for the backup, one to check
    EXPECT_EQ(w.radio.writes[0x0200], 1);
    EXPECT_TRUE(std::equal(w.encodedImage.begin(), w.encodedImage.end(), w.radio.mem.begin()));
}

// The program's own encoder, over a radio image full of values of its own.
TEST(EncodeOver, KeepsEveryByteTheProgramDoesNotInterpret) {
    AppContext app;
    app.docState.ModelNameText = "T446";
    Image radio{};
    for (std::size_t i = 0; i < radio.size(); ++i)
        radio[i] = static_cast<std::uint8_t>(i * 7 + 3);
    EncodeImage(app);
    const Image plain = app.images.ImageBuf;
    EncodeImageOver(app, radio);
    const Image& over = app.images.ImageBuf;
    // Memory the program never interprets, and a gap between two key settings.
    for (int a : {0x1340, 0x13A0, 0x13EF, 0x13FD, 0x13FF, 0x1229})
        EXPECT_EQ(over[a], radio[a]) << std::hex << a;
    // The record of an unused channel keeps the radio's bytes: the list marks it unused.
    EXPECT_EQ(over[0x0FE0], radio[0x0FE0]);
    EXPECT_EQ(over[0x1020], 0xFF);
    // Option bytes, texts, the VFO record and the model name are the document's.
    for (int a : {0x1000, 0x1020, 0x10B6, 0x1240, 0x1300, 0x13F0, 0x13F7})
        EXPECT_EQ(over[a], plain[a]) << std::hex << a;
}

} // namespace
} // namespace pmr::test
