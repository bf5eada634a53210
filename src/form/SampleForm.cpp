#include "form/SampleForm.h"

namespace quelta::terminal {

// Numbers, dates and times start selected when a clerk tabs in, so that typing replaces the
// value instead of running into it ("5" into a quantity of 12 gives 5, not 512).
// Positions are whole cells at the default scale (120 twips across, 240 down); the
// ToolTipText is the caption the terminal host shows before each field.
// clang-format off
const std::string_view kSampleFormText = R"form({"format": "quelta-form", "version": 1, "controls": [
 {"extender": {"Name": "txtCustomer", "ToolTipText": "Customer name", "Left": 2400, "Top": 240,
   "Width": 3600, "Height": 240},
  "properties": {"DataType": 0, "MaxLength": 40}},
 {"extender": {"Name": "txtCode", "ToolTipText": "Customer code", "Left": 2400, "Top": 480,
   "Width": 1080, "Height": 240},
  "properties": {"DataType": 2, "AutoTab": true, "MaxLength": 6, "BorderStyle": 1,
   "Appearance": 0}},
 {"extender": {"Name": "txtQuantity", "ToolTipText": "Quantity", "Left": 2400, "Top": 720,
   "Width": 1200, "Height": 240},
  "properties": {"DataType": 4, "MaxLength": 6, "Alignment": 1, "StartSelected": true}},
 {"extender": {"Name": "txtPrice", "ToolTipText": "Unit price", "Left": 2400, "Top": 960,
   "Width": 1680, "Height": 240},
  "properties": {"DataType": 4, "ScaleDigits": 2, "Format": "Standard", "Alignment": 1,
   "StartSelected": true}},
 {"extender": {"Name": "txtDiscount", "ToolTipText": "Discount", "Left": 2400, "Top": 1200,
   "Width": 1200, "Height": 240},
  "properties": {"DataType": 5, "ScaleDigits": 3, "Format": "0.0%", "Alignment": 1,
   "StartSelected": true}},
 {"extender": {"Name": "txtPaid", "ToolTipText": "Paid", "Left": 2400, "Top": 1440,
   "Width": 720, "Height": 240},
  "properties": {"DataType": 3, "Format": "Yes/No"}},
 {"extender": {"Name": "txtDate", "ToolTipText": "Delivery date", "Left": 2400, "Top": 1680,
   "Width": 1440, "Height": 240},
  "properties": {"DataType": 6, "Format": "Vesk Date", "StartSelected": true}},
 {"extender": {"Name": "txtTime", "ToolTipText": "Delivery time", "Left": 2400, "Top": 1920,
   "Width": 1200, "Height": 240},
  "properties": {"DataType": 6, "Format": "Short Time", "StartSelected": true}},
 {"extender": {"Name": "txtOrderNo", "ToolTipText": "Order number", "Left": 2400, "Top": 2160,
   "Width": 1200, "Height": 240},
  "properties": {"Text": "A-10457", "Enabled": false, "DisabledGray": true}},
 {"extender": {"Name": "txtWeight", "ToolTipText": "Weight (right)", "Left": 2400, "Top": 2400,
   "Width": 1440, "Height": 240},
  "properties": {"Text": "12.5 kg", "Alignment": 1}},
 {"extender": {"Name": "txtCarrier", "ToolTipText": "Carrier (centred)", "Left": 2400,
   "Top": 2640, "Width": 2400, "Height": 240},
  "properties": {"Text": "Road", "Alignment": 2}},
 {"extender": {"Name": "txtNotes", "ToolTipText": "Notes", "Left": 2400, "Top": 3000,
   "Width": 4200, "Height": 1440},
  "properties": {"MultiLine": true, "WordWrap": true, "ScrollBars": 2,
   "Text": "Deliver to the side gate; ring twice."}}
]}
)form";
// clang-format on

}  // namespace quelta::terminal
