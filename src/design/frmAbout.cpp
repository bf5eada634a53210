#include "design/frmAbout.h"

#include "platform/pages/StaticWidgets.h"

namespace quelta {

frmAbout::frmAbout() : DialogForm(u"About the Quelta typed entry control", 5745, 1470) {
    WidgetSet& widgets = ownWidgets();
    widgets.add<ImageBox>(WidgetLayout{u"imgIcon", u"", {270, 270, 480, 480}, 0});
    widgets.add<PageLabel>(WidgetLayout{
        u"lblTitle", u"Quelta ActiveX Control - Version 6.0", {900, 210, 3810, 195}, 1});
    widgets.add<PageLabel>(WidgetLayout{u"lblVersion",
                                        u"Copyright (C) the Quelta developers, 1998-2024.",
                                        {900, 615, 3810, 195},
                                        2});
    widgets.add<PageLabel>(
        WidgetLayout{u"lblDescription",
                     u"Free to use and to pass on with the forms that contain it.",
                     {900, 1020, 3810, 195},
                     3});
    CommandButton& ok =
        widgets.add<CommandButton>(WidgetLayout{u"cmdOK", u"OK", {4860, 150, 720, 345}, 4});
    ok.setClickHandler([this] { hide(); });
}

}  // namespace quelta
