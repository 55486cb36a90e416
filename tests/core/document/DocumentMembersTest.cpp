// The table of the document's members: every key names one member, and every
// caption, window and entry text it refers to exists in both languages.

#include "document/DocumentMembers.h"

#include "app/TextCatalog.h"

#include <gtest/gtest.h>
#include <set>

namespace pmr {
namespace {

std::vector<int> TextIdsOf(const MemberName& name, const NumberShape& shape) {
    std::vector<int> ids = {name.labelId, name.windowId, name.partId};
    ids.insert(ids.end(), shape.texts.begin(), shape.texts.end());
    for (int i = 0; i < shape.textCount; ++i)
        ids.push_back(shape.textBase + i);
    return ids;
}

TEST(DocumentMembers, EveryKeyNamesOneMemberAndEveryTextExistsInBothLanguages) {
    TextCatalog english, chinese;
    ASSERT_TRUE(english.Load(PMR_SOURCE_DIR "/data/language/english.ini"));
    ASSERT_TRUE(chinese.Load(PMR_SOURCE_DIR "/data/language/chinese.ini"));
    std::set<std::string> keys;
    auto check = [&](const MemberName& name, const NumberShape& shape) {
        SCOPED_TRACE(name.key);
        EXPECT_TRUE(keys.insert(name.key).second) << "twice in the table";
        for (int id : TextIdsOf(name, shape)) {
            if (id == 0)
                continue;
            EXPECT_FALSE(english.GetLangText(id).empty()) << id;
            EXPECT_FALSE(chinese.GetLangText(id).empty()) << id;
        }
    };
    for (const ChannelMember& m : ChannelMembers()) {
        check(m.name, m.shape);
        EXPECT_TRUE(m.field || (m.text && m.take)) << m.name.key;
        EXPECT_NE(m.name.labelId, 0) << m.name.key << ": the channel edit dialog shows it";
    }
    for (const SettingMember& m : SettingMembers()) {
        check(m.name, m.shape);
        EXPECT_TRUE((m.get && m.set) || m.text) << m.name.key;
        EXPECT_TRUE(m.take) << m.name.key;
        EXPECT_NE(m.name.windowId, 0) << m.name.key << ": a window edits it";
    }
    EXPECT_EQ(&ChannelMemberNamed("IdCode"), &ChannelMembers().back());
    EXPECT_THROW(SettingMemberNamed("Opt.NoSuchMember"), std::out_of_range);
}

TEST(DocumentMembers, ANumberMemberReadsAndWritesItsOwnField) {
    // Each member's accessors reach its own field and no other one.
    for (const SettingMember& m : SettingMembers()) {
        if (!m.get)
            continue;
        SCOPED_TRACE(m.name.key);
        RadioDocument doc;
        m.set(doc, 1);
        EXPECT_EQ(m.get(doc), 1);
        for (const SettingMember& other : SettingMembers()) {
            if (other.get && &other != &m) {
                EXPECT_EQ(other.get(doc), 0) << other.name.key;
            }
        }
        RadioDocument copy;
        m.take(copy, doc);
        EXPECT_EQ(copy, doc);
    }
}

} // namespace
} // namespace pmr
