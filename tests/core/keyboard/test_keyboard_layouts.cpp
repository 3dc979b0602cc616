#include "core/keyboard/alt_code.h"
#include "core/keyboard/keyboard_layout.h"
#include "core/keyboard/layout_match.h"
#include "core/keyboard/sent_reading.h"
#include "core/swipe/track_lrc.h"

#include "typed_keys.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvel;

namespace {

enum Language { US = 0, UK = 1, FRANCE = 2, GERMANY = 3, ITALY = 4, BELGIUM = 5, SWISS = 10, CANADA = 12,
                POLAND = 14, JAPAN = 16 };

const QString kFrame = QStringLiteral("%B4111111111111111^DOE/JOHN^2512101?;4111111111111111=2512101?[Enter]");

QString sentText(const SentReading& reading) {
    QString text;
    for (const SentKey& key : reading.keys)
        text += key.key.key == Qt::Key_Return ? QStringLiteral("[Enter]") : key.key.text;
    return text;
}

QString receivedText(const QList<KeyPress>& keys) {
    QString text;
    for (const KeyPress& key : keys)
        text += key.key == Qt::Key_Return ? QStringLiteral("[Enter]") : key.text;
    return text;
}

} // namespace

class KeyboardLayoutsTest : public QObject {
    Q_OBJECT
private slots:
    // The committed tables are what xkeyboard-config says today.
    void generatedTablesAreCurrent() {
#ifndef QUORVEL_LAYOUT_GENERATOR
        QSKIP("libxkbcommon or xkeyboard-config is not installed; the tables cannot be regenerated");
#else
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString generated = dir.filePath(QStringLiteral("table.cpp"));
        QProcess generator;
        generator.start(QStringLiteral(QUORVEL_LAYOUT_GENERATOR), {generated});
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), 0);
        QFile fresh(generated);
        QFile committed(QStringLiteral(QUORVEL_LAYOUT_TABLE));
        QVERIFY(fresh.open(QIODevice::ReadOnly));
        QVERIFY(committed.open(QIODevice::ReadOnly));
        const QList<QByteArray> freshLines = fresh.readAll().split('\n');
        const QList<QByteArray> committedLines = committed.readAll().split('\n');
        for (qsizetype i = 0; i < std::min(freshLines.size(), committedLines.size()); ++i)
            if (freshLines.at(i) != committedLines.at(i))
                QFAIL(qPrintable(QStringLiteral("line %1 differs; run generate_keyboard_layouts %2")
                                     .arg(i + 1)
                                     .arg(QStringLiteral(QUORVEL_LAYOUT_TABLE))));
        QCOMPARE(freshLines.size(), committedLines.size());
