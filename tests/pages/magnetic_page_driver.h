#pragma once

// What the tests of the Magnetic Card page share: the facts of its ID characters and a
// driver that clicks its controls on their own tabs.
#include "page_fixture.h"

#include "pages/magnetic_page.h"

#include <QCheckBox>
#include <QTabWidget>

#include <memory>

namespace quorvel {

inline constexpr int kFormatByte = 4;
inline constexpr int kOrderByte = 32;
inline constexpr int kSelectionByte = 63;

struct IdFacts {
    int byte;
    const char* box;
    const char* label;
    const char* name;
};
inline const IdFacts kIds[8] = {
    {53, "IDS_0", "Track 1 Start Sentinel : ", "Track 1 Start Sentinel"},
    {54, "IDS_1", "Track 2 Start Sentinel :", "Track 2 Start Sentinel"},
    {55, "IDS_2", "Track 3 Start Sentinel :", "Track 3 Start Sentinel"},
    {46, "IDS_3", "Track 1/2/3 End Sentinel : ", "Track 1/2/3 End Sentinel"},
    {60, "IDC_0", "Track 1 DLE Character : ", "Track 1 DLE Character"},
    {61, "IDC_1", "Track 2 DLE Character : ", "Track 2 DLE Character"},
    {62, "IDC_2", "Track 3 DLE Character : ", "Track 3 DLE Character"},
    {59, "IDC_3", "STX Character : ", "STX Character"},
};
inline const char* const kLabels[8] = {"ID1_0", "ID1_1", "ID1_2", "ID1_3",
                                       "ID2_0", "ID2_1", "ID2_2", "ID2_3"};
inline const int kFactoryIds[8] = {0x25, 0x3B, 0x3B, 0x3F, 0, 0, 0, 0};

inline const char* const kQuestions[4] = {
    "Current track order setting will be changed to factory default. Are you sure ?(Y/N) ",
    "Current track selection setting will be changed to factory default. Are you sure ?(Y/N) ",
    "Current ID character setting will be changed to factory default. Are you sure ?(Y/N) ",
    "Current data format setting will be changed to factory default. Are you sure ?(Y/N) ",
};

inline QString idcs(int i) {
    return QStringLiteral("IDCS_%1").arg(i);
}

class MagneticPageDriver {
protected:
    std::unique_ptr<PageFixture<MagneticPage>> f;

    void setUp() {
        f = std::make_unique<PageFixture<MagneticPage>>();
        f->build();
    }
    void tearDown() {
        QCOMPARE(f->dialogs.unexpected, 0);
        f.reset();
    }

    int order() const { return f->selected(QStringLiteral("Option1"), 6); }
    int standard() const { return f->selected(QStringLiteral("Option2"), 2); }
    int selection() const { return f->selected(QStringLiteral("Option3"), 7); }
    QCheckBox* check(int n) const { return f->child<QCheckBox>(QStringLiteral("Check%1").arg(n)); }
    QString box(int i) const {
        return f->child<QLineEdit>(QString::fromLatin1(kIds[i].box))->text();
    }
    QPushButton* nameButton(int i) const { return f->child<QPushButton>(idcs(i)); }

    // Controls are clicked on their own tab, as a user would.
    void toTab(const QString& name) const {
        int tab = 0;
        if (name.startsWith(u"Option3") || name == u"Command3")
            tab = 1;
        else if (name.startsWith(u"IDCS") || name == u"Command4")
            tab = 2;
        else if (name.startsWith(u"Check") || name == u"Command5")
            tab = 3;
        f->page->tabs()->setCurrentIndex(tab);
    }
    void click(const QString& name) const {
        toTab(name);
        f->click(name);
    }
    void press(int entry, Qt::MouseButton button) const {
        toTab(idcs(entry));
        QTest::mousePress(nameButton(entry), button);
        QTest::mouseRelease(nameButton(entry), button);
    }
    void show(int byte, int value) {
        f->session.setByte(byte, value);
        f->page->activate();
    }
};

} // namespace quorvel
