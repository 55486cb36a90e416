#include "document/DocumentCompare.h"

#include "app/AppContext.h"
#include "app/TextCatalog.h"
#include "document/ChannelTable.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/IdLengthRule.h"
#include "document/MemberCaption.h"
#include "document/OptionRefs.h"
#include "document/ShownNumber.h"
#include "document/TrimFix.h"

#include <array>

namespace pmr {

namespace {

constexpr int kMaxChannelNo = kVfoChannelNo;

/// Entry of each channel number in the table, -1 for none.
std::array<int, kMaxChannelNo + 1> ChannelEntries(const RadioDocument& doc) {
    std::array<int, kMaxChannelNo + 1> at{};
    at.fill(-1);
    const int count = std::min<int>(doc.ChannelCount, kMaxChannelEntries);
    for (int i = 0; i < count; ++i) {
        const int no = doc.Channels[static_cast<std::size_t>(i)].ChannelNo;
        if (no >= 1 && no <= kMaxChannelNo && at[static_cast<std::size_t>(no)] < 0)
            at[static_cast<std::size_t>(no)] = i;
    }
    return at;
}

/// Two stored numbers that show alike are told apart by the numbers.
void ShowNumbers(const TextCatalog& texts, const NumberShape& shape, int a, int b,
                 DocumentDifference& d) {
    d.oldValue = ShownNumber(texts, shape, a);
    d.newValue = ShownNumber(texts, shape, b);
    if (d.oldValue == d.newValue) {
        d.oldValue += " (" + std::to_string(a) + ")";
        d.newValue += " (" + std::to_string(b) + ")";
    }
}

void CompareChannel(const TextCatalog& texts, const ChannelRecord& a, const ChannelRecord& b,
                    std::vector<DocumentDifference>& out) {
    const auto& members = ChannelMembers();
    for (std::size_t i = 0; i < members.size(); ++i) {
        const ChannelMember& m = members[i];
        DocumentDifference d;
        if (m.field) {
            if (a.*m.field == b.*m.field)
                continue;
            ShowNumbers(texts, m.shape, a.*m.field, b.*m.field, d);
        } else {
            d.oldValue = m.text(a);
            d.newValue = m.text(b);
            if (d.oldValue == d.newValue)
                continue;
        }
        d.kind = DifferenceKind::ChannelMember;
        d.channelNo = a.ChannelNo;
        d.name = m.name;
        d.member = static_cast<int>(i);
        out.push_back(std::move(d));
    }
}

void CompareChannels(const RadioDocument& older, const RadioDocument& newer,
                     const TextCatalog& texts, std::vector<DocumentDifference>& out) {
    const auto olderAt = ChannelEntries(older);
    const auto newerAt = ChannelEntries(newer);
    const ChannelMember& rx = ChannelMemberNamed("RxFreq");
    for (int no = 1; no <= kMaxChannelNo; ++no) {
        const int i = olderAt[static_cast<std::size_t>(no)];
        const int j = newerAt[static_cast<std::size_t>(no)];
        if (i < 0 && j < 0)
            continue;
        const ChannelRecord* a = i >= 0 ? &older.Channels[static_cast<std::size_t>(i)] : nullptr;
        const ChannelRecord* b = j >= 0 ? &newer.Channels[static_cast<std::size_t>(j)] : nullptr;
        if (a && b) {
            CompareChannel(texts, *a, *b, out);
            continue;
        }
        DocumentDifference d;
        d.kind = a ? DifferenceKind::ChannelRemoved : DifferenceKind::ChannelAdded;
        d.channelNo = no;
        (a ? d.oldValue : d.newValue) = rx.text(a ? *a : *b);
        out.push_back(std::move(d));
    }
}

void CompareSettings(const RadioDocument& older, const RadioDocument& newer,
                     const TextCatalog& texts, std::vector<DocumentDifference>& out) {
    const auto& members = SettingMembers();
    for (std::size_t i = 0; i < members.size(); ++i) {
        const SettingMember& m = members[i];
        DocumentDifference d;
        if (m.get) {
            const int a = m.get(older);
            const int b = m.get(newer);
            if (a == b)
                continue;
            ShowNumbers(texts, m.shape, a, b, d);
        } else {
            d.oldValue = m.text(older);
            d.newValue = m.text(newer);
            if (d.oldValue == d.newValue)
                continue;
        }
        d.kind = DifferenceKind::Setting;
        d.name = m.name;
        d.member = static_cast<int>(i);
        out.push_back(std::move(d));
    }
}

std::string Quoted(const std::string& value) {
    return value.empty() ? "\"\"" : value;
}

bool AddChannelRecord(AppContext& app, const ChannelRecord& record) {
    RadioDocument& doc = app.doc;
    if (doc.ChannelCount >= kMaxChannelEntries || doc.ChannelCount < 0)
        return false;
    doc.Channels[static_cast<std::size_t>(doc.ChannelCount)] = record;
    ++doc.ChannelCount;
    ReconcileOptionRefs(app);
    return true;
}

int RadioChannelCount(const RadioDocument& doc) {
    int count = 0;
    for (int i = 0; i < doc.ChannelCount && i < kMaxChannelEntries; ++i)
        count += doc.Channels[static_cast<std::size_t>(i)].ChannelNo != kVfoChannelNo;
    return count;
}

bool TakeChannel(AppContext& app, const RadioDocument& from, int channelNo) {
    const int here = FindChannelIndex(app.doc, channelNo);
    const int there = FindChannelIndex(from, channelNo);
    if (here < 0 && there >= 0) {
        if (!AddChannelRecord(app, from.Channels[static_cast<std::size_t>(there)]))
            return false;
    } else if (here >= 0 && there < 0) {
        // A document keeps one channel at least, as the grid does.
        if (channelNo != kVfoChannelNo && RadioChannelCount(app.doc) <= 1)
            return false;
        DeleteChannelAt(app, here);
    } else {
        return false;
    }
    app.docState.Events.Publish(DocumentChange::ChannelTable, channelNo);
    return true;
}

} // namespace

std::vector<DocumentDifference>
CompareDocuments(const RadioDocument& older, const RadioDocument& newer, const TextCatalog& texts) {
    std::vector<DocumentDifference> out;
    out.reserve(64);
    CompareChannels(older, newer, texts, out);
    CompareSettings(older, newer, texts, out);
    return out;
}

std::string DifferenceCaption(const TextCatalog& texts, const DocumentDifference& d) {
    const std::string place = MemberPlace(texts, d.channelNo, d.name);
    if (d.kind == DifferenceKind::ChannelAdded || d.kind == DifferenceKind::ChannelRemoved)
        return place;
    return FillMarker(FillMarker(texts.GetLangText(9189), "%1", place), "%2",
                      MemberCaption(texts, d.name));
}

std::string DifferenceLine(const TextCatalog& texts, const DocumentDifference& d) {
    const std::string place = MemberPlace(texts, d.channelNo, d.name);
    switch (d.kind) {
    case DifferenceKind::ChannelAdded:
        return FillMarker(FillMarker(texts.GetLangText(9186), "%1", place), "%2",
                          Quoted(d.newValue));
    case DifferenceKind::ChannelRemoved:
        return FillMarker(FillMarker(texts.GetLangText(9187), "%1", place), "%2",
                          Quoted(d.oldValue));
    case DifferenceKind::ChannelMember:
    case DifferenceKind::Setting:
        break;
    }
    std::string line = FillMarker(texts.GetLangText(9188), "%1", place);
    line = FillMarker(line, "%2", MemberCaption(texts, d.name));
    line = FillMarker(line, "%3", Quoted(d.oldValue));
    return FillMarker(line, "%4", Quoted(d.newValue));
}

bool TakeDifference(AppContext& app, const RadioDocument& from, const DocumentDifference& d) {
    switch (d.kind) {
    case DifferenceKind::ChannelAdded:
    case DifferenceKind::ChannelRemoved:
        return TakeChannel(app, from, d.channelNo);
    case DifferenceKind::ChannelMember: {
        const auto& members = ChannelMembers();
        ChannelRecord* here = FindChannel(app.doc, d.channelNo);
        const int there = FindChannelIndex(from, d.channelNo);
        if (!here || there < 0 || d.member < 0 || d.member >= static_cast<int>(members.size()))
            return false;
        TakeMember(members[static_cast<std::size_t>(d.member)], *here,
                   from.Channels[static_cast<std::size_t>(there)]);
        app.docState.Events.Publish(DocumentChange::ChannelFields, d.channelNo);
        return true;
    }
    case DifferenceKind::Setting:
        break;
    }
    const auto& members = SettingMembers();
    if (d.member < 0 || d.member >= static_cast<int>(members.size()))
        return false;
    const SettingMember& m = members[static_cast<std::size_t>(d.member)];
    m.take(app.doc, from);
    // The rules an edit in the member's window sets off.
    const std::string& key = m.name.key;
    if (key.rfind("FmPresets", 0) == 0) {
        ReconcileOptionRefs(app);
        app.docState.Events.Publish(DocumentChange::OptionRefs);
    } else if (key.rfind("Dtmf.DialMemory", 0) == 0) {
        app.docState.Events.Publish(DocumentChange::DtmfMemories);
    } else if (key == "Dtmf.DtmfSignalling") {
        ApplyIdLengthRule(app);
    } else if (key == "Scan.Mode") {
        app.docState.Events.Publish(DocumentChange::ScanMode);
    }
    return true;
}

} // namespace pmr
