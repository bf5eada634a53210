#include "qt/FormWidget.h"

#include <QFormLayout>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "form/Form.h"
#include "platform/fonts/TextMeasurer.h"
#include "qt/FieldWidgetPrivate.h"
#include "qt/QtPlatformUse.h"
#include "qt/QtRegion.h"

namespace quelta::qt {
namespace {

constexpr int kMargin = 8;      // pixels around the form's controls
constexpr int kRowSpacing = 6;  // at least, between the rows of a form in rows

int pixels(const PropertyBag& extender, StringView key, double twipsPerPixel) {
    return static_cast<int>(
        std::lround(extender.read(key, Variant(0.0)).toDouble() / twipsPerPixel));
}

void addCaption(QWidget& form, const FieldWidget& field, const QString& caption) {
    if (caption.isEmpty() || field.x() <= kMargin) return;
    auto* label = new QLabel(caption, &form);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int height = std::min(field.height(), label->sizeHint().height() + 4);
    label->setGeometry(0, field.y(), field.x() - kMargin, height);
}

QString captionOf(const StoredControl& stored) {
    const String tip = stored.extender.read(u"ToolTipText", Variant(String())).toString();
    const String name = stored.extender.read(u"Name", Variant(String())).toString();
    return QString::fromStdU16String(tip.empty() ? name : tip);
}

void layInRows(QWidget& built, const StoredForm& form, const std::string& file,
               const QString& region) {
    auto* rows = new QFormLayout(&built);
    rows->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    rows->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows->setVerticalSpacing(std::max(rows->verticalSpacing(), kRowSpacing));
    for (const StoredControl& stored : form.controls) {
        auto* field = new FieldWidget(&built, region);
        FieldWidgetPrivate::of(*field).load(stored, file);
        field->setMinimumWidth(field->width());
        if (field->multiLine()) field->setMinimumHeight(field->height());
        rows->addRow(captionOf(stored), field);
    }
    built.adjustSize();
}

}  // namespace

std::unique_ptr<QWidget> formWidget(const StoredForm& form, const std::string& file,
                                    const QString& region, FormLayout layout) {
    auto built = std::make_unique<QWidget>();
    selectRegionFor(region, built->locale());
    {
        // Every control is started once on a scratch form, so that a refusal names its
        // place in the whole file and nothing of the widget is built.
        const QtPlatformUse qtMeasure;  // as the widgets will measure
        Form check;
        check.replaceWith(form, file);
    }
    if (layout == FormLayout::Rows) {
        layInRows(*built, form, file, region);
        return built;
    }
    QRect used;
    for (const StoredControl& stored : form.controls) {
        auto* field = new FieldWidget(built.get(), region);
        FieldWidgetPrivate::of(*field).load(stored, file);
        field->move(pixels(stored.extender, u"Left", twipsPerPixelX()) + kMargin,
                    pixels(stored.extender, u"Top", twipsPerPixelY()) + kMargin);
        addCaption(*built, *field, captionOf(stored));
        used |= field->geometry();
    }
    built->resize(used.right() + 1 + kMargin, used.bottom() + 1 + kMargin);
    return built;
}

// The region first: a form file's values are read in it.
std::unique_ptr<QWidget> loadFormWidget(const std::string& path, const QString& region,
                                        FormLayout layout) {
    selectRegionFor(region, QLocale());
    return formWidget(loadFormFile(path), path, region, layout);
}

}  // namespace quelta::qt
