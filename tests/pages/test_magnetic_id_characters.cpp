// The ID character tab of the Magnetic Card page: the entries shown, picked, cleared and restored.
#include "magnetic_page_driver.h"

#include "core/files/settings_file.h"

using namespace quorvel;

class MagneticIdCharactersTest : public QObject, private MagneticPageDriver {
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void idCharactersShown_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption"); // as the button shows it
        QTest::addColumn<QString>("name");    // accessible name of the button
        QTest::newRow("percent") << 0 << 0x25 << "&H25"
                                 << "%"
                                 << "Track 1 Start Sentinel: %";
        QTest::newRow("Enter") << 7 << 0x0D << "&H0D"
                               << "Enter"
                               << "STX Character: Enter";
        QTest::newRow("zero") << 4 << 0 << "&H00"
                              << " "
                              << "Track 1 DLE Character: ";
        QTest::newRow("F 1") << 1 << 1 << "&H01"
                             << "F 1"
                             << "Track 2 Start Sentinel: F 1";
        QTest::newRow("ampersand") << 3 << 0x26 << "&H26"
                                   << "&&"
                                   << "Track 1/2/3 End Sentinel: &";
        QTest::newRow("unnamed") << 6 << 0xFF << "&HFF"
                                 << ""
                                 << "Track 3 DLE Character: ";
        QTest::newRow("question") << 5 << 0x3F << "&H3F"
                                  << "?"
                                  << "Track 2 DLE Character: ?";
    }
    void idCharactersShown() {
        QFETCH(int, entry);
        QFETCH(int, value);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QString, name);
        f->session.image = patternImage();
        show(kIds[entry].byte, value);
        QCOMPARE(box(entry), text);
        QCOMPARE(nameButton(entry)->text(), caption);
        QCOMPARE(nameButton(entry)->accessibleName(), name);
        // Every entry shows its own byte and stores it back unchanged.
        for (int i = 0; i < 8; ++i)
            QCOMPARE(box(i), QStringLiteral("&H%1")
                                 .arg(f->session.byte(kIds[i].byte), 2, 16, QChar(u'0'))
                                 .toUpper());
        const SettingsImage before = f->session.image;
        f->accept();
        for (int i = 0; i < 8; ++i)
            QCOMPARE(f->session.byte(kIds[i].byte), before.at(kIds[i].byte));
    }

    void idCharacterDefaultStoresAtOnce() {
        f->session.image = patternImage(5);
        f->page->activate();
        // Controls of other tabs that differ from the image are not stored by this Default.
        check(1)->setChecked(!check(1)->isChecked());
        f->option(QStringLiteral("Option3"), 3)->setChecked(true);
        f->dialogs.pick(QStringLiteral("Esc"), QStringLiteral("1B"));
        press(4, Qt::LeftButton);
        f->dialogs.answer(Answer::Yes);
        click(QStringLiteral("Command4"));

        SettingsImage expected = patternImage(5);
        for (int i = 0; i < 8; ++i)
            expected[kIds[i].byte] = static_cast<std::uint8_t>(kFactoryIds[i]);
        QCOMPARE(f->session.image, expected);
        QVERIFY(f->session.changed);
        const QStringList texts{"&H25", "&H3B", "&H3B", "&H3F", "&H00", "&H00", "&H00", "&H00"};
        const QStringList names{"%", ";", ";", "?", " ", " ", " ", " "};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(box(i), texts.at(i));
            QCOMPARE(nameButton(i)->text(), names.at(i));
        }
    }

    void picks_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("Enter kept as the picker left it") << 7 << "Enter"
                                                          << "D"
                                                          << "Enter"
                                                          << "&HD" << 0x0D;
        QTest::newRow("ampersand") << 3 << "&"
                                   << "26"
                                   << "&&"
                                   << "&H26" << 0x26;
        QTest::newRow("NUL from the ASCII table") << 6 << "NUL"
                                                  << "0"
                                                  << "NUL"
                                                  << "&H0" << 0;
        QTest::newRow("F 12") << 0 << "F 12"
                              << "C"
                              << "F 12"
                              << "&HC" << 12;
    }
    void picks() {
        QFETCH(int, entry);
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(int, stored);
        f->session.image = shippedFactoryImage();
        f->page->activate();
        f->dialogs.pick(name, code);
        press(entry, Qt::LeftButton);
        QCOMPARE(nameButton(entry)->text(), caption);
        QCOMPARE(box(entry), text);
        f->accept();
        SettingsImage expected = shippedFactoryImage();
        expected[kIds[entry].byte] = static_cast<std::uint8_t>(stored);
        QCOMPARE(f->session.image, expected);
    }

    void pickerClosedWithoutAChoice() {
        show(60, 0x41);
        f->page->activate();
        press(4, Qt::LeftButton); // nothing scripted: the picker closes without a choice
        QCOMPARE(f->dialogs.pickerOpenings, 1);
        QCOMPARE(nameButton(4)->text(), QStringLiteral("A"));
        QCOMPARE(box(4), QStringLiteral("&H41"));
    }

    void otherButtonsClear_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void otherButtonsClear() {
        QFETCH(int, button);
        show(61, 0x2A);
        press(5, Qt::MouseButton(button));
        QCOMPARE(f->dialogs.pickerOpenings, 0);
        QCOMPARE(nameButton(5)->text(), QString());
        QCOMPARE(nameButton(5)->accessibleName(), QStringLiteral("Track 2 DLE Character: "));
        QCOMPARE(box(5), QStringLiteral("0"));
        QCOMPARE(f->session.byte(61), 0x2A);
        f->accept();
        QCOMPARE(f->session.byte(61), 0);
    }

};

QTEST_MAIN(MagneticIdCharactersTest)
#include "test_magnetic_id_characters.moc"
