#pragma once
// One typed text-entry control. It owns its state record, the control array txtBaseCtl
// (element 0 the template box that stores the value and the pass-through properties,
// element 1 the live box the user sees, present only while EditBoxLoaded is True) and the
// frame label lbl3DBorder. Its member functions live in the folder of the subsystem that
// owns them. An instance is used only on the thread that created it.

#include <cstdint>
#include <span>

#include "control/QueltaState.h"
#include "platform/container/ContainedControl.h"
#include "platform/container/ControlContainer.h"
#include "platform/editbox/EditBoxArray.h"
#include "platform/editbox/EditBoxEvents.h"
#include "platform/editbox/Label.h"
#include "platform/runtime/Variant.h"

namespace quelta {

struct MemberInfo;

class Quelta : public ContainedControl, private EditBoxEvents {
public:
    explicit Quelta(ControlContainer& container);
    ~Quelta() override;
    Quelta(const Quelta&) = delete;
    Quelta& operator=(const Quelta&) = delete;

    // Lifecycle, called by the container.
    void Initialize() override;
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void EnterFocus() override;

    // Methods of the public interface.
    void Refresh();
    void OLEDrag();
    // Shows the About dialog modally and returns when it has been closed.
    void AboutBox();

    // Property accessors of the public interface.
    Boolean AutoTab() const { return state_.AutoTab; }
    void letAutoTab(Boolean New_AutoTab);
    // One overtype mode for every control of the thread.
    Boolean OverType() const;
    void letOverType(Boolean New_OverType);
    Boolean StartSelected() const { return state_.StartSelected; }
    void letStartSelected(Boolean New_StartSelected);
    Boolean Enabled() const { return state_.Enabled; }
    void letEnabled(Boolean New_Enabled);
    std::int32_t hWnd();

    // The value and how it is shown. Text is the stored text (canonical after a refresh
    // without focus, raw while the user edits); Value is Text with "." as the decimal
    // separator of a number; FormattedText is what the live box shows.
    String Text();
    void letText(StringView New_Text);
    String TextDefault();
    void letTextDefault(StringView New_DefaultText);
    String Value();
    void letValue(StringView New_Value);
    String FormattedText();
    const String& Format() const { return state_.Format; }
    void letFormat(StringView New_Format);
    std::int32_t DataType() const { return state_.DataType; }
    void letDataType(std::int32_t New_DataType);
    std::int16_t ScaleDigits() const { return state_.ScaleDigits; }
    void letScaleDigits(std::int16_t New_ScaleDigits);

    // The live box's selection and the rows of its text; neutral (0, "") and ignored
    // while the live box does not exist.
    std::int32_t SelStart();
    void letSelStart(std::int32_t New_SelStart);
    std::int32_t SelLength();
    void letSelLength(std::int32_t New_SelLength);
    String SelText();
    void letSelText(StringView New_SelText);
    std::int32_t Col();
    std::int32_t Row();
    std::int32_t Rows();
    std::int32_t RowLength(const std::int32_t& Line);

    // Style properties: each accepted write rebuilds the live box. Enumerations arrive as
    // 32-bit values and are stored in 16 bits.
    std::int16_t Alignment() const { return state_.Alignment; }
    void letAlignment(std::int32_t New_Alignment);
    std::int16_t Appearance() const { return state_.Appearance; }
    void letAppearance(std::int32_t New_Appearance);
    std::int16_t BorderStyle() const { return state_.BorderStyle; }
    void letBorderStyle(std::int32_t New_BorderStyle);
    std::int16_t ScrollBars() const { return state_.ScrollBars; }
    void letScrollBars(std::int32_t New_ScrollBars);
    Boolean HideSelection() const { return state_.HideSelection; }
    void letHideSelection(Boolean New_HideSelection);
    Boolean MultiLine() const { return state_.MultiLine; }
    void letMultiLine(Boolean New_MultiLine);
    Boolean WordWrap() const { return state_.WordWrap; }
    void letWordWrap(Boolean New_WordWrap);
    // At design time the width follows MaxLength while this is on.
    Boolean AutoSize() const { return state_.AutoSize; }
    void letAutoSize(Boolean New_AutoSize);

    // Pass-through properties: stored in the template box and copied into the live box.
    std::uint32_t ForeColor() { return templateBox().foreColor(); }
    void letForeColor(std::uint32_t New_ForeColor);
    std::int16_t MousePointer() { return templateBox().mousePointer(); }
    void letMousePointer(std::int32_t New_MousePointer);
    std::int16_t OLEDragMode() { return templateBox().oleDragMode(); }
    void letOLEDragMode(std::int32_t New_OLEDragMode);
    std::int16_t OLEDropMode() { return templateBox().oleDropMode(); }
    void letOLEDropMode(std::int32_t New_OLEDropMode);
    std::int32_t MaxLength() { return templateBox().maxLength(); }
    void letMaxLength(std::int32_t New_MaxLength);
    String PasswordChar() { return templateBox().passwordChar(); }
    void letPasswordChar(StringView New_PasswordChar);
    Boolean RightToLeft() { return templateBox().rightToLeft(); }
    void letRightToLeft(Boolean New_RightToLeft);
    ObjectRef MouseIcon() { return templateBox().mouseIcon(); }
    void setMouseIcon(ObjectRef New_MouseIcon);

