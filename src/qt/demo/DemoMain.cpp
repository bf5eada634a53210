// quelta-qt-demo [FORM] [--region NAME]: the sample order form (or a form file) as a Qt
// window, with a live log of its events beside it.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <exception>

#include "form/EscapedText.h"
#include "form/FormFile.h"
#include "form/RegionOption.h"
#include "platform/AutomationError.h"
#include "qt/DemoWindow.h"
#include "qt/FormWidget.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Opens a form of Quelta controls in a Qt window, beside a log of its "
                       "events. Without FORM it opens the sample order form."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("FORM"), QStringLiteral("a saved form file"));
    const QCommandLineOption region(QStringLiteral("region"),
                                    QStringLiteral("regional settings, e.g. de-DE (default: "
                                                   "the system locale's)"),
                                    QStringLiteral("NAME"));
    options.addOption(region);
    options.process(application);  // prints the usage and exits 1 for an unknown option
    if (options.positionalArguments().size() > 1) {
        std::fputs("quelta-qt-demo: one form file at most\n", stderr);
        return quelta::kCommandLineMistake;
    }
    // As `quelta run` does: a region without settings is a mistake, not a wish for en-US.
    if (options.isSet(region)) {
        const std::string refusal = quelta::regionRefusal(options.value(region).toStdString());
        if (!refusal.empty()) {
            std::fprintf(stderr, "quelta-qt-demo: %s\n%s", quelta::escapedText(refusal).c_str(),
                         qPrintable(options.helpText()));
            return quelta::kCommandLineMistake;
        }
    }
    try {
        std::unique_ptr<quelta::qt::DemoWindow> window;
        if (options.positionalArguments().isEmpty()) {
            window = quelta::qt::sampleDemoWindow(options.value(region));
        } else {
            const std::string file = options.positionalArguments().front().toStdString();
            window = std::make_unique<quelta::qt::DemoWindow>(quelta::qt::loadFormWidget(
                file, options.value(region), quelta::qt::FormLayout::Rows));
        }
        window->show();
        return application.exec();
    } catch (const quelta::FormFileError& refusal) {
        std::fprintf(stderr, "quelta-qt-demo: %s\n", refusal.what());
    } catch (const quelta::AutomationError& error) {
        std::fprintf(stderr, "quelta-qt-demo: the form cannot be opened (error %d)\n",
                     error.number());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quelta-qt-demo: %s\n", error.what());
    }
    return 1;
}
