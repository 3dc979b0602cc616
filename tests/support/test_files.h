#pragma once

#include "core/session.h"

#include <QByteArray>
#include <QString>

namespace quorvel {

// The shipped factory file in the source tree.
QString shippedFactoryFile();
void writeFile(const QString& path, const QByteArray& content);
QByteArray fileContent(const QString& path);
// An image with a recognisable value in every byte.
SettingsImage patternImage(int seed = 0);

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