#endif
    }

    // Spot checks that each language got its own layout, in the order of byte 48.
    void layoutFacts_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("state");
        QTest::addColumn<uint>("symbol");
        QTest::addColumn<bool>("dead");
        const int shift = int(KeyState::Shift);
        const int altGr = int(KeyState::AltGr);
        QTest::newRow("U.S. ? is Shift+/") << int(US) << 53 << shift << uint('?') << false;
        QTest::newRow("U.K. \" is Shift+2") << int(UK) << 3 << shift << uint('"') << false;
        QTest::newRow("FRANCE digits need Shift") << int(FRANCE) << 2 << 0 << uint('&') << false;
        QTest::newRow("GERMANY Y and Z swapped") << int(GERMANY) << 21 << 0 << uint('z') << false;
        QTest::newRow("GERMANY @ on AltGr+Q") << int(GERMANY) << 16 << altGr << uint('@') << false;
        QTest::newRow("GERMANY ^ is dead") << int(GERMANY) << 41 << 0 << uint('^') << true;
        QTest::newRow("SWISS ^ dead on AE12") << int(SWISS) << 13 << 0 << uint('^') << true;
        QTest::newRow("CANADA # left of 1") << int(CANADA) << 41 << 0 << uint('#') << false;
        QTest::newRow("POLAND is QWERTY") << int(POLAND) << 21 << 0 << uint('y') << false;
        QTest::newRow("JAPAN ^ beside -") << int(JAPAN) << 13 << 0 << uint('^') << false;
        QTest::newRow("JAPAN yen key types a backslash") << int(JAPAN) << 124 << 0 << uint('\\') << false;
        QTest::newRow("no such key") << int(US) << 1 << 0 << uint(0) << false;
    }
    void layoutFacts() {
        QFETCH(int, language);
        QFETCH(int, position);
        QFETCH(int, state);
        QFETCH(uint, symbol);
        QFETCH(bool, dead);
        const LayoutSymbol found = KeyboardLayout::ofLanguage(language)->symbol(position, KeyStates(state));
        QCOMPARE(uint(found.symbol), symbol);
        QCOMPARE(found.dead, dead);
    }

    // What Caps Lock gives, as libxkbcommon says: letters beyond ASCII too, and on
    // some keys a capital that no Shift level has.
    void capsLock_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<uint>("symbol");
        QTest::newRow("U.S. a") << int(US) << 30 << false << uint('A');
        QTest::newRow("U.S. Shift a") << int(US) << 30 << true << uint('a');
        QTest::newRow("U.S. digit") << int(US) << 2 << false << uint('1');
        QTest::newRow("FRANCE é") << int(FRANCE) << 3 << false << uint(0xC9);
        QTest::newRow("FRANCE & stays") << int(FRANCE) << 2 << false << uint('&');
        QTest::newRow("FRANCE ù") << int(FRANCE) << 40 << false << uint(0xD9);
        QTest::newRow("ITALY ò") << int(ITALY) << 39 << false << uint(0xD2);
        QTest::newRow("ITALY Shift ç") << int(ITALY) << 39 << true << uint(0xC7);
        QTest::newRow("BELGIUM à") << int(BELGIUM) << 11 << false << uint(0xC0);
        QTest::newRow("SWISS ö") << int(SWISS) << 39 << false << uint(0xD6);
        QTest::newRow("SWISS Shift é") << int(SWISS) << 39 << true << uint(0xC9);
        QTest::newRow("GERMANY ö") << int(GERMANY) << 39 << false << uint(0xD6);
        QTest::newRow("GERMANY Shift Ö") << int(GERMANY) << 39 << true << uint(0xF6);
        QTest::newRow("GERMANY ß") << int(GERMANY) << 12 << false << uint(0x1E9E);
    }
    void capsLock() {
        QFETCH(int, language);
        QFETCH(int, position);
        QFETCH(bool, shift);
        QFETCH(uint, symbol);
        const KeyboardLayout& layout = *KeyboardLayout::ofLanguage(language);
        const KeyStates state = shift ? KeyStates(KeyState::Shift) : KeyStates();
        const KeyStates caps = state | KeyState::CapsLock;
        QCOMPARE(uint(layout.symbol(position, caps, KeyboardLayout::Caps::Applied).symbol), symbol);
        // A reader has no Caps Lock of its own.
        QCOMPARE(layout.symbol(position, caps), layout.symbol(position, state));
    }

    // A reader of one language types the frame into a computer of another:
    // decoded with the reader's language it is the frame again, and only the
    // computer's layout (and those that agree with it on these keys) fits.
    void readerIntoComputer_data() {
        QTest::addColumn<int>("reader");
        QTest::addColumn<int>("computer");
        QTest::addColumn<QString>("received");
        QTest::addColumn<QList<int>>("fits");
        QTest::newRow("U.S. into U.S.") << int(US) << int(US) << kFrame << QList<int>{US, POLAND};
        QTest::newRow("U.S. into GERMANY")
            << int(US) << int(GERMANY)
            << "%B4111111111111111&DOE-JOHN&2512101_ö4111111111111111'2512101_[Enter]"
            << QList<int>{GERMANY};
        QTest::newRow("U.S. into FRANCE")
            << int(US) << int(FRANCE)
            << "5B'&&&&&&&&&&&&&&&6DOE!JOHN6é(&é&à&§m'&&&&&&&&&&&&&&&=é(&é&à&§[Enter]"
            << QList<int>{FRANCE};
        QTest::newRow("GERMANY into U.S.")
            << int(GERMANY) << int(US) << "%B4111111111111111` DOE&JOHN` 2512101_<4111111111111111)2512101_[Enter]"
            << QList<int>{US};
        QTest::newRow("JAPAN into U.S.")
            << int(JAPAN) << int(US) << "%B4111111111111111=DOE/JOHN=2512101?;4111111111111111_2512101?[Enter]"
            << QList<int>{US, POLAND};
    }
    void readerIntoComputer() {
        QFETCH(int, reader);
        QFETCH(int, computer);
        QFETCH(QString, received);
        QFETCH(QList<int>, fits);
        const QList<KeyPress> keys = typedAt(reader, computer, kFrame);
        QCOMPARE(receivedText(keys), received);
        QCOMPARE(sentText(readAsSent(keys, reader)), kFrame);
        const LayoutMatch match = matchComputerLayout(keys);
        for (int language : fits)
            QVERIFY2(match.languages.contains(language), qPrintable(QString::number(language)));
        QVERIFY(match.languages.contains(computer));
        QCOMPARE(match.languages.contains(reader), reader == computer || fits.contains(reader));
    }

    // Every language read back by itself, so no table is missing a key of the frame.
    void everyLanguageReadsItsOwnFrame() {
        for (int language = 0; language < KeyboardLayout::kLanguages; ++language) {
            const QList<KeyPress> keys = typedAt(language, language, kFrame);
            QCOMPARE(receivedText(keys), kFrame);
            QCOMPARE(sentText(readAsSent(keys, language)), kFrame);
            QVERIFY(matchComputerLayout(keys).languages.contains(language));
        }
    }

    // A character the reader's layout has only as a dead key: dead key, then Space.
    void readerDeadKeyThenSpace() {
        const QList<KeyPress> keys = typedAt(GERMANY, GERMANY, QStringLiteral("^1"));
        QCOMPARE(keys.size(), 3);
        QCOMPARE(keys.at(0).text, QString());
        const SentReading reading = readAsSent(keys, GERMANY);
        QCOMPARE(sentText(reading), QStringLiteral("^1"));
        QCOMPARE(reading.keys.at(0).first, 0);
        QCOMPARE(reading.keys.at(0).last, 1);
    }

    void noPositionKeepsText() {
        QList<KeyPress> keys = typedAt(US, GERMANY, QStringLiteral("?;"));
        for (KeyPress& key : keys)
            key.position = kNoPosition;
        const SentReading reading = readAsSent(keys, US);
        QCOMPARE(sentText(reading), QStringLiteral("_ö"));
        QVERIFY(!reading.positions);
        QCOMPARE(matchComputerLayout(keys).keysCompared, 0);
    }

    void lockKeys() {
        QList<KeyPress> keys = typedAt(US, US, QStringLiteral("%B1"), KeyState::CapsLock);
        keys.prepend(KeyPress{0, Qt::Key_CapsLock, {}, {}, 58, {}});
        keys.insert(2, KeyPress{0, Qt::Key_NumLock, {}, {}, 69, KeyState::CapsLock});
        const SentReading reading = readAsSent(keys, US);
        QCOMPARE(sentText(reading), QStringLiteral("%B1"));
        QCOMPARE(reading.lockKeys, 2);
        QVERIFY(reading.capsLock);
        // With Caps Lock on the computer received a lower-case b.
        QCOMPARE(receivedText(keys), QStringLiteral("%b1"));
        QVERIFY(matchComputerLayout(keys).languages.contains(US));
    }

    void altCodes_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("character");
        QTest::newRow("DOS 65") << "65" << "A";
        QTest::newRow("Windows 065") << "065" << "A";
        QTest::newRow("DOS 37") << "37" << "%";
        QTest::newRow("first common") << "32" << " ";
        QTest::newRow("last common") << "126" << "~";
        QTest::newRow("modulo 256") << "321" << "A";
        QTest::newRow("control code") << "13" << "";
        QTest::newRow("DEL") << "127" << "";
        QTest::newRow("code page dependent") << "0233" << "";
        QTest::newRow("no digits") << "" << "";
    }
    void altCodes() {
        QFETCH(QString, digits);
        QFETCH(QString, character);
        QCOMPARE(altCodeCharacter(digits), character);
    }

    void altModeSequences_data() {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<bool>("numLockToggles");
        QTest::newRow("DOS codes") << false << false;
        QTest::newRow("Windows codes") << true << false;
        QTest::newRow("Num Lock toggled between digits") << false << true;
    }
    void altModeSequences() {
        QFETCH(bool, windows);
        QFETCH(bool, numLockToggles);
        QList<KeyPress> keys = typedAsAltCodes(QStringLiteral("%B41?"), windows);
        if (numLockToggles)
            for (qsizetype i = keys.size() - 1; i > 0; --i)
                if (keys.at(i).key != Qt::Key_Alt)
                    keys.insert(i, KeyPress{0, Qt::Key_NumLock, Qt::AltModifier, {}, 69, KeyState::Alt});
        keys << KeyPress{0, Qt::Key_Return, {}, QStringLiteral("\r"), 28, {}};
        const SentReading reading = readAsSent(keys, US);
        QCOMPARE(sentText(reading), QStringLiteral("%B41?[Enter]"));
        QCOMPARE(reading.altCodes, 5);
        QCOMPARE(reading.keys.at(0).altCode, windows ? QStringLiteral("037") : QStringLiteral("37"));
    }

    // LRC values worked out by hand: XOR of the codes, then the offset.
    void lrc_data() {
        QTest::addColumn<int>("track");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("lrc");
        // ; 1 ? are 0xB 0x1 0xF: 1011 ^ 0001 ^ 1111 = 0101 -> '5'.
        QTest::newRow("track 2 short") << 2 << ";1?" << "5";
        // ; 4 1 ? : 1011 ^ 0100 ^ 0001 ^ 1111 = 0001 -> '1'.
        QTest::newRow("track 2 digits") << 2 << ";41?" << "1";
        // ; = ? : 1011 ^ 1101 ^ 1111 = 1001 -> '9'.
        QTest::newRow("track 3 separator") << 3 << ";=?" << "9";
        // % A ? are 0x05 0x21 0x1F: 000101 ^ 100001 ^ 011111 = 111011 -> 0x3B + 0x20 = '['.
        QTest::newRow("track 1 letter") << 1 << "%A?" << "[";
        // % B 1 ? : 0x05 ^ 0x22 ^ 0x11 ^ 0x1F = 0x29 -> 0x49 'I'.
        QTest::newRow("track 1 mixed") << 1 << "%B1?" << "I";
        // % ? : 0x05 ^ 0x1F = 0x1A -> 0x3A ':'.
        QTest::newRow("track 1 empty") << 1 << "%?" << ":";
        QTest::newRow("track 2 letter is outside its set") << 2 << ";A?" << "";
        QTest::newRow("track 1 lower case is outside its set") << 1 << "%a?" << "";
        QTest::newRow("nothing") << 2 << "" << "";
    }
    void lrc() {
        QFETCH(int, track);
        QFETCH(QString, data);
        QFETCH(QString, lrc);
        const std::optional<QChar> found = trackLrc(track, data);
        QCOMPARE(found ? QString(*found) : QString(), lrc);
    }
};

QTEST_GUILESS_MAIN(KeyboardLayoutsTest)
#include "test_keyboard_layouts.moc"
