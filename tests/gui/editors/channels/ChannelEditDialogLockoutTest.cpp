// The busy-channel lockout list of the channel edit dialog: which entries a
// channel is offered and what choosing one stores.

#include "ChannelEditDialogSupport.h"

using namespace pmr;
using namespace pmr::testing;

namespace {

class ChannelEditDialogLockout : public ChannelEditDialogTest {
protected:
    QStringList Offered(int entries) const {
        QStringList texts{h.Text(15030), h.Text(15031), h.Text(15032)};
        return texts.mid(0, entries);
    }
};

TEST_F(ChannelEditDialogLockout, DecodeToneOffTakesTheToneLockoutAway) {
    ChannelRecord& e = AddAt(3);
    e.RxTone = 8;
    e.TxTone = 8;
    e.BusyLock = 2;
    ASSERT_TRUE(Open(3));
    QComboBox* lock = List("cboBusyLock");
    EXPECT_EQ(Entries(lock), Offered(3));
    EXPECT_EQ(lock->currentText(), h.Text(15032));

    Choose(List("cboRxTone"), 0);
    EXPECT_EQ(Channel(3).RxTone, 0);
    EXPECT_EQ(Channel(3).BusyLock, 1);
    EXPECT_EQ(Entries(lock), Offered(2));
    EXPECT_EQ(lock->currentText(), h.Text(15031));

    // A decode tone again offers the tone lockout, which stores hidden index 2.
    Choose(List("cboRxTone"), "67.0");
    EXPECT_EQ(Entries(lock), Offered(3));
    Choose(lock, h.Text(15032));
    EXPECT_EQ(Channel(3).BusyLock, 2);
    Choose(lock, h.Text(15030));
    EXPECT_EQ(Channel(3).BusyLock, 0);
}

TEST_F(ChannelEditDialogLockout, WithReverseTheEncodeToneDecides) {
    ChannelRecord& encodeOnly = AddAt(4);
    encodeOnly.Reverse = 1;
    encodeOnly.TxTone = 20;
    encodeOnly.BusyLock = 2;
    ChannelRecord& decodeOnly = AddAt(5);
    decodeOnly.Reverse = 1;
    decodeOnly.RxTone = 20;
    decodeOnly.BusyLock = 2;
    ChannelRecord& plain = AddAt(6);
    plain.RxTone = 20;

    ASSERT_TRUE(Open(4));
    QComboBox* lock = List("cboBusyLock");
    EXPECT_EQ(Entries(lock), Offered(3));
    EXPECT_EQ(Channel(4).BusyLock, 2);

    Choose(List("cboChannel"), "5");
    EXPECT_EQ(Entries(lock), Offered(2));
    EXPECT_EQ(lock->currentText(), h.Text(15031));
    EXPECT_EQ(Channel(5).BusyLock, 1); // what the list can show is what is stored

    Choose(List("cboChannel"), "6");
    EXPECT_EQ(Entries(lock), Offered(3));

    // Switching reverse on for channel 6 (decode tone only) takes the entry away.
    QTest::mouseClick(Flag("chkReverse"), Qt::LeftButton);
    EXPECT_EQ(Channel(6).Reverse, 1);
    EXPECT_EQ(Entries(lock), Offered(2));
}

TEST_F(ChannelEditDialogLockout, LeavingAnUnsetSignallingListKeepsTheReverseChannelsLockout) {
    ChannelRecord& e = AddAt(7);
    e.Reverse = 1;
    e.TxTone = 5;
    e.BusyLock = 2;
    e.OptSignal = 9; // shows no entry, so leaving the list stores nothing
    ASSERT_TRUE(Open(7));
    QComboBox* signalling = List("cboOptSignal");
    signalling->setFocus(Qt::TabFocusReason);
    QTest::keyClick(signalling, Qt::Key_Tab);
    EXPECT_EQ(Channel(7).OptSignal, 9);
    EXPECT_EQ(Channel(7).BusyLock, 2);
    EXPECT_EQ(Entries(List("cboBusyLock")), Offered(3));
    EXPECT_EQ(List("cboBusyLock")->currentText(), h.Text(15032));
}

TEST_F(ChannelEditDialogLockout, TheFourthLockoutIsNeverOffered) {
    ChannelRecord& e = AddAt(8);
    e.RxTone = 5;
    e.TxTone = 5;
    e.BusyLock = 3;
    ASSERT_TRUE(Open(8));
    EXPECT_EQ(Entries(List("cboBusyLock")), Offered(3));
    EXPECT_EQ(List("cboBusyLock")->currentIndex(), 0);
    EXPECT_EQ(Channel(8).BusyLock, 0);
}

} // namespace
