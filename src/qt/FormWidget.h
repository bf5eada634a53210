#pragma once
// A form file as a Qt widget: each control of the file becomes a FieldWidget at its place
// (twips to pixels at the screen's resolution), in the file's tab order, with its caption
// (its ToolTipText, else its name) right-aligned in the room before it, as the terminal
// host shows the form. A form designed with `quelta design` opens in any Qt application.
// Laid out in rows instead, the form is a QFormLayout of caption and field, as Qt forms
// are: each field as wide as the file made it (a multi-line one as high, too), as high as
// its font asks, with the style's spacing between the rows.

#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "form/FormFile.h"

namespace quelta::qt {

// The whole file is checked before a widget is built: a file a control refuses raises
// FormFileError naming the file, the place and the key, and builds nothing. `region` as
// for FieldWidget; the form must have been read in it (selectRegionFor, QtRegion.h).
enum class FormLayout { Placed, Rows };

std::unique_ptr<QWidget> formWidget(const StoredForm& form, const std::string& file,
                                    const QString& region = {},
                                    FormLayout layout = FormLayout::Placed);
// Chooses the region, then reads the file in it (FormFileError for a missing or damaged
// one).
std::unique_ptr<QWidget> loadFormWidget(const std::string& path, const QString& region = {},
                                        FormLayout layout = FormLayout::Placed);

}  // namespace quelta::qt
