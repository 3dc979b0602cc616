#pragma once

#include "core/session.h"
#include "ui/child_window.h"

#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace quorvel {

class Dialogs;

// What differs between the image and the factory settings or a settings file,
// one table row per difference, made anew on each activation. Reads the image,
// never writes it.
class ComparePage : public ChildWindow {
    Q_OBJECT
public:
    ComparePage(const Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    void activate() override;
    // "Compare with": read the other image, then compare. A file that cannot be
    // read is reported and leaves the page as it was.
    void compareWithFactory();
    void compareWithFile();

    QTableWidget* table() const { return m_table; }
    QLabel* resultLabel() const { return m_result; }
    QLabel* otherLabel() const { return m_other; }

private:
    bool readOther(const QString& path, const QString& name);
    void refresh();

    const Session& m_session;
    Dialogs& m_dialogs;
    QPushButton* m_factory;
    QPushButton* m_file;
    QLabel* m_other;
    QLabel* m_result;
    QTableWidget* m_table;
    std::optional<SettingsImage> m_otherImage;
    QString m_otherName;  // the heading of the other image's column
    QString m_otherPlace; // the file it was read from
};

} // namespace quorvel
