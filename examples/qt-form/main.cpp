// The order form of order.ui with its two Quelta fields: values given, then read back as
// the fields show them. Runs without a display with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QLocale>
#include <QWidget>
#include <iostream>

#include "ui_order.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // the same everywhere
    QWidget window;
    Ui::OrderForm form;
    form.setupUi(&window);  // the fields take the region of the window's QLocale

    form.txtQuantity->setText("1200");
    form.txtPrice->setText("1234.5");
    QObject::connect(form.txtPrice, &quelta::qt::FieldWidget::refused,
                     [](const QString& property, int error) {
                         std::cout << property.toStdString() << " refused: Error " << error << '\n';
                     });
    // A number that names no data type: refused, the field unchanged.
    form.txtPrice->setDataType(static_cast<quelta::qt::FieldWidget::DataType>(9));

    std::cout << "quantity " << form.txtQuantity->formattedText().toStdString() << '\n';
    std::cout << "price    " << form.txtPrice->formattedText().toStdString() << '\n';
    return 0;
}
