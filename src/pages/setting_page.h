#pragma once

#include "ui/child_window.h"
#include "ui/dialogs.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvel {

class Session;
enum class FieldId;

// The protocol every setting page shares: activation shows the page's bytes,
// Accept runs the apply step and confirms, each Default asks first and then
// brings its part of the page to the factory values. A page supplies its
// bytes and controls through showBytes() and apply().
class SettingPage : public ChildWindow {
    Q_OBJECT
public:
    // Whether Accept and the first Default sit at their fixed places below the
    // body, or the page puts them into its own layout.
    enum class ButtonPlaces { Fixed, InBody };

    // How a page's label ends after the caption it takes from the field table:
    // "", " :", " : ", "  : ", ".".
    enum class CaptionEnd { None, Colon, ColonBlank, WideColon, Stop };

    struct Texts {
        QString objectName;
        QString heading;
        QString acceptMessage;
    };

    // Shows the bytes without writing any, so opening a page changes nothing.
    void activate() final;
    // Command1: the apply step; if it passes, the page's message and the changed flag.
    void accept();

    QPushButton* acceptButton() const { return m_accept; }

protected:
    SettingPage(Session& session, Dialogs& dialogs, const Texts& texts, ButtonPlaces places,
                QWidget* parent = nullptr);

    virtual void showBytes() = 0;
    // Writes the controls into the page's bytes; false when an entry was refused
    // (the refusal has been shown). Never touches the changed flag.
    virtual bool apply() = 0;

    // A Default button: asks `question` (Yes/No, information icon, `title`); on
    // Yes the changed flag is set and `factoryStep` runs.
    QPushButton* addDefaultButton(const QString& objectName, const QString& question,
                                  std::function<void()> factoryStep,
                                  const QString& title = programTitle());

    // Where the page lays out its controls, between the heading and the buttons.
    QWidget* body() const { return m_body; }
    Session& session() const { return m_session; }
    Dialogs& dialogs() const { return m_dialogs; }

    // Shows the refusal and leaves the offending control focused, its text selected.
    bool refuse(const Message& message, QWidget* offender);
    // Reads each box as a byte, in order; the first box out of range is refused
    // and nothing is returned, so a failed apply step writes no byte at all.
    std::optional<std::vector<int>> readByteBoxes(std::initializer_list<QLineEdit*> boxes);

    // The caption of a field from the field table, translated, with its label's ending.
    static QString fieldCaption(FieldId id, CaptionEnd end = CaptionEnd::None);

    // An option button of a control array: objectName "name_index", the caption as accessible name.
    static QRadioButton* makeOption(QWidget* parent, const QString& name, int index,
                                    const QString& caption);
    // The index of the first selected button among `buttons[from..to]`, or -1.
    static int firstSelected(const std::vector<QRadioButton*>& buttons, int from, int to);
    // Sets a button of an exclusive group, also to unselected, which the group alone refuses.
    static void setSelected(QAbstractButton* button, bool selected);

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void runDefault(const QString& question, const QString& title,
                    const std::function<void()>& factoryStep);
    void placeBody();
    void orderButtonsLast();

    Session& m_session;
    Dialogs& m_dialogs;
    QString m_acceptMessage;
    ButtonPlaces m_places;
    QLabel* m_heading;
    QWidget* m_body;
    QPushButton* m_accept;
    std::vector<QPushButton*> m_defaults;
    bool m_tabOrderDone = false;
};

} // namespace quorvel
