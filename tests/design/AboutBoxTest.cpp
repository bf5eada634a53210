#include <gtest/gtest.h>

#include "api/Dispatch.h"
#include "platform/container/RecordingContainer.h"
#include "platform/pages/DialogForm.h"
#include "platform/pages/StaticWidgets.h"

namespace quelta {
namespace {

// Each call shows a fresh dialog and returns only once it has been answered: what the
// first dialog was left with does not reach the second.
TEST(AboutBoxTest, EachCallShowsAFreshDialogUntilOk) {
    RecordingContainer container;
    Quelta control(container);
    startControl(control, nullptr);
    std::vector<String> titles;
    setModalLoop([&](DialogForm& dialog) {
        EXPECT_TRUE(dialog.visible());
        PageWidget& title = dialog.widgets().widget(u"lblTitle");
        titles.push_back(title.caption());
        title.setCaption(u"scribbled over");
        dialog.widgets().widget(u"cmdOK").operate(Variant());
        EXPECT_FALSE(dialog.visible()) << "OK hides the dialog";
    });
    Invoke(control, GetIDsOfNames(u"AboutBox"), InvokeKind::Method, {});
    Invoke(control, GetIDsOfNames(u"AboutBox"), InvokeKind::Method, {});
    setModalLoop(nullptr);
    const String title = u"Quelta ActiveX Control - Version 6.0";
    EXPECT_EQ(titles, (std::vector<String>{title, title}));
}

}  // namespace
}  // namespace quelta
