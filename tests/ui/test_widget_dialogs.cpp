#include "ui/widget_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace quorvel;

namespace {

class BoxesOnly : public WidgetDialogs {
public:
    void pickCharacter(Session&) override {}
};

} // namespace

class WidgetDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // A file name is data: "<b>x.msr" must read as itself, not as bold "x.msr".
    void textIsShownPlain() {
        const QString text = QStringLiteral("File '/tmp/<b>x.msr' exist. Do you want to overwrite it ? ");
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            format = box->textFormat();
            shown = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            box->button(QMessageBox::No)->click();
        });
        BoxesOnly dialogs;
        QCOMPARE(dialogs.ask({text, programTitle(), Icon::None, Buttons::YesNo}), Answer::No);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, text);
    }
};

QTEST_MAIN(WidgetDialogsTest)
#include "test_widget_dialogs.moc"
