#pragma once

#include "core/session.h"
#include "scripted_dialogs.h"
#include "test_files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

#include <memory>

namespace quorvel {

inline Message okMessage(const char* text) {
    return {QString::fromUtf8(text)};
}
inline Message defaultQuestion(const char* text) {
    return {QString::fromUtf8(text), QStringLiteral("Quorvel"), Icon::Information, Buttons::YesNo};
}
inline const Message kOutOfRange{QStringLiteral("Value must be 0~255")};

// A fresh session and scripted dialogs per test, and the page under test built on them.
template <class Page> class PageFixture {
public:
    Session session;
    ScriptedDialogs dialogs;
    std::unique_ptr<Page> page;

    // Shown, since clicks only reach visible buttons.
    Page& build() {
        page = std::make_unique<Page>(session, dialogs);
        page->resize(540, 420);
        page->show();
        return *page;
    }
    // Active as well, so focus can be checked.
    Page& buildShown() {
        build();
        QApplication::setActiveWindow(page.get());
        if (!QTest::qWaitForWindowActive(page.get()))
            qWarning("page window did not become active");
        return *page;
    }

    template <class W = QWidget> W* child(const QString& name) const {
        W* w = page->template findChild<W*>(name);
        if (!w)
            qFatal("no child %s", qPrintable(name));
        return w;
    }
    QRadioButton* option(const QString& array, int index) const {
        return child<QRadioButton>(array + u'_' + QString::number(index));
    }
    // Index of the one selected button of an array of `count`, -1 for none; -2 if several.
    int selected(const QString& array, int count) const {
        int found = -1;
        for (int i = 0; i < count; ++i) {
            auto* b = page->template findChild<QRadioButton*>(array + u'_' + QString::number(i));
            if (b && b->isChecked())
                found = found == -1 ? i : -2;
        }
        return found;
    }
    // Option buttons and check boxes take clicks on their indicator and caption only.
    void click(const QString& name) const {
        QAbstractButton* button = child<QAbstractButton>(name);
        const bool indicator = button->inherits("QRadioButton") || button->inherits("QCheckBox");
        QTest::mouseClick(button, Qt::LeftButton, {},
                          indicator ? QPoint(6, button->height() / 2) : button->rect().center());
    }
    void accept() const { click(QStringLiteral("Command1")); }
    void pressDefault(Answer answer, const QString& name = QStringLiteral("Command2")) {
        dialogs.answer(answer);
        click(name);
    }
    void type(const QString& box, const QString& text) const {
        QLineEdit* edit = child<QLineEdit>(box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
};

} // namespace quorvel
