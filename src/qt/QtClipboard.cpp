#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quelta::qt {

bool QtClipboard::hasText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

String QtClipboard::text() const {
    return QGuiApplication::clipboard()->text().toStdU16String();
}

void QtClipboard::setText(String text) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

}  // namespace quelta::qt
