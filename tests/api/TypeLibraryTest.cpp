#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "api/TypeLibrary.h"
#include "api/TypeLibraryText.h"
#include "platform/runtime/TextRoutines.h"

namespace quelta {
namespace {

TEST(TypeLibraryTest, EveryMemberResolvesByNameInAnyCaseAndBack) {
    for (const MemberInfo& member : members()) {
        SCOPED_TRACE(std::string(member.name));
        EXPECT_EQ(GetIDsOfNames(upperCase(fromUtf8(member.name))), member.dispid);
        EXPECT_EQ(memberByDispatchId(member.dispid), &member);
    }
}

TEST(TypeLibraryTest, UnknownNamesDoNotResolve) {
    for (StringView name : {StringView(u""), StringView(u"Tex"), StringView(u"Texts"),
                            StringView(u"Text "), StringView(u"T\u00e9xt"),
                            StringView(u"Change"),  // an event, not a member
                            StringView(u"AVeryLongNameThatIsLongerThanAnyMemberNameAtAll")}) {
        EXPECT_EQ(GetIDsOfNames(name), DISPID_UNKNOWN) << toUtf8(name);
    }
}

// The library's member list holds every member once; one that names the member it is
// listed after stands right behind it.
TEST(TypeLibraryTest, LibraryOrderKeepsEveryMemberOnce) {
    std::span<const MemberInfo* const> order = membersInLibraryOrder();
    ASSERT_EQ(order.size(), members().size());
    for (const MemberInfo& member : members()) {
        SCOPED_TRACE(std::string(member.name));
        auto at = std::ranges::find(order, &member);
        ASSERT_NE(at, order.end());
        if (!member.listedAfter.empty()) {
            EXPECT_EQ((*(at - 1))->name, member.listedAfter);
        }
    }
}

TEST(TypeLibraryTest, EventsResolve) {
    EXPECT_EQ(eventByName("change")->flags, FUNCFLAG_FUIDEFAULT);
    EXPECT_EQ(eventByDispatchId(-603)->name, "KeyPress");
    EXPECT_EQ(eventByName("Text"), nullptr);
}

// The printed library names every member and help string, with the accessors each member's
// access and argument name call for.
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
    EXPECT_NE(text.find("HRESULT TextDefault([in] BSTR New_DefaultText);"), std::string::npos);
    EXPECT_NE(text.find("void OLEDragOver("), std::string::npos);
    EXPECT_NE(text.find("qltaCustom = 99"), std::string::npos);
    EXPECT_NE(text.find("helpfile(\"Qelt532.hlp\")"), std::string::npos);
}

}  // namespace
}  // namespace quelta
