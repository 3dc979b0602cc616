#include "page_fixture.h"

#include "pages/amble_page.h"

using namespace quorvel;

Q_DECLARE_METATYPE(quorvel::Message)

namespace {

constexpr int kEntries = AmblePage::kEntries;
constexpr int kUnusedByte = 90;

const Message kPreambleGap{QStringLiteral("Invalid Preamble string setting"),
                           QStringLiteral("Quorvel"), Icon::Critical};
const Message kPostambleGap{QStringLiteral("Invalid Postamble string setting"),
                            QStringLiteral("Quorvel"), Icon::Critical};

int byteOf(int entry) {
    return entry < 10 ? 80 + entry : 91 + entry - 10;
}

// Twenty code texts: `fill` everywhere but the entries given.
QStringList texts(std::initializer_list<std::pair<int, const char*>> entries,
                  const char* fill = "") {
    QStringList result(kEntries, QString::fromUtf8(fill));
    for (const auto& [entry, text] : entries)
        result[entry] = QString::fromUtf8(text);
    return result;
}

// Twenty codes: 0 everywhere but the entries given.
QList<int> codes(std::initializer_list<std::pair<int, int>> entries) {
    QList<int> result(kEntries, 0);
    for (const auto& [entry, code] : entries)
        result[entry] = code;
    return result;
}

} // namespace

class AmblePageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PageFixture<AmblePage>> f;

    QPushButton* button(int i) const {
        return f->child<QPushButton>(QStringLiteral("Preamble_%1").arg(i));
    }
    QLineEdit* box(int i) const { return f->child<QLineEdit>(QStringLiteral("Text1_%1").arg(i)); }
    QList<int> stored() const {
        QList<int> result;
        for (int i = 0; i < kEntries; ++i)
            result << f->session.byte(byteOf(i));
        return result;
    }
    // Full strings in both halves and a marker in the byte between them.
    void showFullStrings() {
        for (int i = 0; i < kEntries; ++i)
            f->session.setByte(byteOf(i), 0x30 + i);
        f->session.setByte(kUnusedByte, 0x5A);
        f->page->activate();
    }
    void enter(const QStringList& all) {
        for (int i = 0; i < kEntries; ++i) {
            box(i)->setText(all[i]);
            QCOMPARE(box(i)->text(), all[i]); // it fits into the box
        }
    }
    void press(int i, Qt::MouseButton mouseButton) {
        QTest::mouseClick(button(i), mouseButton, {}, button(i)->rect().center());
    }

