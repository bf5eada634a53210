#pragma once
// A Quelta field as a Qt widget, for Qt applications and for forms made in Qt Designer
// (a .ui file names it as a custom widget: class quelta::qt::FieldWidget, header
// quelta/qt/FieldWidget.h). It draws the field's edit box with Qt and feeds it Qt's keys,
// mouse and focus; Tab and the automatic tab move Qt's focus.
//
// The regional settings belong to the thread: the first field of a thread takes them from
// `region`, else from its QLocale. A value the field refuses changes nothing and is reported
// by `refused` with the error number.

#include <QString>
#include <QWidget>

#include "quelta/Export.h"

namespace quelta::qt {

class QueltaWidget;

class QUELTA_API FieldWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY changed)
    Q_PROPERTY(QString value READ value WRITE setValue NOTIFY changed)
    Q_PROPERTY(QString formattedText READ formattedText NOTIFY changed)
    Q_PROPERTY(int dataType READ dataType WRITE setDataType)
    Q_PROPERTY(QString format READ format WRITE setFormat)
    Q_PROPERTY(int scaleDigits READ scaleDigits WRITE setScaleDigits)
    Q_PROPERTY(bool autoTab READ autoTab WRITE setAutoTab)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(int alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool locked READ locked WRITE setLocked)

public:
    explicit FieldWidget(QWidget* parent = nullptr, const QString& region = {});
    ~FieldWidget() override;

    QString text() const;
    void setText(const QString& text);
    QString value() const;
    void setValue(const QString& value);
    QString formattedText() const;
    int dataType() const;  // the numbers of quelta::DataType
    void setDataType(int dataType);
    QString format() const;
    void setFormat(const QString& format);
    int scaleDigits() const;
    void setScaleDigits(int digits);
    bool autoTab() const;
    void setAutoTab(bool autoTab);
    int maxLength() const;
    void setMaxLength(int maxLength);
    int alignment() const;  // the numbers of quelta::Alignment
    void setAlignment(int alignment);
    bool locked() const;
    void setLocked(bool locked);

signals:
    void changed();
    // The character about to be typed; set another code to type that instead, 0 to cancel.
    void keyPressed(int& keyAscii);
    void clicked();
    void doubleClicked();
    void refused(const QString& property, int error);

private:
    QueltaWidget* widget_;
};

}  // namespace quelta::qt
