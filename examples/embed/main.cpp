// Two typed fields on a form: an amount and a date, typed into as a person would, then read.
#include <quelta/Error.h>
#include <quelta/FieldForm.h>
#include <quelta/Runtime.h>

#include <chrono>
#include <iostream>

int main() {
    using namespace std::chrono;
    quelta::setThreadRegion(quelta::Region("en-US"));  // before the first field of the thread
    quelta::pinClock(quelta::DateTime(local_days(year(2026) / 6 / 15)));  // "today", for dates

    quelta::FieldForm form;
    quelta::Field amount = form.addField("txtAmount");
    amount.setDataType(quelta::DataType::Numeric);
    amount.setScaleDigits(2);
    amount.setFormat("#,##0.00");
    amount.onKeyPress([](std::int16_t& keyAscii) {
        if (keyAscii == '9') keyAscii = '8';  // what the handler leaves is what is typed
    });

    quelta::Field due = form.addField("txtDue");
    due.setDataType(quelta::DataType::DateTime);
    due.setFormat("Long Date");
    quelta::Field note = form.addField("txtNote");

    // Tab moves on, as on any form; leaving a field shows its value formatted, and "1231"
    // in a date field becomes 31 December of this year (the region writes the month first).
    amount.sendKeys("1234.59{TAB}1231{TAB}");
    note.typeText("Deliver to the side gate");

    std::cout << "amount " << amount.value() << " shows " << amount.formattedText() << '\n';
    std::cout << "due    " << due.text() << " shows " << due.formattedText() << '\n';
    std::cout << "note   " << note.text() << (note.hasFocus() ? " (focused)" : "") << '\n';
    try {
        amount.setAlignment(quelta::Alignment::RightJustify);  // set while a form is designed
    } catch (const quelta::Error& error) {
        std::cout << "Alignment: Error " << error.number() << ", " << error.what() << '\n';
    }
}