    // The font is one object shared by reference; the shortcuts change its attributes in
    // place, are always written through and report "Font".
    ObjectRef Font() { return templateBox().font(); }
    void setFont(ObjectRef New_Font);
    Boolean FontBold() { return templateBox().fontBold(); }
    void letFontBold(Boolean New_FontBold);
    Boolean FontItalic() { return templateBox().fontItalic(); }
    void letFontItalic(Boolean New_FontItalic);
    String FontName() { return templateBox().fontName(); }
    void letFontName(StringView New_FontName);
    float FontSize() { return templateBox().fontSize(); }
    void letFontSize(float New_FontSize);
    Boolean FontStrikeThru() { return templateBox().fontStrikethru(); }
    void letFontStrikeThru(Boolean New_FontStrikeThru);
    Boolean FontUnderline() { return templateBox().fontUnderline(); }
    void letFontUnderline(Boolean New_FontUnderline);

    // Colours and the grey background of a control that cannot be edited at run time.
    std::uint32_t BackColor() { return templateBox().backColor(); }
    void letBackColor(std::uint32_t New_BackColor);
    Boolean DisabledGray() const { return state_.DisabledGray; }
    void letDisabledGray(Boolean New_DisabledGray);
    Boolean Locked() { return templateBox().locked(); }
    void letLocked(Boolean New_Locked);

    // Raises one of the control's events to the host; the arguments come back as the
    // host's handler left them.
    void raiseEvent(std::int32_t dispid, std::span<Variant> arguments);

    const QueltaState& state() const { return state_; }
    EditBox& templateBox() { return txtBaseCtl[0]; }
    // The live box, or null while it does not exist.
    EditBox* liveBox();
    const Label& frameLabel() const { return lbl3DBorder; }
    ControlContainer& container() { return container_; }

private:
    void RebuildEditBox();
    void applyHelpFileForUserMode();
    void createLiveEditBox();
    void applyDisabledGrayOnCreation();
    void RefreshDisplay();
    void FitToMaxLength(bool relayout);
    void LayoutEditBox();
    void placeFrameLabel(float width, float height);
    void keepMinimumSize();
    void copyHelpFromExtender();
    void EstablishRegionalSettings();
    void refreshBackColor();
    bool showsGrey(EditBox& live) const;
    void mirrorBackColorToFrame();
    template <typename Property, typename Setter>
    void writePassThrough(StringView name, Setter set, const Property& value);
    template <typename Property, typename Setter>
    void writeFontAttribute(Setter set, const Property& value);
    void storeBoolean(Boolean& field, Boolean value, StringView propertyName);
    // Gives the live box the help numbers (and the tooltip) the host gave the control,
    // skipping each one the extender does not have.
    void copyHelpFromExtender(bool withToolTip);
    // A write of a property kept in the state record, checked by the property's row.
    bool storeStyleProperty(std::int16_t& field, std::int32_t value, const MemberInfo& row);
    void writeStyleProperty(std::int16_t& field, std::int32_t value, const MemberInfo& row);

    // Notifications of the edit boxes.
    void keyDown(int index, std::int16_t& keyCode, std::int16_t& shift) override;
    void keyPress(int index, std::int16_t& keyAscii) override;
    void keyUp(int index, std::int16_t& keyCode, std::int16_t& shift) override;
    void change(int index) override;
    void gotFocus(int index) override;
    void lostFocus(int index) override;
    void click(int index) override;
    void dblClick(int index) override;
    void mouseDown(int index, std::int16_t& button, std::int16_t& shift, float& x,
                   float& y) override;
    void mouseMove(int index, std::int16_t& button, std::int16_t& shift, float& x,
                   float& y) override;
    void mouseUp(int index, std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
    void oleStartDrag(int index, DataObjectRef& data, std::int32_t& allowedEffects) override;
    void oleSetData(int index, DataObjectRef& data, std::int16_t& dataFormat) override;
    void oleGiveFeedback(int index, std::int32_t& effect, Boolean& defaultCursors) override;
    void oleCompleteDrag(int index, std::int32_t& effect) override;
    void oleDragOver(int index, DataObjectRef& data, std::int32_t& effect, std::int16_t& button,
                     std::int16_t& shift, float& x, float& y, std::int16_t& state) override;
    void oleDragDrop(int index, DataObjectRef& data, std::int32_t& effect, std::int16_t& button,
                     std::int16_t& shift, float& x, float& y) override;

    ControlContainer& container_;
    QueltaState state_;
    EditBoxArray txtBaseCtl;
    Label lbl3DBorder;
};

}  // namespace quelta
