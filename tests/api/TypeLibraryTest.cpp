#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "api/TypeLibrary.h"
#include "api/TypeLibraryText.h"
#include "platform/runtime/TextRoutines.h"

namespace quelta {
namespace {

std::set<std::string> namesWhere(auto&& predicate) {
    std::set<std::string> names;
    for (const MemberInfo& member : members()) {
        if (predicate(member)) names.insert(std::string(member.name));
    }
    return names;
}

TEST(TypeLibraryTest, EveryMemberResolvesByNameInAnyCaseAndBack) {
    ASSERT_EQ(members().size(), 48u);
    std::set<DispatchId> seen;
    for (const MemberInfo& member : members()) {
        SCOPED_TRACE(std::string(member.name));
        EXPECT_EQ(GetIDsOfNames(upperCase(fromUtf8(member.name))), member.dispid);
        EXPECT_EQ(GetIDsOfNames(fromUtf8(member.name)), member.dispid);
        EXPECT_EQ(memberByDispatchId(member.dispid), &member);
        EXPECT_TRUE(seen.insert(member.dispid).second) << "duplicate DISPID";
    }
    EXPECT_EQ(memberByDispatchId(DISPID_VALUE)->name, "TextDefault");
}

TEST(TypeLibraryTest, UnknownNamesDoNotResolve) {
    for (StringView name : {StringView(u""), StringView(u"Tex"), StringView(u"Texts"),
                            StringView(u"Text "), StringView(u"T\u00e9xt"),
                            StringView(u"Change"),  // an event, not a member
                            StringView(u"AVeryLongNameThatIsLongerThanAnyMemberNameAtAll")}) {
        EXPECT_EQ(GetIDsOfNames(name), DISPID_UNKNOWN) << toUtf8(name);
    }
}

TEST(TypeLibraryTest, AccessFlagsAndBrowsing) {
    EXPECT_EQ(namesWhere([](const MemberInfo& m) { return m.readable() && !m.writable(); }),
              (std::set<std::string>{"hWnd", "FormattedText", "Col", "Row", "Rows", "RowLength"}));
    EXPECT_EQ(namesWhere([](const MemberInfo& m) { return (m.access & kSet) != 0; }),
              (std::set<std::string>{"Font", "MouseIcon"}));
    EXPECT_EQ(namesWhere([](const MemberInfo& m) { return m.designTimeOnly; }),
              (std::set<std::string>{"Alignment", "Appearance", "AutoSize", "BorderStyle",
                                     "HideSelection", "MultiLine"}));
    EXPECT_EQ(memberByName("text")->flags, 0x22C);
    EXPECT_EQ(memberByName("TextDefault")->flags, FUNCFLAG_FHIDDEN);
    EXPECT_EQ(memberByName("TextDefault")->writeArgumentName(), "New_DefaultText");
    EXPECT_EQ(memberByName("Alignment")->writeArgumentName(), "New_Alignment");
    EXPECT_EQ(memberByName("ForeColor")->page, StandardPage::Color);
    EXPECT_EQ(memberByName("MouseIcon")->page, StandardPage::Picture);
}

TEST(TypeLibraryTest, LibraryOrderMovesTheRowQueries) {
    std::vector<std::string_view> order;
    for (const MemberInfo* member : membersInLibraryOrder())
        order.push_back(member->name);
    ASSERT_EQ(order.size(), members().size());
    auto at = [&](std::string_view name) {
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    EXPECT_EQ(at("Col"), at("BorderStyle") + 1);
    EXPECT_EQ(at("Row"), at("RightToLeft") + 1);
    EXPECT_EQ(at("ScrollBars"), at("Rows") + 1);
    EXPECT_EQ(order.back(), "WordWrap");
}

TEST(TypeLibraryTest, EventsAndEnumerations) {
    EXPECT_EQ(eventByName("change")->flags, FUNCFLAG_FUIDEFAULT);
    EXPECT_EQ(eventByDispatchId(-603)->name, "KeyPress");
    EXPECT_EQ(eventByName("OLEDragOver")->parameters.size(), 7u);
    const EnumerationInfo* pointer = enumerationByName("qltaMousePointerProperties");
    ASSERT_NE(pointer, nullptr);
    EXPECT_EQ(pointer->constants.back().value, 99);
    for (const MemberInfo& member : members()) {
        if (member.type == ValueType::Enumeration) {
            EXPECT_NE(enumerationByName(member.enumeration), nullptr) << member.name;
        }
    }
}

// The printed library names every member with its DISPID, every event and every constant.
TEST(TypeLibraryTest, PrintedLibraryIsComplete) {
    std::string text = typeLibraryText();
    for (const MemberInfo& member : members()) {
        EXPECT_NE(text.find("HRESULT " + std::string(member.name) + "("), std::string::npos)
            << member.name;
        if (!member.helpString.empty()) {
            EXPECT_NE(text.find(std::string(member.helpString)), std::string::npos) << member.name;
        }
    }
    EXPECT_NE(text.find("id(0x68030043), propget"), std::string::npos);
    EXPECT_NE(text.find("HRESULT Font([in] Font* New_Font);"), std::string::npos);
    EXPECT_NE(text.find("void OLEDragOver("), std::string::npos);
    EXPECT_NE(text.find("qltaCustom = 99"), std::string::npos);
    EXPECT_NE(text.find("helpfile(\"Qelt532.hlp\")"), std::string::npos);
}

}  // namespace
}  // namespace quelta
