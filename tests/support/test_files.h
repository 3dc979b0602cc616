#pragma once

#include "core/image/settings_image.h"

#include <QByteArray>
#include <QString>

namespace quorvel {

// The shipped factory file in the source tree.
QString shippedFactoryFile();
// The image the shipped factory file holds; the test stops when it cannot be read.
SettingsImage shippedFactoryImage();
void writeFile(const QString& path, const QByteArray& content);
QByteArray fileContent(const QString& path);
// An image with a recognisable value in every byte.
SettingsImage patternImage(int seed = 0);

// A FIFO with no writer: opening it for reading would block. False where the
// system has none (the test skips then).
bool makeFifo(const QString& path);
// What stands at a name, a link not followed: "none", "file", "folder", "link to TARGET"
// or "node" (FIFO, device, socket). Never opens it.
QString nodeKind(const QString& path);

} // namespace quorvel

// Lets QCOMPARE print messages readably.
#include "ui/dialogs.h"
#include <QtTest/QTest>
namespace QTest {
template <> inline char* toString(const quorvel::Message& m) {
    return QTest::toString(QStringLiteral("[%1|%2|icon %3|buttons %4]")
                               .arg(m.text, m.title)
                               .arg(static_cast<int>(m.icon))
                               .arg(static_cast<int>(m.buttons)));
}
} // namespace QTest
