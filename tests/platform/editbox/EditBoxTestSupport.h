#pragma once
// Shared pieces of the edit box tests: a measurer of fixed widths and an owner that writes
// down every notification it receives.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/editbox/EditBox.h"
#include "platform/editbox/EditBoxEvents.h"
#include "platform/fonts/TextMeasurer.h"

namespace quelta::testing {

// Every code unit 100 twips wide (200 in a bold font), rows 200 twips high.
class FixedMeasurer : public TextMeasurer {
public:
    double textWidth(const Font& font, StringView text) const override {
        return (font.bold() ? 200.0 : 100.0) * static_cast<double>(text.size());
    }
    double lineHeight(const Font&) const override { return 200.0; }
};

// Installs the fixed measurer for the test's lifetime.
class FixedMeasurerScope {
public:
    FixedMeasurerScope() { setTextMeasurer(std::make_shared<FixedMeasurer>()); }
    ~FixedMeasurerScope() { setTextMeasurer(nullptr); }
};

// Writes each notification as one line ("KeyDown 0 65 1") and lets a test answer them.
class RecordingOwner : public EditBoxEvents {
public:
    std::vector<std::string> log;
    std::function<void(std::int16_t& keyAscii)> onKeyPress;
    std::function<void()> onChange;
    std::function<void(DataObjectRef&, std::int32_t& allowed)> onStartDrag;
    std::function<void(DataObjectRef&, std::int16_t format)> onSetData;
    std::function<void(std::int32_t& effect)> onDragOver;
    std::function<void(std::int32_t& effect)> onDragDrop;

    void keyDown(int index, std::int16_t& keyCode, std::int16_t& shift) override {
        record("KeyDown", index, keyCode, shift);
    }
    void keyPress(int index, std::int16_t& keyAscii) override {
        record("KeyPress", index, keyAscii);
        if (onKeyPress) onKeyPress(keyAscii);
    }
    void keyUp(int index, std::int16_t& keyCode, std::int16_t& shift) override {
        record("KeyUp", index, keyCode, shift);
    }
    void change(int index) override {
        record("Change", index);
        if (onChange) onChange();
    }
    void gotFocus(int index) override { record("GotFocus", index); }
    void lostFocus(int index) override { record("LostFocus", index); }
    void click(int index) override { record("Click", index); }
    void dblClick(int index) override { record("DblClick", index); }
    void mouseDown(int index, std::int16_t& button, std::int16_t& shift, float& x,
                   float& y) override {
        record("MouseDown", index, button, shift, x, y);
        x = y = -1;  // the box must not use what a handler leaves here
    }
    void mouseMove(int index, std::int16_t& button, std::int16_t& shift, float& x,
                   float& y) override {
        record("MouseMove", index, button, shift, x, y);
    }
    void mouseUp(int index, std::int16_t& button, std::int16_t& shift, float& x,
                 float& y) override {
        record("MouseUp", index, button, shift, x, y);
    }
    void oleStartDrag(int index, DataObjectRef& data, std::int32_t& allowed) override {
        record("OLEStartDrag", index, allowed);
        if (onStartDrag) onStartDrag(data, allowed);
    }
    void oleSetData(int index, DataObjectRef& data, std::int16_t& format) override {
        record("OLESetData", index, format);
        if (onSetData) onSetData(data, format);
    }
    void oleGiveFeedback(int index, std::int32_t& effect, Boolean&) override {
        record("OLEGiveFeedback", index, effect);
    }
    void oleCompleteDrag(int index, std::int32_t& effect) override {
        record("OLECompleteDrag", index, effect);
    }
    void oleDragOver(int index, DataObjectRef&, std::int32_t& effect, std::int16_t&, std::int16_t&,
                     float& x, float& y, std::int16_t& state) override {
        record("OLEDragOver", index, effect, x, y, state);
        if (onDragOver) onDragOver(effect);
    }
    void oleDragDrop(int index, DataObjectRef&, std::int32_t& effect, std::int16_t&, std::int16_t&,
                     float& x, float& y) override {
        record("OLEDragDrop", index, effect, x, y);
        if (onDragDrop) onDragDrop(effect);
    }

    // The log lines whose name is one of those given, in order.
    std::vector<std::string> only(std::initializer_list<std::string> names) const {
        std::vector<std::string> kept;
        for (const auto& line : log)
            for (const auto& name : names)
                if (line.rfind(name + " ", 0) == 0 || line == name) kept.push_back(line);
        return kept;
    }

private:
    static std::string text(double value) {
        const auto whole = static_cast<long long>(value);
        return whole == value ? std::to_string(whole) : std::to_string(value);
    }
    template <typename... Values>
    void record(const char* name, int index, Values... values) {
        std::string line = std::string(name) + " " + std::to_string(index);
        ((line += " " + text(static_cast<double>(values))), ...);
        log.push_back(line);
    }
};

// A box with the fixed measurer's geometry: ten characters to a row of 1000 twips.
inline std::shared_ptr<EditBox> makeBox(std::uint32_t style, EditBoxEvents* owner = nullptr,
                                        String text = String()) {
    EditBoxCreation creation;
    creation.owner = owner;
    creation.style = style;
    creation.text = std::move(text);
    creation.properties.width = 1000;
    creation.properties.height = 600;
    return EditBox::create(std::move(creation));
}

}  // namespace quelta::testing
