#include "keyboard_picker.h"

#include "ascii_table_picker.h"
#include "core/keyboard/key_name.h"
#include "core/session.h"
#include "core/image/setting_fields.h"
#include "keyboard_keys.h"
#include "ui/twips.h"
#include "ui/vertical_menu.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

constexpr int kKeyUnit = 600; // twips: one letter key with its gap
constexpr int kKeyGap = 45;
constexpr int kMargin = 120;
constexpr int kColumns = 185; // tenths of a key: main block, gap, editing block
constexpr int kRows = 65;     // tenths of a key: function row, gap, five rows

const QColor kShiftEngaged(255, 224, 192);
const QColor kLampOff(0, 64, 0);
const QColor kLampOn(192, 255, 192);

int unitsToTwips(double units) { return static_cast<int>(std::lround(units * kKeyUnit)); }

// The function row stands half a key above the others, as on a PC keyboard.
double rowTop(int row) { return row == 0 ? 0.0 : row + 0.5; }

QRect keyRect(double left, double top, double width) {
    return twipsRect(kMargin + unitsToTwips(left), kMargin + unitsToTwips(top),
                     unitsToTwips(width) - kKeyGap, kKeyUnit - kKeyGap);
}

QString pictureName(KeyPicture picture) {
    switch (picture) {
    case KeyPicture::Space:
        return KeyboardPicker::tr("Space");
    case KeyPicture::Up:
        return KeyboardPicker::tr("Up");
    case KeyPicture::Down:
        return KeyboardPicker::tr("Down");
    case KeyPicture::Left:
        return KeyboardPicker::tr("Left");
    case KeyPicture::Right:
        return KeyboardPicker::tr("Right");
    case KeyPicture::None:
        break;
    }
    return {};
}

QPixmap arrowPixmap(int degrees, const QColor& colour) {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(9, 9);
    painter.rotate(degrees);
    // Pointing up before the rotation: a head on a shaft.
    QPainterPath arrow;
    arrow.moveTo(0, -8);
    arrow.lineTo(7, 0);
    arrow.lineTo(2.5, 0);
    arrow.lineTo(2.5, 8);
    arrow.lineTo(-2.5, 8);
    arrow.lineTo(-2.5, 0);
    arrow.lineTo(-7, 0);
    arrow.closeSubpath();
    painter.fillPath(arrow, colour);
    return pixmap;
}

QPixmap spacePixmap(const QColor& colour) {
    QPixmap pixmap(60, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(QPolygon({QPoint(2, 2), QPoint(2, 9), QPoint(57, 9), QPoint(57, 2)}));
    return pixmap;
}

QIcon pictureIcon(KeyPicture picture, const QColor& colour) {
    switch (picture) {
    case KeyPicture::Space:
        return QIcon(spacePixmap(colour));
    case KeyPicture::Up:
        return QIcon(arrowPixmap(0, colour));
    case KeyPicture::Right:
        return QIcon(arrowPixmap(90, colour));
    case KeyPicture::Down:
        return QIcon(arrowPixmap(180, colour));
    case KeyPicture::Left:
        return QIcon(arrowPixmap(270, colour));
    case KeyPicture::None:
        break;
    }
    return {};
}

QFrame* lamp(const QColor& colour, const QRect& geometry, const QString& name, QWidget* parent) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setFrameShape(QFrame::Box);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    shape->setPalette(palette);
    shape->setAutoFillBackground(true);
    shape->setGeometry(geometry);
    return shape;
}

} // namespace

