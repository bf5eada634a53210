#pragma once
// Puts Quelta's field (quelta::qt::FieldWidget) in Qt Designer's widget box, so that a form
// made in Designer holds typed fields whose properties are set in the property editor and
// saved in the .ui file. Designer, uic and QUiLoader create the widget by its class name; the
// .ui then names quelta/qt/FieldWidget.h as the header to include.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace quelta::qt {

class FieldWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QDesignerCustomWidgetInterface_iid)
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit FieldWidgetPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    // What Designer puts on a form when the field is dropped from the widget box.
    QString domXml() const override;

private:
    bool initialized_ = false;
};

}  // namespace quelta::qt