private slots:
    void init() {
        f = std::make_unique<PageFixture<AmblePage>>();
        f->buildShown();
    }
    void cleanup() {
        QCOMPARE(f->dialogs.unexpected, 0);
        f.reset();
    }

    void builtState() {
        QCOMPARE(f->page->objectName(), QStringLiteral("frmAmble"));
        QCOMPARE(f->child<QLabel>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Preamble & Postamble"));
        QCOMPARE(f->child<QLabel>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Preamble Setting :"));
        QCOMPARE(f->child<QLabel>(QStringLiteral("Label3"))->text(),
                 QStringLiteral("Postamble Setting :"));
        QCOMPARE(
            f->child<QLabel>(QStringLiteral("Label4"))->text(),
            QStringLiteral("(Click button to set preamble character or postamble character )  "));
        for (int i = 0; i < kEntries; ++i) {
            const QString what = i < 10 ? QStringLiteral("Preamble %1").arg(i + 1)
                                        : QStringLiteral("Postamble %1").arg(i - 9);
            QCOMPARE(box(i)->text(), QStringLiteral("&H00"));
            QCOMPARE(box(i)->maxLength(), 4);
            QVERIFY(!box(i)->isReadOnly());
            QCOMPARE(box(i)->accessibleName(), what + QStringLiteral(" code"));
            QCOMPARE(button(i)->text(), QString());
            QCOMPARE(button(i)->accessibleName(), what + QStringLiteral(": "));
            QCOMPARE(button(i)->toolTip(), QStringLiteral("Click mouse right button to clear"));
        }
        QCOMPARE(f->child<QPushButton>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("Accept"));
        QCOMPARE(f->child<QPushButton>(QStringLiteral("Command2"))->text(),
                 QStringLiteral("Default"));
    }

    void activationShowsEachByte_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("zero") << 0 << 0 << "&H0"
                              << " "
                              << " ";
        QTest::newRow("Esc") << 2 << 0x1B << "&H1B"
                             << "Esc"
                             << "Esc";
        QTest::newRow("ampersand") << 9 << 0x26 << "&H26"
                                   << "&"
                                   << "&&";
        QTest::newRow("first postamble") << 10 << 0x0D << "&HD"
                                         << "Enter"
                                         << "Enter";
        QTest::newRow("last postamble") << 19 << 0xFF << "&HFF"
                                        << ""
                                        << "";
    }
    void activationShowsEachByte() {
        QFETCH(int, entry);
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        f->session.image = patternImage(3);
        f->session.setByte(byteOf(entry), code);
        const SettingsImage before = f->session.image;
        f->page->activate();
        QCOMPARE(box(entry)->text(), text);
        QCOMPARE(button(entry)->text(), shown);
        const QString what = entry < 10 ? QStringLiteral("Preamble %1").arg(entry + 1)
                                        : QStringLiteral("Postamble %1").arg(entry - 9);
        QCOMPARE(button(entry)->accessibleName(), what + QStringLiteral(": ") + caption.trimmed());
        QCOMPARE(f->session.image, before);
        QVERIFY(!f->session.changed);
        QVERIFY(f->dialogs.messages.isEmpty());
    }

    void activationDropsWhatWasNotAccepted() {
        showFullStrings();
        f->type(QStringLiteral("Text1_4"), QStringLiteral("&H1B2"));
        QCOMPARE(box(4)->text(), QStringLiteral("&H1B")); // at most four characters
        QCOMPARE(button(4)->text(), QStringLiteral("4")); // typing leaves the caption
        f->page->activate();
        QCOMPARE(box(4)->text(), QStringLiteral("&H34"));
    }

    void acceptStores_data() {
        QTest::addColumn<QStringList>("entered");
        QTest::addColumn<QList<int>>("bytes");
        QTest::newRow("twenty empty") << texts({}) << codes({});
        QTest::newRow("twenty &H0") << texts({}, "&H0") << codes({});
        QTest::newRow("decimal 27") << texts({{0, "27"}}) << codes({{0, 27}});
        QTest::newRow("xyz reads 0") << texts({{0, "&H41"}, {1, "xyz"}}) << codes({{0, 0x41}});
        QTest::newRow("fraction to even")
            << texts({{0, "1.5"}, {1, "2.5"}, {2, "3.5"}, {10, "254."}})
            << codes({{0, 2}, {1, 2}, {2, 4}, {10, 254}});
        QTest::newRow("full strings") << texts({}, "&HFF") << QList<int>(kEntries, 0xFF);
        QTest::newRow("ended by a 0")
            << texts({{0, "&H41"}, {1, "&H42"}, {2, "0"}}) << codes({{0, 0x41}, {1, 0x42}});
        // The first postamble entry is not held against byte 90 or the preamble.
        QTest::newRow("postamble alone")
            << texts({{10, "&HD"}, {11, "&H0A"}}) << codes({{10, 0x0D}, {11, 0x0A}});
        QTest::newRow("lower-case hex") << texts({{0, "&hff"}}) << codes({{0, 255}});
    }
    void acceptStores() {
        QFETCH(QStringList, entered);
        QFETCH(QList<int>, bytes);
        f->session.setByte(kUnusedByte, 0x5A);
        f->page->activate();
        enter(entered);
        f->accept();
        QCOMPARE(f->dialogs.messages,
                 QList<Message>{okMessage("Preamble or Postamble Data Setting O.K.")});
        QCOMPARE(stored(), bytes);
        QCOMPARE(f->session.byte(kUnusedByte), 0x5A);
        QVERIFY(f->session.changed);
        QCOMPARE(box(0)->text(), entered[0]); // the texts stay as typed until the next activation
    }

    void acceptedCodeShowsAsHexNextTime() {
        box(0)->setText(QStringLiteral("27"));
        f->accept();
        f->page->activate();
        QCOMPARE(box(0)->text(), QStringLiteral("&H1B"));
        QCOMPARE(button(0)->text(), QStringLiteral("Esc"));
    }

    // Mended: the first refusal writes no byte at all, not even those of the entries before it.
    void refusedAcceptChangesNothing_data() {
        QTest::addColumn<QStringList>("entered");
        QTest::addColumn<Message>("message");
        QTest::addColumn<int>("offender");
        QTest::addColumn<bool>("atTheBox"); // else at the name button
        QTest::newRow("gap in the preamble")
            << texts({{0, "&H41"}, {1, ""}, {2, "&H42"}}) << kPreambleGap << 2 << false;
        QTest::newRow("empty first preamble entry")
            << texts({{0, ""}, {1, "&H42"}}) << kPreambleGap << 1 << false;
        QTest::newRow("gap in the postamble")
            << texts({{10, ""}, {11, "&HD"}}) << kPostambleGap << 11 << false;
        QTest::newRow("last postamble stranded")
            << texts({{18, "0"}}, "&H41") << kPostambleGap << 19 << false;
        QTest::newRow("text reading 0 makes a gap")
            << texts({{0, "xyz"}, {1, "&H41"}}) << kPreambleGap << 1 << false;
        QTest::newRow("0.5 rounds to 0 and makes a gap")
            << texts({{0, "0.5"}, {1, "&H41"}}) << kPreambleGap << 1 << false;
        // "&H100" does not fit into four characters; "999" is the typed text that reads above 255.
        QTest::newRow("999") << texts({{3, "999"}}, "1") << kOutOfRange << 3 << true;
        QTest::newRow("256") << texts({{15, "256"}}, "1") << kOutOfRange << 15 << true;
        QTest::newRow("-1") << texts({{0, "-1"}}, "1") << kOutOfRange << 0 << true;
        QTest::newRow("-0.5 refused as typed")
            << texts({{19, "-0.5"}}, "1") << kOutOfRange << 19 << true;
        QTest::newRow("range before a later gap")
            << texts({{4, "300"}, {6, "0"}}, "1") << kOutOfRange << 4 << true;
        QTest::newRow("gap before a later range")
            << texts({{4, "0"}, {5, "1"}, {16, "300"}}, "1") << kPreambleGap << 5 << false;
        QTest::newRow("out of range on a gap")
            << texts({{4, "0"}, {5, "999"}}, "1") << kOutOfRange << 5 << true;
        QTest::newRow("postamble range after a good preamble")
            << texts({{12, "300"}}, "&H20") << kOutOfRange << 12 << true;
    }
    void refusedAcceptChangesNothing() {
        QFETCH(QStringList, entered);
        QFETCH(Message, message);
        QFETCH(int, offender);
        QFETCH(bool, atTheBox);
        showFullStrings();
        const SettingsImage before = f->session.image;
        enter(entered);
        f->accept();
        QCOMPARE(f->dialogs.messages, QList<Message>{message});
        QCOMPARE(f->session.image, before);
        QVERIFY(!f->session.changed);
        if (atTheBox) {
            QCOMPARE(QApplication::focusWidget(), box(offender));
            QCOMPARE(box(offender)->selectedText(), entered[offender]);
        } else {
            QCOMPARE(QApplication::focusWidget(), button(offender));
        }
        QCOMPARE(box(offender)->text(), entered[offender]);
    }

    void picks_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("accessible");
        QTest::newRow("Esc") << 2 << "Esc"
                             << "1B"
                             << "&H1B"
                             << "Esc"
                             << "Preamble 3: Esc";
        QTest::newRow("ampersand") << 0 << "&"
                                   << "26"
                                   << "&H26"
                                   << "&&"
                                   << "Preamble 1: &";
        QTest::newRow("NUL from the ASCII table") << 19 << "NUL"
                                                  << "0"
                                                  << "&H0"
                                                  << "NUL"
                                                  << "Postamble 10: NUL";
    }
    void picks() {
        QFETCH(int, entry);
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, accessible);
        showFullStrings();
        const SettingsImage before = f->session.image;
        f->dialogs.pick(name, code);
        press(entry, Qt::LeftButton);
        QCOMPARE(f->dialogs.pickerOpenings, 1);
        QCOMPARE(box(entry)->text(), text);
        QCOMPARE(button(entry)->text(), shown);
        QCOMPARE(button(entry)->accessibleName(), accessible);
        QCOMPARE(f->session.image, before); // only Accept stores
        QVERIFY(!f->session.changed);
    }

    void pickedNulEndsTheString() {
        f->dialogs.pick(QStringLiteral("A"), QStringLiteral("41"));
        press(0, Qt::LeftButton);
        f->dialogs.pick(QStringLiteral("NUL"), QStringLiteral("0"));
        press(1, Qt::LeftButton);
        f->accept();
        QCOMPARE(stored(), codes({{0, 0x41}}));
        QVERIFY(f->session.changed);
    }

    void pickerClosedWithoutChoiceChangesNothing() {
        showFullStrings();
        press(5, Qt::LeftButton);
        QCOMPARE(f->dialogs.pickerOpenings, 1);
        QCOMPARE(box(5)->text(), QStringLiteral("&H35"));
        QCOMPARE(button(5)->text(), QStringLiteral("5"));
    }

    void otherButtonsClear_data() {
        QTest::addColumn<int>("mouseButton");
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void otherButtonsClear() {
        QFETCH(int, mouseButton);
        showFullStrings();
        press(13, static_cast<Qt::MouseButton>(mouseButton));
        QCOMPARE(f->dialogs.pickerOpenings, 0);
        QCOMPARE(box(13)->text(), QStringLiteral("0"));
        QCOMPARE(button(13)->text(), QString());
        QCOMPARE(button(13)->accessibleName(), QStringLiteral("Postamble 4: "));
        QCOMPARE(f->session.byte(byteOf(13)), 0x30 + 13);
    }

    void defaultAnsweredNoChangesNothing() {
        showFullStrings();
        const SettingsImage before = f->session.image;
        f->pressDefault(Answer::No);
        QCOMPARE(f->session.image, before);
        QVERIFY(!f->session.changed);
        QCOMPARE(box(0)->text(), QStringLiteral("&H30"));
    }

    void defaultClearsAllTwenty() {
        showFullStrings();
        f->type(QStringLiteral("Text1_3"), QStringLiteral("300")); // not validated by Default
        f->pressDefault(Answer::Yes);
        const Message question{QStringLiteral("Current preamble and postamble setting will be "
                                              "changed to factory default. Are you sure ?(Y/N) "),
                               QStringLiteral("Preamble & Postamble"), Icon::Information,
                               Buttons::YesNo};
        QCOMPARE(f->dialogs.messages, QList<Message>{question});
        QCOMPARE(stored(), codes({}));
        QCOMPARE(f->session.byte(kUnusedByte), 0x5A);
        QVERIFY(f->session.changed);
        for (int i = 0; i < kEntries; ++i) {
            QCOMPARE(box(i)->text(), QStringLiteral("&H00"));
            QCOMPARE(button(i)->text(), QString());
        }
    }
};

QTEST_MAIN(AmblePageTest)
#include "test_amble_page.moc"