KeyboardPicker::KeyboardPicker(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_keys(keyboardKeys().size(), nullptr) {
    setObjectName(QStringLiteral("sfrmKB"));
    setWindowTitle(tr("Keyboard Interface"));
    setModal(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);

    // Created in reading order, so that Tab walks the keys row by row.
    std::vector<const KeyboardKey*> order;
    for (const KeyboardKey& key : keyboardKeys())
        order.push_back(&key);
    std::stable_sort(order.begin(), order.end(), [](const KeyboardKey* a, const KeyboardKey* b) {
        return a->row != b->row ? a->row < b->row : a->left < b->left;
    });
    const QColor pictureColour = palette().color(QPalette::ButtonText);
    for (const KeyboardKey* key : order) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("CKey_%1").arg(key->index));
        button->setAutoDefault(false);
        button->setGeometry(keyRect(key->left, rowTop(key->row), key->width));
        if (key->picture == KeyPicture::None) {
            const QString caption = tr(key->caption);
            button->setText(buttonCaption(caption));
            button->setAccessibleName(caption.simplified());
        } else {
            button->setIcon(pictureIcon(key->picture, pictureColour));
            button->setIconSize(key->picture == KeyPicture::Space ? QSize(60, 12) : QSize(18, 18));
            button->setAccessibleName(pictureName(key->picture));
        }
        connect(button, &QPushButton::clicked, this, [this, key] { keyClicked(*key); });
        m_keys[static_cast<std::size_t>(key->index)] = button;
    }

    // Lamp and button sit top right, above the editing block.
    m_capsLabel = new QLabel(tr("Caps"), this);
    m_capsLabel->setObjectName(QStringLiteral("Label1"));
    m_capsLabel->setAlignment(Qt::AlignCenter);
    m_capsLabel->setGeometry(keyRect(15.5, 0.0, 0.9).adjusted(0, 0, 0, -twips(kKeyUnit / 2)));
    const QRect lampRect = twipsRect(kMargin + unitsToTwips(15.65), kMargin + unitsToTwips(0.55),
                                     unitsToTwips(0.6) - kKeyGap, unitsToTwips(0.3));
    m_lampOff = lamp(kLampOff, lampRect, QStringLiteral("Shape1_0"), this);
    m_lampOn = lamp(kLampOn, lampRect, QStringLiteral("Shape1_1"), this);

    m_asciiTable = new QPushButton(tr("ASCII Table"), this);
    m_asciiTable->setObjectName(QStringLiteral("Command1"));
    m_asciiTable->setAutoDefault(false);
    m_asciiTable->setGeometry(keyRect(16.5, 0.0, 2.0));
    connect(m_asciiTable, &QPushButton::clicked, this, &KeyboardPicker::openAsciiTable);
    setTabOrder(m_keys.back(), m_asciiTable);

    setFixedSize(twipsSize(2 * kMargin + kColumns * kKeyUnit / 10 - kKeyGap,
                           2 * kMargin + kRows * kKeyUnit / 10 - kKeyGap));

    // Activation: the window is built anew for every opening.
    showCapsLock();
    m_session.shiftLatch = false;
    m_session.pickedName.clear();
    m_session.pickedCode.clear();
    m_asciiTable->setVisible(fieldValue(m_session.image, FieldId::AltMode) != 0);
}

void KeyboardPicker::keyClicked(const KeyboardKey& pressed) {
    if (const auto code = pressed.pickedCode(m_session.shiftLatch, m_session.capsLockLatch)) {
        m_session.pickedCode = *code;
        m_session.pickedName = keyName(QStringLiteral("&H") + *code);
        accept();
        return;
    }
    // The latch keys choose nothing, so the picked name stays empty and closing
    // the window afterwards is no choice.
    switch (pressed.kind) {
    case KeyKind::CapsLock:
        m_session.capsLockLatch = !m_session.capsLockLatch;
        showCapsLock();
        break;
    case KeyKind::Shift:
        shiftClicked(key(pressed.index));
        break;
    default:
        break;
    }
}

void KeyboardPicker::shiftClicked(QPushButton* button) {
    if (m_session.shiftLatch) {
        for (const KeyboardKey& key : keyboardKeys())
            if (key.kind == KeyKind::Shift)
                this->key(key.index)->setPalette(QPalette());
    } else {
        QPalette engaged = button->palette();
        engaged.setColor(QPalette::Button, kShiftEngaged);
        button->setPalette(engaged);
    }
    m_session.shiftLatch = !m_session.shiftLatch;
}

void KeyboardPicker::showCapsLock() {
    m_lampOn->setVisible(m_session.capsLockLatch);
    m_lampOff->setVisible(!m_session.capsLockLatch);
}

void KeyboardPicker::openAsciiTable() {
    AsciiTablePicker table(m_session, this);
    table.exec();
    if (!m_session.pickedName.isEmpty())
        accept();
}

void runKeyboardPicker(Session& session, QWidget* parent) {
    KeyboardPicker picker(session, parent);
    picker.exec();
}

} // namespace quorvel
