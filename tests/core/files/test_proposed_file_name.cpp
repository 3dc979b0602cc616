#include "core/files/proposed_file_name.h"

#include <QtTest>

using namespace quorvel;

class ProposedFileNameTest : public QObject {
    Q_OBJECT
private slots:
    void buildsTheName_data() {
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("name");
        QTest::newRow("year first") << "2014/12/22" << 45123.45 << "en_US" << "M1412224512";
        QTest::newRow("month first") << "12/22/2014" << 45123.45 << "en_US" << "M2220144512";
        QTest::newRow("short time") << "2014/12/22" << 987.5 << "en_US" << "M141222987.";
        QTest::newRow("comma decimal") << "22.12.2014" << 987.5 << "de_DE" << "M.12.2014987,";
        QTest::newRow("whole seconds") << "2014/12/22" << 5.0 << "en_US" << "M1412225";
        QTest::newRow("no group separator") << "2014/12/22" << 86399.99 << "en_US" << "M1412228639";
        QTest::newRow("midnight") << "2014/12/22" << 0.0 << "en_US" << "M1412220";
    }
    void buildsTheName() {
        QFETCH(QString, shortDate);
        QFETCH(double, seconds);
        QFETCH(QString, localeName);
        QFETCH(QString, name);
        QCOMPARE(proposedFileName(shortDate, seconds, QLocale(localeName)), name);
    }

    void usesTheLocalesShortDate_data() {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("name");
        // Japanese short dates are yyyy/MM/dd; German ones dd.MM.yy.
        QTest::newRow("ja_JP") << "ja_JP" << "M1412224512";
        QTest::newRow("de_DE") << "de_DE" << "M.12.144512";
    }
    void usesTheLocalesShortDate() {
        QFETCH(QString, localeName);
        QFETCH(QString, name);
        const QDateTime at(QDate(2014, 12, 22), QTime(12, 32, 3, 450));
        const QLocale locale(localeName);
        QCOMPARE(proposedFileName(locale.toString(at.date(), QLocale::ShortFormat), 45123.45, locale),
                 proposedFileName(at, locale));
        QCOMPARE(proposedFileName(at, locale), name);
    }
};

QTEST_GUILESS_MAIN(ProposedFileNameTest)
#include "test_proposed_file_name.moc"
