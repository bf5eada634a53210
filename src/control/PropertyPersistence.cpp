// The persisted property set: what a saved form holds of a control, under which keys, with
// which defaults and in which order. Read and write give every key the same default, so a
// value equal to its default may be left out of the bag and still comes back unchanged.

#include <memory>

#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "control/QueltaThreadData.h"
#include "platform/AutomationError.h"
#include "platform/container/Picture.h"
#include "platform/container/PropertyBag.h"
#include "platform/container/SharedInputSettings.h"

namespace quelta {
namespace {

// Enumerations have their defaults given as 32-bit values and are stored in 16 bits.
Variant enumerationDefault(std::int32_t value) {
    return Variant(value);
}

Variant colourVariant(std::uint32_t colour) {
    return Variant(static_cast<std::int32_t>(colour));
}

std::int16_t readInteger(const PropertyBag& bag, StringView key, const Variant& defaultValue) {
    return bag.read(key, defaultValue).toInteger();
}

Boolean readBoolean(const PropertyBag& bag, StringView key, bool defaultValue) {
    return bag.read(key, Variant::boolean(defaultValue)).toBoolean();
}

std::uint32_t readColour(const PropertyBag& bag, StringView key, std::uint32_t defaultValue) {
    return static_cast<std::uint32_t>(bag.read(key, colourVariant(defaultValue)).toLong());
}

std::int32_t readMaxLength(const PropertyBag& bag) {
    return bag.read(u"MaxLength", Variant(std::int16_t{0})).toLong();
}

// An object of the given kind, or error 13 for a value that is another kind of object.
template <typename Object>
std::shared_ptr<Object> readObject(const PropertyBag& bag, StringView key,
                                   const Variant& defaultValue) {
    ObjectRef object = bag.read(key, defaultValue).toObject();
    if (!object) return nullptr;
    auto typed = std::dynamic_pointer_cast<Object>(object);
    if (!typed) raiseError(kErrTypeMismatch);
    return typed;
}

// A control without a mouse icon holds an empty picture; the bag holds Nothing for it, so
// that such a control leaves the key out.
Variant noPicture() {
    return Variant::nothing();
}

Variant storedIcon(const ObjectRef& icon) {
    auto picture = std::dynamic_pointer_cast<Picture>(icon);
    return picture && picture->empty() ? noPicture() : Variant(icon);
}

}  // namespace

// Every value goes straight into the state or the template, without the checks,
// notifications and rebuilds of the public properties: nothing reaches the screen before
// the rebuild at the end. A value that its key's conversion cannot take ends the read
// there; what was read before it stays.
void Quelta::ReadProperties(const PropertyBag& bag) {
    applyHelpFileForUserMode();

    state_.Alignment = readInteger(bag, u"Alignment", enumerationDefault(qltaLeftJustify));
    state_.Appearance = readInteger(bag, u"Appearance", enumerationDefault(qltaAppearance3D));
    state_.BorderStyle =
        readInteger(bag, u"BorderStyle", enumerationDefault(qltaBorderFixedSingle));
    state_.DataType = readInteger(bag, u"DataType", enumerationDefault(qltaText));
    state_.ScrollBars = readInteger(bag, u"ScrollBars", enumerationDefault(qltaScrollBarsNone));
    state_.ScaleDigits = readInteger(bag, u"ScaleDigits", Variant(std::int16_t{0}));
    state_.AutoTab = readBoolean(bag, u"AutoTab", false);
    state_.AutoSize = readBoolean(bag, u"AutoSize", false);
    state_.DisabledGray = readBoolean(bag, u"DisabledGray", false);
    state_.HideSelection = readBoolean(bag, u"HideSelection", true);
    state_.MultiLine = readBoolean(bag, u"MultiLine", false);
    state_.StartSelected = readBoolean(bag, u"StartSelected", false);
    state_.WordWrap = readBoolean(bag, u"WordWrap", false);
    state_.Format = bag.read(u"Format", Variant(u"")).toString();

    EditBox& box = templateBox();
    box.setBackColor(readColour(bag, u"BackColor", kSystemWindowBackground));
    box.setForeColor(readColour(bag, u"ForeColor", kSystemWindowText));
    box.setLocked(readBoolean(bag, u"Locked", false));
    box.setRightToLeft(readBoolean(bag, u"RightToLeft", false));
    // Read before and after the text, so that the limit is in place while the text is
    // stored and again afterwards.
    box.setMaxLength(readMaxLength(bag));
    box.setMousePointer(readInteger(bag, u"MousePointer", enumerationDefault(qltaDefault)));
    box.setOleDragMode(readInteger(bag, u"OLEDragMode", enumerationDefault(qltaDragModeManual)));
    box.setOleDropMode(readInteger(bag, u"OLEDropMode", enumerationDefault(qltaDropModeNone)));
    box.setPasswordChar(bag.read(u"PasswordChar", Variant(u"")).toString());
    box.setText(bag.read(u"Text", Variant(u"")).toString());
    box.setMaxLength(readMaxLength(bag));
    state_.Enabled = readBoolean(bag, u"Enabled", true);
    // By reference: controls read with the ambient font share it with the host.
    box.setFont(
        readObject<quelta::Font>(bag, u"Font", Variant(ObjectRef(container_.ambientFont()))));
    std::shared_ptr<Picture> icon = readObject<Picture>(bag, u"MouseIcon", noPicture());
    box.setMouseIcon(icon ? icon : std::make_shared<Picture>());

    RebuildEditBox();
}

// Saves what the control holds, not what it shows: the template's raw text and its own
// colour even while the grey disabled background hides it. Changes nothing.
void Quelta::WriteProperties(PropertyBag& bag) {
    bag.write(u"Alignment", Variant(state_.Alignment), enumerationDefault(qltaLeftJustify));
    bag.write(u"Appearance", Variant(state_.Appearance), enumerationDefault(qltaAppearance3D));
    bag.write(u"BorderStyle", Variant(state_.BorderStyle),
              enumerationDefault(qltaBorderFixedSingle));
    bag.write(u"DataType", Variant(state_.DataType), enumerationDefault(qltaText));
    bag.write(u"ScrollBars", Variant(state_.ScrollBars), enumerationDefault(qltaScrollBarsNone));
    bag.write(u"ScaleDigits", Variant(state_.ScaleDigits), Variant(std::int16_t{0}));
    bag.write(u"AutoSize", Variant::boolean(isTrue(state_.AutoSize)), Variant::boolean(false));
    bag.write(u"AutoTab", Variant::boolean(isTrue(state_.AutoTab)), Variant::boolean(false));
    bag.write(u"DisabledGray", Variant::boolean(isTrue(state_.DisabledGray)),
              Variant::boolean(false));
    bag.write(u"HideSelection", Variant::boolean(isTrue(state_.HideSelection)),
              Variant::boolean(true));
    bag.write(u"MultiLine", Variant::boolean(isTrue(state_.MultiLine)), Variant::boolean(false));
    bag.write(u"StartSelected", Variant::boolean(isTrue(state_.StartSelected)),
              Variant::boolean(false));
    bag.write(u"WordWrap", Variant::boolean(isTrue(state_.WordWrap)), Variant::boolean(false));
    bag.write(u"Format", Variant(state_.Format), Variant(u""));

    EditBox& box = templateBox();
    bag.write(u"BackColor", colourVariant(box.backColor()), colourVariant(kSystemWindowBackground));
    bag.write(u"ForeColor", colourVariant(box.foreColor()), colourVariant(kSystemWindowText));
    bag.write(u"Locked", Variant::boolean(isTrue(box.locked())), Variant::boolean(false));
    bag.write(u"RightToLeft", Variant::boolean(isTrue(box.rightToLeft())), Variant::boolean(false));
    bag.write(u"MaxLength", Variant(box.maxLength()), Variant(std::int16_t{0}));
    bag.write(u"MousePointer", Variant(box.mousePointer()), enumerationDefault(qltaDefault));
    bag.write(u"OLEDragMode", Variant(box.oleDragMode()), enumerationDefault(qltaDragModeManual));
    bag.write(u"OLEDropMode", Variant(box.oleDropMode()), enumerationDefault(qltaDropModeNone));
    bag.write(u"PasswordChar", Variant(box.passwordChar()), Variant(u""));
    bag.write(u"Text", Variant(box.text()), Variant(u""));
    bag.write(u"Enabled", Variant::boolean(isTrue(state_.Enabled)), Variant::boolean(true));
    bag.write(u"Font", Variant(ObjectRef(box.font())),
              Variant(ObjectRef(container_.ambientFont())));
    bag.write(u"MouseIcon", storedIcon(box.mouseIcon()), noPicture());
}

// The help file follows the host's mode, and is set again only when that mode changes: at
// run time the file the companion settings name, in the designer the control's own.
void Quelta::applyHelpFileForUserMode() {
    const Boolean userMode = toBoolean(container_.userMode());
    if (userMode == state_.LastUserMode) return;
    state_.LastUserMode = userMode;
    container_.setHelpFile(isTrue(userMode) ? sharedSettings().helpFilePath()
                                            : fromUtf8(SharedInputSettings::kHelpFileName));
}

}  // namespace quelta
