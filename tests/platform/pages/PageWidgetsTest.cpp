#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/pages/InputWidgets.h"
#include "platform/pages/ListWidgets.h"
#include "platform/pages/StaticWidgets.h"
#include "platform/pages/WidgetSet.h"

namespace quelta {
namespace {

using testing::errorNumberOf;

// A value a widget cannot take is refused with 380 and leaves the widget as it was.
TEST(PageWidgetsTest, RefusedValuesChangeNothing) {
    WidgetSet set;
    auto& list =
        set.add<DropDownList>(WidgetLayout{u"cboA", u"", {}, 0}, std::vector<String>{u"a", u"b"});
    auto& box = set.add<CheckBox>(WidgetLayout{u"chkB", u"", {}, 1});
    int changes = 0;
    list.setChangeHandler([&] { ++changes; });
    box.setChangeHandler([&] { ++changes; });
    list.setListIndex(1);
    box.setState(CheckBox::kGrayed);
    for (auto [widget, value] :
         {std::pair{u"cboA", 2}, {u"cboA", -2}, {u"chkB", 3}, {u"chkB", -1}}) {
        EXPECT_EQ(errorNumberOf([&] { set.widget(widget).operate(Variant(value)); }),
                  kErrInvalidPropertyValue);
    }
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(box.state(), CheckBox::kGrayed);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(errorNumberOf([&] { set.widget(u"missing"); }), kErrNotSupported);
}

// The limit cuts what is typed or assigned, but never half a surrogate pair.
TEST(PageWidgetsTest, TextBoxKeepsItsCharacterLimit) {
    TextBox box(WidgetLayout{u"txtA", u"", {}, 0}, TextBoxStyle{.maxLength = 2});
    box.setText(u"12345");
    EXPECT_EQ(box.text(), u"12");
    box.setText(u"1\U0001F600");
    EXPECT_EQ(box.text(), u"1");
}

// An access key moves to the widget that marks it, or past a label to what it names.
TEST(PageWidgetsTest, AccessKeyReachesTheNamedWidget) {
    WidgetSet set;
    auto& list = set.add<DropDownList>(WidgetLayout{u"cboA", u"", {}, 1}, std::vector<String>{});
    set.add<PageLabel>(WidgetLayout{u"lblA", u"Fish && &Chips:", {}, 0});
    auto& box = set.add<CheckBox>(WidgetLayout{u"chkB", u"&Bold", {}, 2});
    EXPECT_EQ(set.accessKeyTarget(u'c'), &list);
    EXPECT_EQ(set.accessKeyTarget(u'B'), &box);
    EXPECT_EQ(set.accessKeyTarget(u'F'), nullptr) << "&& is a literal ampersand";
}

}  // namespace
}  // namespace quelta
