// Form files as Qt widgets, and the demo window rendered to the picture the README shows.
//   QUELTA_SCREENSHOT_OUT=docs/qt-demo.png ctest --test-dir build -R FormWidgetTest
// writes that picture anew.
#include <QtTest>

#include "form/FormFile.h"
#include "platform/fonts/TextMeasurer.h"
#include "qt/DemoWindow.h"
#include "qt/FieldWidgetPrivate.h"
#include "qt/FormWidget.h"

using namespace quelta;
using namespace quelta::qt;

namespace {

std::string formText(const std::string& controls) {
    return R"({"format": "quelta-form", "version": 1, "controls": [)" + controls + "]}";
}

std::string control(const std::string& name, int left, const std::string& properties) {
    return R"({"extender": {"Name": ")" + name + R"(", "Left": )" + std::to_string(left) +
           R"(, "Top": 300, "Width": 1200, "Height": 300}, "properties": {)" + properties + "}}";
}

// Whether the rectangle holds a pixel close to the colour (antialiased text is lighter at
// its edges, not at its cores).
bool holdsColour(const QImage& image, const QRect& rect, const QColor& colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 48 &&
                std::abs(pixel.green() - colour.green()) < 48 &&
                std::abs(pixel.blue() - colour.blue()) < 48)
                return true;
        }
    }
    return false;
}

}  // namespace

class FormWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void controlsStandAtTheirPlacesInTabOrder() {
        const std::string text =
            formText(control("txtA", 3000, R"("DataType": 4)") + ", " +
                     control("txtB", 1500, R"("Text": "b", "Enabled": false)"));
        std::unique_ptr<QWidget> form = formWidget(parseFormFile(text, "f.json"), "f.json");
        const QList<FieldWidget*> fields = form->findChildren<FieldWidget*>();
        QCOMPARE(fields.size(), 2);
        QCOMPARE(fields[0]->objectName(), QStringLiteral("txtA"));
        QCOMPARE(fields[0]->dataType(), FieldWidget::DataType::Numeric);
        QCOMPARE(fields[1]->text(), QStringLiteral("b"));
        QCOMPARE(fields[0]->x() - fields[1]->x(), qRound(1500 / twipsPerPixelX()));
        QCOMPARE(fields[0]->width(), qRound(1200 / twipsPerPixelX()));
        // A disabled control is no stop of Qt's focus chain, as Tab passes over it on a form.
        QCOMPARE(fields[0]->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(fields[1]->focusPolicy(), Qt::NoFocus);
    }

    void aRefusedFileNamesThePlaceAndBuildsNothing() {
        const std::string text =
            formText(control("txtA", 0, "") + ", " + control("txtB", 0, R"("Alignment": "right")"));
        try {
            formWidget(parseFormFile(text, "f.json"), "f.json");
            QFAIL("the form was built");
        } catch (const FormFileError& refusal) {
            QCOMPARE(refusal.place(), std::string("controls[1].properties.Alignment"));
        }
        QVERIFY_THROWS_EXCEPTION(FormFileError, loadFormWidget("/no/such/form.json"));
    }

    // Every field of the demo shows its text in its text colour.
    void theDemoFormRendersEachField() {
        std::unique_ptr<DemoWindow> window = sampleDemoWindow(QStringLiteral("en-US"));
        window->resize(760, 440);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const QList<FieldWidget*> fields = window->form().findChildren<FieldWidget*>();
        const char* const typed[] = {"Jane Doe", "ab1234", "12",   "1234.5",
                                     "-0.125",   "y",      "12/3", "930"};
        for (std::size_t i = 0; i < std::size(typed); ++i) {
            fields[static_cast<int>(i)]->setFocus();
            QTest::keyClicks(fields[static_cast<int>(i)], QString::fromLatin1(typed[i]));
        }
        fields.front()->setFocus();  // the others show their display formats

        const QImage image = window->grab().toImage();
        if (const QByteArray out = qgetenv("QUELTA_SCREENSHOT_OUT"); !out.isEmpty())
            QVERIFY(image.save(QString::fromLocal8Bit(out)));
        for (FieldWidget* field : fields) {
            const QRect area(field->mapTo(window.get(), QPoint(0, 0)), field->size());
            const QColor ink = field->isEnabled()
                                   ? field->palette().color(QPalette::Text)
                                   : field->palette().color(QPalette::Disabled, QPalette::Text);
            QVERIFY2(holdsColour(image, area.adjusted(3, 3, -3, -3), ink),
                     qPrintable(field->objectName() + " shows no text"));
        }
    }
};

QTEST_MAIN(FormWidgetTest)
#include "FormWidgetTest.moc"
