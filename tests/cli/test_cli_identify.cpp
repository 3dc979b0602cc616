#include "swipe_terminal.h"

#include "drawer_reader.h"

#include <QJsonArray>

using namespace quorvel;
using namespace quorvel::swipe_terminal;

namespace {

// What a terminal receives from a reader with these settings, on a US layout.
QByteArray typedText(const SettingsImage& image) {
    QString text;
    for (const KeyPress& key : readerKeys(image, kThreeTrackCard).keys)
        text += key.text;
    return text.toLatin1();
}

// Runs identify on a terminal the swipes are typed into, a pause after each.
Run identify(const QStringList& args, const QList<QByteArray>& swipes) {
    PseudoTerminal terminal;
    std::thread reader;
    const Run run =
        onTerminal(QStringLiteral("identify"), terminal.slave,
                   QStringList{QStringLiteral("--gap"), QStringLiteral("50"),
                               QStringLiteral("--layout"), QStringLiteral("us")} +
                       args,
                   [&] {
                       reader = std::thread([&] {
                           for (const QByteArray& swipe : swipes) {
                               terminal.type(swipe);
                               std::this_thread::sleep_for(std::chrono::milliseconds(200));
                           }
                       });
                   });
    reader.join();
    return run;
}

} // namespace

class CliIdentifyTest : public QObject {
    Q_OBJECT
private slots:
    // The whole way: a reader's swipe in a terminal, a profile of what it showed, and apply
    // making another reader's settings file of it, the rest left as the factory file has it.
    void aProfileFromASwipeSetsUpAnotherReader() {
        QTemporaryDir dir;
        const QString profile = dir.filePath(QStringLiteral("p.json"));
        const Run run = identify(
            {QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("-o"), profile},
            {typedText(drawerReader())});
        QCOMPARE(run.status, 0);
        for (const char* line :
             {"* Magnetic Card: Track Order: 2-1-3 (compared: 1-2-3)\n", "      also fits: 3-1-2\n",
              "* Magnetic Card: Transmit LRC: on (compared: off)\n",
              "* Terminator: Keyboard: TAB (compared: CR)\n",
              "  Keyboard Language: Language for Keyboard Interface: U.S.\n",
              "General Parameter: Case: no letter came, or Caps Lock could not be seen\n"})
            QVERIFY2(run.out.contains(QString::fromUtf8(line)), qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("Cannot be told from a swipe: ")),
                 qPrintable(run.out));
        QFile written(profile);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        for (const QByteArray& shown : {run.out.toUtf8(), run.err.toUtf8(), text})
            QVERIFY(!shown.contains(kCardNumber) && !shown.contains("DOE"));
        const QJsonObject settings = QJsonDocument::fromJson(text).object();
        QVERIFY(!settings.contains(QStringLiteral("buzzer-pitch")));
        QVERIFY(!settings.contains(QStringLiteral("case")));

        const QString made = dir.filePath(QStringLiteral("reader.msr"));
        QString out, err;
        QTextStream o(&out), e(&err);
        CliContext context;
        context.factoryFile = shippedFactoryFile();
        QCOMPARE(runCli({QStringLiteral("apply"), profile, shippedFactoryFile(),
                         QStringLiteral("-o"), made},
                        o, e, context),
                 0);
        SettingsImage image{};
        QCOMPARE(readDataFile(made, image).result, ReadResult::Loaded);
        QCOMPARE(image, drawerReader());
    }

    void saysWhenTheSwipesDoNotRead_data() {
        QTest::addColumn<QList<QByteArray>>("typed");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        SettingsImage other = drawerReader();
        setFieldValue(other, FieldId::Preamble, 'C', 0);
        QTest::newRow("two readers")
            << QList<QByteArray>{typedText(drawerReader()), typedText(other)} << 1
            << "quorvel-cli: identify: the swipes disagree on Preamble & Postamble: "
               "Preamble\n";
        QTest::newRow("nothing") << QList<QByteArray>{} << 7
                                 << "quorvel-cli: identify: no swipe came before the timeout\n";
    }
    void saysWhenTheSwipesDoNotRead() {
        QFETCH(QList<QByteArray>, typed);
        QFETCH(int, status);
        QFETCH(QString, said);
        const Run run = identify({QStringLiteral("--count"), QStringLiteral("2"),
                                  QStringLiteral("--timeout"), QStringLiteral("1")},
                                 typed);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.endsWith(said), qPrintable(run.err));
    }

    void printsJson() {
        const Run run =
            identify({QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("--json")},
                     {typedText(drawerReader())});
        QCOMPARE(run.status, 0);
        const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("read")), QJsonValue(true));
        const QJsonObject order = object.value(QStringLiteral("told")).toArray().at(3).toObject();
        QCOMPARE(order.value(QStringLiteral("key")), QJsonValue(QStringLiteral("track-order")));
        QCOMPARE(order.value(QStringLiteral("alsoFits")).toArray(),
                 QJsonArray{QStringLiteral("3-1-2")});
        QVERIFY(object.value(QStringLiteral("cannotBeTold"))
                    .toArray()
                    .contains(QStringLiteral("buzzer-pitch")));
    }
};

QTEST_GUILESS_MAIN(CliIdentifyTest)
#include "test_cli_identify.moc"
